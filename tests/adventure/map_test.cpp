// The town map: hot spots, hover texts, entering a place, the player's house and the return.
#include <QFile>

#include "adv_test_support.h"

namespace korvane {
namespace {

std::vector<int> Visible(const ADVKorvane& adv) {
  std::vector<int> v;
  for (int i = 0; i <= 8; ++i) {
    if (adv.ClickerVisible(i)) v.push_back(i);
  }
  return v;
}

TEST_F(AdventureTest, HotSpotsOfANewGameAndAfterTheUnlockingCounters) {
  StartNewGame();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{1, 6}));
  // The story moves on; the map shows it at the next return.
  state.ShindoStep = 1;
  EXPECT_EQ(Visible(*adv), (std::vector<int>{1, 6}));
  adv->ShowTownMap();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{0, 1, 6}));
  state.ShindoStep = 31;
  state.TakaharaStep = 30;
  adv->ShowTownMap();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{0, 1, 6}));  // 風見 needs both above 30
  state.TakaharaStep = 31;
  adv->ShowTownMap();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{0, 1, 2, 6}));
  state.PlaceUnlocked[3] = -1;
  adv->ShowTownMap();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{0, 1, 2, 3, 6, 8}));
  state.YokotaStep = 3;
  state.PlaceUnlocked[1] = -1;
  state.PlaceUnlocked[4] = 1;  // any non-zero value is set
  adv->ShowTownMap();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  // Flags 2 and 5 open nothing on the map.
  MakeWindow();
  StartNewGame();
  state.PlaceUnlocked[2] = -1;
  state.PlaceUnlocked[5] = -1;
  adv->ShowTownMap();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{1, 6}));
  // A script can show one hot spot at once.
  adv->ShowHotSpot(0);
  EXPECT_EQ(Visible(*adv), (std::vector<int>{0, 1, 6}));
}

// Every handler checks the screen its control lives on: a map or dialogue control reached on the
// title (or a title control reached during play, or anything while a duel hides the window)
// changes nothing.
TEST_F(AdventureTest, HandlersOfAnotherScreenChangeNothing) {
  auto snapshot = [this] {
    QStringList s;
    s << QString::number(adv->CurrentPlace()) << adv->MessageText() << adv->MessageLabelCaption()
      << QString::number(adv->PictureRevision()) << QString::number(host.duelOpenings)
      << QString::number(host.tutorialOpenings) << QString::number(state.ShindoStep);
    for (int i = 0; i <= 8; ++i) s << QString::number(adv->ClickerVisible(i));
    for (int i = 1; i <= 5; ++i)
      s << adv->Command(i).caption << QString::number(adv->Command(i).visible);
    for (int i = 0; i < 2; ++i) s << QString::number(adv->Choiser(i).visible);
    s << QString::number(adv->Frame1Visible()) << QString::number(adv->Picture5().visible);
    return s.join('|');
  };
  const std::vector<std::pair<const char*, std::function<void()>>> playHandlers = {
      {"Clicker_Click",
       [this] {
         for (int i = -1; i <= 9; ++i) adv->Clicker_Click(i);
       }},
      {"Clicker_MouseMove",
       [this] {
         for (int i = -1; i <= 9; ++i) adv->Clicker_MouseMove(i);
       }},
      {"Picture1_MouseMove", [this] { adv->Picture1_MouseMove(); }},
      {"Picture1_Click", [this] { adv->Picture1_Click(); }},
      {"Picture2_Click", [this] { adv->Picture2_Click(); }},
      {"Choiser_Click", [this] { adv->Choiser_Click(0), adv->Choiser_Click(1); }},
  };
  // On the title, and in the profile entry.
  adv->Form_Load();
  for (int stage = 0; stage < 2; ++stage) {
    const QString before = snapshot();
    for (const auto& [name, handler] : playHandlers) {
      handler();
      EXPECT_EQ(snapshot(), before) << name << (stage ? " (profile)" : " (title)");
    }
    adv->Command1_Click();
  }
  // The game starts with its map intact.
  adv->SetText1(QStringLiteral("太郎"));
  adv->Command2_Click();
  EXPECT_EQ(Visible(*adv), (std::vector<int>{1, 6}));

  // During play the title's buttons are gone; during a duel the hidden window takes nothing.
  const std::vector<std::pair<const char*, std::function<void()>>> titleHandlers = {
      {"Command1_Click", [this] { adv->Command1_Click(); }},
      {"Command2_Click", [this] { adv->Command2_Click(); }},
      {"Command3_Click", [this] { adv->Command3_Click(); }},
      {"Command4_Click", [this] { adv->Command4_Click(); }},
      {"Command5_Click", [this] { adv->Command5_Click(); }},
  };
  TypeOut();
  QString before = snapshot();
  for (const auto& [name, handler] : titleHandlers) {
    handler();
    EXPECT_EQ(snapshot(), before) << name << " (play)";
  }
  for (int i = 0; i < 400 && host.duelOpenings == 0; ++i) {
    adv->Clicker_Click(1);  // 真道's house until he asks for a duel
    Tick();
    TypeOut();
    if (adv->Choiser(0).visible) adv->Choiser_Click(0);
    adv->Picture1_Click();
  }
  ASSERT_EQ(host.duelOpenings, 1);
  before = snapshot();
  for (const auto& list : {titleHandlers, playHandlers}) {
    for (const auto& [name, handler] : list) {
      handler();
      EXPECT_EQ(snapshot(), before) << name << " (duel)";
    }
  }
}

TEST_F(AdventureTest, HoverTexts) {
  StartNewGame(QStringLiteral("花子"), QStringLiteral("女"));
  adv->Clicker_MouseMove(6);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("ここは私の家"));
  Tick(3);
  // Pointing again at the same place does not restart the typing.
  adv->Clicker_MouseMove(6);
  EXPECT_EQ(adv->MessageCursor(), 3);
  TypeOut();
  adv->Picture1_Click();  // dismissed
  adv->Clicker_MouseMove(6);
  EXPECT_TRUE(adv->MessageText().isEmpty());
  // Another place, and the map between them.
  adv->Clicker_MouseMove(1);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("真道くんの家"));
  adv->Picture1_MouseMove();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("どこに行こうかな？"));
  // A hidden hot spot says nothing.
  adv->Clicker_MouseMove(4);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("どこに行こうかな？"));
  state.PlayerSex = 0;
  adv->Clicker_MouseMove(6);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("ここは僕の家"));
}

TEST_F(AdventureTest, EnteringAPlaceZoomsAndShowsWhoLivesThere) {
  StartNewGame();
  TypeOut();
  const QImage map = adv->Picture1().copy();
  adv->Clicker_Click(1);
  EXPECT_EQ(adv->CurrentPlace(), 1);
  EXPECT_TRUE(Visible(*adv).empty());
  EXPECT_EQ(platform.eventRuns, 1);
  EXPECT_EQ(adv->Picture2Top(), 6150 - 1650 - 300);
  EXPECT_EQ(adv->MessageLabelRect(), (TwipRect{1680, 4300, 6500, 1250}));
  EXPECT_EQ(adv->MessageLabelCaption(), QString());
  EXPECT_TRUE(adv->MessageText().isEmpty());
  EXPECT_EQ(adv->ShownOppPic(), 1);
  EXPECT_NE(adv->Picture1(), map);
  // The zoom: the top left of the picture shows the top left of the hot spot's piece.
  const QRect spot = kClickerRects[1].Pixels();
  EXPECT_EQ(QColor(adv->Picture1().pixel(0, 0)).rgb(),
            QColor(adv->Pictures().Town().pixel(spot.topLeft())).rgb());
  // The box is light: every channel at least 235 where no text is drawn.
  const QRect box = adv->MessageLabelRect().Pixels();
  const QColor light = adv->Picture1().pixel(box.right() - 1, box.bottom() - 1);
  EXPECT_GE(light.red(), 235);
  EXPECT_GE(light.green(), 235);
  EXPECT_GE(light.blue(), 235);

  // Nobody opens at 横田's before her story starts, nor at 高峰's at 0 or from 100 on.
  struct Case {
    int place;
    int16_t step;
    int shown;
  };
  const Case cases[] = {{3, 0, -1}, {3, 1, 3}, {4, 0, -1}, {4, 3, 4},  {4, 100, -1},
                        {0, 0, 0},  {2, 0, 2}, {5, 0, -1}, {7, 0, -1}, {8, 0, -1}};
  for (const Case& c : cases) {
    adv->ShowTownMap();
    *state.StepCounter(c.place) = c.step;
    adv->EnterPlace(c.place);
    EXPECT_EQ(adv->ShownOppPic(), c.shown) << c.place << " " << c.step;
  }
  // Back on the map: the plain picture, portraits hidden, the player's frame at the top.
  adv->ShowTownMap();
  EXPECT_EQ(adv->ShownOppPic(), -1);
  EXPECT_EQ(adv->Picture2Top(), 0);
  EXPECT_EQ(adv->MessageLabelRect(), (TwipRect{1680, 120, 4095, 975}));
  EXPECT_EQ(adv->CurrentPlace(), -1);
}

TEST_F(AdventureTest, ATickDuringTheEntryWaitsForIt) {
  StartNewGame();
  adv->SetStepRunner([](int, ScriptHost& h) {
    h.ShowSpeech(QStringLiteral("いらっしゃい"));
    return true;
  });
  TypeOut();
  adv->Picture1_Click();  // the hint dismissed: a tick would now run a step
  platform.onEvents = [this] { Tick(); };
  adv->Clicker_Click(1);
  EXPECT_EQ(state.ShindoStep, 0);
  Tick();
  EXPECT_EQ(state.ShindoStep, 1);
  EXPECT_EQ(adv->MessageText(), QStringLiteral("いらっしゃい"));
}

TEST_F(AdventureTest, PlayersHouseOffersQuitAndTheSwitches) {
  StartNewGame();
  adv->Clicker_Click(6);
  EXPECT_FALSE(adv->Command(4).visible);
  Tick();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("終わりにしようかな？"));
  EXPECT_EQ(adv->Choiser(0).caption, QStringLiteral("終わる"));
  EXPECT_EQ(adv->Choiser(1).caption, QStringLiteral("まだまだ"));
  EXPECT_TRUE(adv->Command(4).visible);
  EXPECT_TRUE(adv->Command(5).visible);
  // "まだまだ": back to the map, the switches go at the next tick, no counter changes.
  const GameState before = state;
  adv->Choiser_Click(1);
  EXPECT_EQ(adv->CurrentPlace(), -1);
  EXPECT_FALSE(adv->Choiser(1).visible);
  Tick();
  EXPECT_FALSE(adv->Command(4).visible);
  EXPECT_EQ(state.ShindoStep, before.ShindoStep);
  EXPECT_EQ(Visible(*adv), (std::vector<int>{1, 6}));

  // "終わる": the game and the switches are saved and the program ends.
  adv->Clicker_Click(6);
  Tick();
  adv->Command5_Click();
  state.Collections[0][3] = 9;
  adv->Choiser_Click(0);
  EXPECT_EQ(host.quits, 1);
  EXPECT_TRUE(adv->Ended());
  GameState loaded;
  ASSERT_TRUE(store.LoadGame(loaded));
  EXPECT_EQ(loaded.PlayerName, QStringLiteral("太郎君"));
  EXPECT_EQ(loaded.Collections[0][3], 9);
  SoundSwitches read;
  store.LoadSettings(read);
  EXPECT_EQ(read.EffectCaption, QStringLiteral("効果音：ＯＦＦ"));
}

TEST_F(AdventureTest, FailedSaveAtQuitIsToldAndTheGameGoesOn) {
  StartNewGame();
  // The save directory's place is taken by a file: nothing can be written there.
  SaveStore blocked(QDir(dir.path()).filePath(QStringLiteral("blocked")));
  {
    QFile f(blocked.Directory());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  GameState g;
  ADVKorvane other(g, blocked, *sound, platform, host, PlaceholderPictures(), nullptr);
  other.Form_Load();
  other.Command1_Click();
  other.SetText1(QStringLiteral("太郎"));
  other.Command2_Click();
  other.Clicker_Click(6);
  other.Timer1_Timer();
  other.Choiser_Click(0);
  EXPECT_EQ(host.quits, 0);
  EXPECT_FALSE(other.Ended());
  ASSERT_FALSE(platform.messages.empty());
  EXPECT_TRUE(platform.messages.back().Line().startsWith(QStringLiteral("セーブ失敗|")));
  // The choices stay, so the player can go back to the map and play on.
  EXPECT_TRUE(other.Choiser(1).visible);
  other.Choiser_Click(1);
  EXPECT_EQ(other.CurrentPlace(), -1);
  // Closing: the switches cannot be written either; that is told, and the close is still asked.
  const size_t told = platform.messages.size();
  platform.answers = {true};
  EXPECT_TRUE(other.Form_QueryUnload());
  ASSERT_EQ(platform.messages.size(), told + 1u);
  EXPECT_TRUE(platform.messages.back().Line().startsWith(QStringLiteral("設定|")));
}

TEST_F(AdventureTest, OldHouseSaveWritesItsVariantOrTellsTheFailure) {
  StartNewGame();
  state.OldHouseStep = 4;
  state.Collections[0][32] = 1;
  EXPECT_TRUE(adv->SaveGameOldHouse());
  GameState loaded;
  ASSERT_TRUE(store.LoadGame(loaded));
  EXPECT_EQ(loaded.OldHouseStep, 0);
  EXPECT_EQ(loaded.Collections[0][32], 1);
  EXPECT_TRUE(platform.messages.empty());

  SaveStore blocked(QDir(dir.path()).filePath(QStringLiteral("blocked")));
  {
    QFile f(blocked.Directory());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  GameState g = state;
  ADVKorvane other(g, blocked, *sound, platform, host, PlaceholderPictures(), nullptr);
  EXPECT_FALSE(other.SaveGameOldHouse());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].Line().startsWith(QStringLiteral("セーブ失敗|")));
}

// The pictures are read when first asked for, each from its file or else generated at its size;
// copies share them, and reading ahead on another thread gives the same pictures.
TEST(AdventurePicturesTest, ReadWhenAskedForWithGeneratedOnesForMissingOrDamagedFiles) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("adventure"));
  const QString folder = dir.path() + "/adventure/";
  QFile bad(folder + "Town.png");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  QImage logo(302, 189, QImage::Format_RGB32);
  logo.fill(qRgb(200, 10, 10));
  ASSERT_TRUE(logo.save(folder + "logo.PNG"));  // names matched without case
  QImage small(50, 50, QImage::Format_RGB32);
  small.fill(qRgb(10, 10, 200));
  ASSERT_TRUE(small.save(folder + "PlayerPic1.png"));

  const AdventurePictures generated = PlaceholderPictures();
  const AdventurePictures read = LoadAdventurePictures(dir.path());
  const AdventurePictures copy = read;
  EXPECT_EQ(&copy.Town(), &read.Town());
  EXPECT_EQ(read.Town().size(), QSize(kPictureWidth, kPictureHeight));
  EXPECT_EQ(read.Town().format(), QImage::Format_RGB32);
  EXPECT_EQ(read.Town(), generated.Town());
  EXPECT_EQ(read.Logo().pixel(150, 90), qRgb(200, 10, 10));
  EXPECT_EQ(read.LogoEnglish(), read.Logo());  // the English logo falls back on the Japanese
  EXPECT_EQ(read.Player(1).size(), QSize(100, 100));
  EXPECT_EQ(read.Player(1).pixel(50, 50), qRgb(10, 10, 200));
  EXPECT_EQ(read.Player(0), generated.Player(0));
  EXPECT_EQ(read.LightTile(), generated.LightTile());

  const AdventurePictures ahead = LoadAdventurePictures(dir.path());
  ahead.ReadAhead();
  for (int i = 5; i >= 0; --i) EXPECT_EQ(ahead.Opponent(i), generated.Opponent(i)) << i;
  EXPECT_EQ(ahead.Player(1), read.Player(1));
  EXPECT_EQ(ahead.Town(), read.Town());
  EXPECT_EQ(ahead.LogoEnglish(), read.LogoEnglish());
}

}  // namespace
}  // namespace korvane
