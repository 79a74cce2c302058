// Scripted screenshots of every screen, at 1x and 2x, for an old-against-new comparison; and the
// duel's help once more as a 1280 x 800 screen shows it, with the fields' patterns and the
// high-contrast marks on.
// Usage: shot_driver DATA_DIR OUT_DIR
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "adventure/adv_korvane.h"
#include "adventure/adv_pictures.h"
#include "adventure/adv_window.h"
#include "album/album_window.h"
#include "app/translations.h"
#include "duel/korvane.h"
#include "duel/korvane_window.h"
#include "duel/tutorial.h"
#include "engine/card_table.h"
#include "engine/rules.h"
#include "sound/fake_sound.h"
#include "state/game_state.h"
#include "state/save_files.h"
#include "state/statistics.h"
#include "tests/support/duel_actions.h"
#include "ui/card_pictures.h"
#include "ui/field_patterns.h"
#include "ui/high_contrast.h"
#include "ui/qt_platform.h"
#include "ui/rules_page.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

using namespace korvane;

namespace {

QString gOut;
int gCount = 0;

void Save(const QImage& img, const QString& name) {
  const QString path = gOut + "/" + name + ".png";
  if (!img.save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
  ++gCount;
}
void Save(QWidget& w, const QString& name) { Save(w.grab().toImage(), name); }

class ShotPlatform : public QtPlatform {
 public:
  bool AskYesNo(const QString&, const QString&) override { return true; }
  void ShowOk(const QString& title, const QString& text, const ShownCard& card) override {
    if (onOk) onOk(title, text, card);
  }
  void ProcessEvents() override {}
  std::function<void(const QString&, const QString&, const ShownCard&)> onOk;
};

class NoHost : public AdventureHost {
 public:
  void OpenDuelWindow(bool) override { ++opened; }
  void Quit() override {}
  int opened = 0;
};

void TypeOut(ADVKorvane& a, ADVKorvaneWindow& w, int limit = 2000) {
  for (int i = 0; i < limit; ++i) {
    a.Timer1_Timer();
    if (!a.MessageText().isEmpty() && a.MessageLabelCaption() == a.MessageText()) break;
  }
  w.Sync();
}

void AdventureShots(const QString& data, double z, const QString& tag, bool english = false) {
  QTemporaryDir dir;
  SaveStore store(dir.path());
  GameState state;
  FakeSoundSystem sound;
  ShotPlatform platform;
  NoHost host;
  ADVKorvane adv(state, store, sound, platform, host, LoadAdventurePictures(data), nullptr);
  adv.Form_Load();
  ViewZoom zoom(nullptr);
  zoom.SetZoom(z);
  CardPictures cards;
  SharpArt art(cards, data);
  ADVKorvaneWindow w(adv, &zoom, &art);
  w.show();
  w.Sync();
  QApplication::processEvents();
  Save(w, "title_" + tag);
  adv.Command1_Click();
  adv.SetText1(english ? QStringLiteral("Taro") : QStringLiteral("太郎"));
  adv.SetCombo1(QStringLiteral("男"));
  adv.Command2_Click();
  adv.Picture1_MouseMove();
  TypeOut(adv, w);
  QApplication::processEvents();
  Save(w, "map_" + tag);
  if (english) {
    // The map's marks switched off: the first-time line keeps only how to go in.
    w.SetMapMarks(false);
    QApplication::processEvents();
    Save(w, "map_nomarks_" + tag);
    w.SetMapMarks(true);
  }
  // 真道's house: his greeting, the cards he gives, back on the map, then in again for a duel.
  for (int n = 0; n < 80 && !adv.Choiser(0).visible; ++n) {
    if (adv.MapShowing()) {
      adv.Clicker_Click(1);
      continue;
    }
    TypeOut(adv, w);
    if (adv.Choiser(0).visible) break;
    adv.Picture1_Click();
    adv.Timer1_Timer();
  }
  TypeOut(adv, w);
  QApplication::processEvents();
  Save(w, "dialogue_choice_" + tag);

  // The ending: the last visit of 高峰's house.
  state.TakamineStep = 100;
  state.Collections[0][1] = 1;
  adv.Choiser_Click(1);
  adv.ShowTownMap();
  adv.EnterPlace(4);
  for (int n = 0; n < 60 && state.TakamineStep < 112; ++n) {
    TypeOut(adv, w);
    adv.Picture1_Click();
  }
  TypeOut(adv, w);
  QApplication::processEvents();
  Save(w, "ending_" + tag);
}

void DuelShots(const QString& data, double z, const QString& tag) {
  std::string error;
  auto cards = CardTable::Open(QDir(data).filePath("carddata").toStdString(), &error);
  if (!cards) {
    std::fprintf(stderr, "no card file: %s\n", error.c_str());
    std::exit(2);
  }
  GameState game;
  FakeSoundSystem sound;
  ShotPlatform platform;
  SeededRandom rng(20261209);
  CardPictures pictures(data, &*cards);
  SharpArt art(pictures, data);
  auto adventureMusic = sound.CreateMusicDevice();
  Korvane k(game, sound, *cards, platform, rng, pictures);
  k.UseAnalyst = false;
  k.SetAdventureMusic(adventureMusic.get());
  for (auto [id, n] : std::initializer_list<std::pair<int, int>>{
           {0, 2}, {1, 3}, {2, 2}, {5, 1}, {7, 2}, {12, 1}, {21, 1}, {22, 2}, {31, 1}})
    game.Collections[0][id] = n;
  for (auto [id, n] : std::initializer_list<std::pair<int, int>>{
           {0, 8}, {8, 8}, {9, 8}, {10, 6}, {11, 6}, {13, 6}, {21, 2}})
    game.Collections[3][id] = n;
  game.OpponentName = QStringLiteral("風見 誠");
  ViewZoom zoom(nullptr);
  zoom.SetZoom(z);
  QPointer<KorvaneWindow> w = new KorvaneWindow(k);
  w->UseZoom(&zoom, &art);
  w->show();
  for (int id : {1, 7, 0, 2}) {
    k.CardPic_MouseDown(id);
    k.CardPic_DblClick(id);
  }
  k.CardPic_MouseDown(5);
  w->Mirror();
  QApplication::processEvents();
  Save(*w, "deck_selection_" + tag);
  k.CardPic_DblClick(5);
  k.Command1_Click();
  w->Mirror();
  // The player's move onto the enemy's home: flipped at once, the flip shown part way.
  if (k.Duel.Turn == TurnState::Enemy) {
    k.Timer1_Timer();
  }
  k.PHand_Click(0);
  k.Field_MouseDown(1, 0, 200, 20);
  k.FlipAnime_Timer();
  k.FlipAnime_Timer();
  k.FlipAnime_Timer();
  w->Mirror();
  QApplication::processEvents();
  Save(*w, "duel_midflip_" + tag);
  for (int i = 0; i < 20; ++i) k.FlipAnime_Timer();
  // A finished board the player wins three to two.
  test::DuelActions(k).Finish(
      test::Board("  a  "
                  " b-- "
                  ".+-.."
                  " 23+ "
                  "  1  "));
  k.DrawBoard();
  bool first = true;
  platform.Zoom = [&] { return w ? w->Zoom() : 1.0; };
  platform.Art = &art;
  platform.onOk = [&](const QString& title, const QString& text, const ShownCard& card) {
    if (!first) return;
    first = false;
    w->Mirror();
    QApplication::processEvents();
    Save(*w, "card_won_board_" + tag);
    auto box = platform.MakeOkBoxFor(title, text, card, w);
    box->show();
    QApplication::processEvents();
    Save(*box, "card_won_box_" + tag);
  };
  k.Timer1_Timer();
  w->Mirror();
  QApplication::processEvents();
  Save(*w, "after_duel_" + tag);

  // The album over the deck selection.
  Statistics stats(QDir::tempPath());
  AlbumWindow album(k.AlbumState(), nullptr, pictures, *cards, nullptr, z, &art);
  album.show();
  QApplication::processEvents();
  Save(album, "album_" + tag);
  w->close();
  QApplication::processEvents();

  // The tutorial, into its second example.
  game.TutorialMode = -1;
  game.TutorialPage = 1;
  QPointer<KorvaneWindow> t = new KorvaneWindow(k);
  t->UseZoom(&zoom, &art);
  ShowTutorialControls(k, sound);
  t->Mirror();
  t->show();
  for (int i = 0; i < 26; ++i) {
    k.LButton_Click();
    for (int f = 0; f < 10; ++f) k.FlipAnime_Timer();
  }
  t->Mirror();
  QApplication::processEvents();
  Save(*t, "tutorial_" + tag);
  t->close();
  QApplication::processEvents();
}

// The duel views' help: the instruction of the deck selection, the score, a preview that would
// turn the player's own card, the result line and the rules page, in the edition installed; with
// `keyCursor` also the keyboard's square cursor (which then stays for the shots after it).
void HelpShots(const QString& data, double z, const QString& tag, bool keyCursor = false) {
  std::string error;
  auto cards = CardTable::Open(QDir(data).filePath("carddata").toStdString(), &error);
  if (!cards) std::exit(2);
  GameState game;
  FakeSoundSystem sound;
  ShotPlatform platform;
  SeededRandom rng(20261210);
  CardPictures pictures(data, &*cards);
  SharpArt art(pictures, data);
  auto adventureMusic = sound.CreateMusicDevice();
  Korvane k(game, sound, *cards, platform, rng, pictures);
  k.UseAnalyst = false;
  k.ScoreShown = k.PreviewShown = true;
  k.SetAdventureMusic(adventureMusic.get());
  for (int id : {0, 1, 2, 5, 7, 12, 21, 22, 31}) game.Collections[0][id] = 2;
  for (int id : {0, 8, 9, 10, 11, 13}) game.Collections[3][id] = 6;
  game.OpponentName = QStringLiteral("風見 誠");
  ViewZoom zoom(nullptr);
  zoom.SetZoom(z);
  QPointer<KorvaneWindow> w = new KorvaneWindow(k);
  w->UseZoom(&zoom, &art);
  w->show();
  auto shot = [&](const QString& name) {
    w->Mirror();
    QApplication::processEvents();
    Save(*w, name + "_" + tag);
  };
  for (int id : {1, 7, 0}) {
    k.CardPic_MouseDown(id);
    k.CardPic_DblClick(id);
  }
  k.CardPic_MouseDown(5);
  shot("help_deck_instruction");
  for (int id : {5, 2}) {
    k.CardPic_MouseDown(id);
    k.CardPic_DblClick(id);
  }
  k.Command1_Click();
  test::DuelActions act(k);
  // Four placements in, the player to move.
  for (int i = 0; i < 60 && k.Model.Moves().size() < 4; ++i) {
    if (k.Duel.Turn == TurnState::Player && !k.IsFlipRunning()) act.PlayerMove();
    act.Tick();
  }
  for (int i = 0; i < 20; ++i) k.FlipAnime_Timer();
  w->SetHoverSquare(std::nullopt);
  shot("help_duel_score");
  // A card picked, and the pointer over an empty square of the enemy's field.
  int slot = 0;
  while (slot < kHandSize && k.Duel.PlayerPlayed[slot]) ++slot;
  k.PHand_Click(slot);
  for (int r = 1; r <= kBoardSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (IsPlayable(c, r) && k.Duel.BoardCard[c][r] == kEmptySquare &&
          k.Duel.EnemyFieldMap[c][r] > 0) {
        w->SetHoverSquare(BoardSquare{c, r});
      }
    }
  }
  shot("help_preview_own");
  // The hint over the selected hand card: its frame leaves the yellow corners showing.
  w->SetHoverSquare(std::nullopt);
  k.Hint = Korvane::HintMark{slot, BoardSquare{3, 3}, true};
  shot("help_hint_selected");
  k.Hint.reset();
  if (keyCursor) {
    // The keyboard's square cursor (the first arrow shows it where it is).
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(w, &left);
    shot("help_key_cursor");
  }
  // An enemy card put into the player's field: its face shows for a moment, and the score names
  // it. The square is given to the player's field for the picture (the board has none free).
  int enemySlot = 0;
  while (enemySlot < kHandSize && k.Duel.EnemyPlayed[enemySlot]) ++enemySlot;
  for (int r = 1; r <= kBoardSize && enemySlot < kHandSize; ++r) {
    for (int c = 1; c <= kBoardSize; ++c) {
      if (IsPlayable(c, r) && k.Duel.BoardCard[c][r] == kEmptySquare) {
        k.Duel.PlayerFieldMap[c][r] = 1;
        k.EnemyPlaces(enemySlot, c, r);
        r = kBoardSize;
        break;
      }
    }
  }
  for (int i = 0; i < 20; ++i) k.FlipAnime_Timer();
  shot("help_enemy_face_down");
  w->SetHoverSquare(std::nullopt);
  test::DuelActions(k).Finish(
      test::Board("  a  "
                  " b-- "
                  ".+-+."
                  " 23. "
                  "  1  "));
  k.DrawBoard();
  k.Timer1_Timer();
  shot("help_result_line");
  k.DismissResult();
  w->close();
  QApplication::processEvents();
  RulesPage page(nullptr, pictures, &*cards, z);
  page.show();
  QApplication::processEvents();
  Save(page, "help_rules_page_" + tag);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 3) return 2;
  const QString data = argv[1];
  gOut = argv[2];
  QDir().mkpath(gOut);
  for (double z : {1.0, 2.0}) {
    const QString tag = z == 1 ? "1x" : "2x";
    AdventureShots(data, z, tag);
    DuelShots(data, z, tag);
  }
  Edition edition(data);
  for (const char* language : {"ja", "en"}) {
    if (!edition.Use(QString::fromLatin1(language))) std::fprintf(stderr, "no %s\n", language);
    for (double z : {1.0, 2.0}) {
      HelpShots(data, z, QStringLiteral("%1_%2").arg(language).arg(z == 1 ? "1x" : "2x"));
    }
  }
  // The duel's help on a 1280 x 800 screen, at the zoom the game opens at there, with the fields'
  // patterns and the high-contrast marks on.
  (void)edition.Use(QStringLiteral("ja"));
  SetFieldPatterns(true);
  SetHighContrast(true);
  HelpShots(data, ViewZoom::OpeningZoomFor({1280, 800}, {1280, 800}), "ja_1280x800_contrast", true);
  SetFieldPatterns(false);
  SetHighContrast(false);
  (void)edition.Use(QStringLiteral("en"));
  // The adventure in the English edition (in use after the loop above), under names of its own.
  for (double z : {1.0, 2.0}) AdventureShots(data, z, z == 1 ? "en_1x" : "en_2x", true);
  std::printf("%d shots\n", gCount);
  return 0;
}
