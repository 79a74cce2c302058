// From the story into the duel logic and back, without windows: StartDuel loads the real duel
// logic, closing it brings the adventure back, and the result step reads the series.
#include "adv_test_support.h"
#include "ai/ai.h"
#include "duel/korvane.h"
#include "engine/card_table.h"
#include "ui/card_pictures.h"

namespace korvane {
namespace {

// Loads the duel logic as the game's duel window does when it opens.
class DuelLoader : public AdventureHost {
 public:
  explicit DuelLoader(Korvane& duel) : duel_(duel) {}
  void OpenDuelWindow(bool) override { duel_.Form_Load(); }
  void Quit() override {}

 private:
  Korvane& duel_;
};

class DuelSeamTest : public AdventureTest {
 protected:
  void SetUp() override {
    std::string error;
    cards = CardTable::Open(KORVANE_DATA_DIR "/carddata", &error);
    ASSERT_TRUE(cards.has_value()) << error;
    pictures = std::make_unique<CardPictures>(&*cards);
    duel = std::make_unique<Korvane>(state, *sound, *cards, platform, rng, *pictures);
    loader = std::make_unique<DuelLoader>(*duel);
    adv = std::make_unique<ADVKorvane>(state, store, *sound, platform, *loader,
                                       PlaceholderPictures(), &*cards);
    duel->SetAdventureMusic(&adv->Music());
    duel->OnClosed = [this] { adv->DuelWindowClosed(); };
  }
  void Click() {
    TypeOut();
    adv->Picture1_Click();
    Tick();
  }

  std::optional<CardTable> cards;
  SeededRandom rng{7};
  std::unique_ptr<CardPictures> pictures;
  std::unique_ptr<Korvane> duel;
  std::unique_ptr<DuelLoader> loader;
};

TEST_F(DuelSeamTest, ShindosDuelAndBack) {
  StartNewGame();
  sound->DeliverNotifications();
  ASSERT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
  state.ShindoStep = 7;
  state.Collections[0][1] = 5;
  adv->Clicker_Click(1);
  Tick();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("勝負するかい？"));
  adv->Choiser_Click(0);
  Tick();  // step 8: the duel
  ASSERT_TRUE(duel->IsOpen());
  EXPECT_FALSE(adv->WindowVisible());
  EXPECT_EQ(state.OpponentName, QStringLiteral("真道 祐樹"));
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("shindo.mid"));
  EXPECT_EQ(state.ShindoStep, 12);
  Tick(20);  // the adventure waits
  EXPECT_EQ(state.ShindoStep, 12);

  // The player leaves before choosing: the duel window closes and the town music comes back.
  EXPECT_TRUE(duel->Unload());
  EXPECT_TRUE(adv->WindowVisible());
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("BGM.mid"));
  Tick();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("『今回の戦績は0勝0敗0引き分けだった。』"));
  EXPECT_EQ(adv->TextColor(), QColor(0, 0, 255));
  Click();
  EXPECT_EQ(adv->MessageText(), QStringLiteral("ふ～～う。なかなかやるじゃん。"));  // even
}

TEST_F(DuelSeamTest, TheTutorialReturnsToTheTitle) {
  adv->Form_Load();
  adv->Command3_Click();
  ASSERT_TRUE(duel->IsOpen());
  EXPECT_EQ(state.TutorialMode, -1);
  EXPECT_TRUE(duel->Unload());
  EXPECT_EQ(state.TutorialMode, 0);
  EXPECT_TRUE(adv->WindowVisible());
  EXPECT_TRUE(adv->Picture5().visible);
  // The title music resumes with the duel window's close.
  sound->DeliverNotifications();
  EXPECT_EQ(sound->NowPlaying(), QStringLiteral("opening.mid"));
}

}  // namespace
}  // namespace korvane
