// korvane-tool run as players and modders run it: the card file, the replay protocol byte for
// byte, the solver, self-play and its record, the review, and status 2 for every wrong command
// line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

extern "C" char** environ;

struct ToolRun {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Scratch(const std::string& name) {
  return testing::TempDir() + "korvane_" + std::to_string(getpid()) + "_" + name;
}

ToolRun RunTool(const std::vector<std::string>& args) {
  // Per process: CTest runs the tests of this file side by side.
  const std::string outPath = Scratch("tool_out.txt");
  const std::string errPath = Scratch("tool_err.txt");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  std::vector<std::string> all{KORVANE_TOOL_PATH};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  ToolRun run;
  if (posix_spawn(&pid, KORVANE_TOOL_PATH, &actions, nullptr, argv.data(), environ) == 0) {
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  return run;
}

class ToolTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    cardFile_ = Scratch("carddata");
    const ToolRun build = RunTool(
        {"carddata", "build", std::string(KORVANE_SOURCE_DIR) + "/assets/cards.tsv", cardFile_});
    ASSERT_EQ(build.status, 0) << build.err;
  }
  static ToolRun Replay(std::vector<std::string> args) {
    args.insert(args.begin(), {"replay", "--carddata", cardFile_});
    return RunTool(args);
  }
  static std::string cardFile_;
};
std::string ToolTest::cardFile_;

TEST_F(ToolTest, CardDataDumpListsTheFortyCards) {
  const ToolRun run = RunTool({"carddata", "dump", cardFile_});
  ASSERT_EQ(run.status, 0) << run.err;
  std::istringstream lines(run.out);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) ++count;
  EXPECT_EQ(count, 40);
  EXPECT_TRUE(run.out.starts_with("0 0 0 0 0 妖精\n"));
  EXPECT_NE(run.out.find("\n37 0 2 b 2 ウィル・オ・ウィスプ\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n39 1 b 0 b 魔王\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n31 a s a 1 フェアリー\n"), std::string::npos);

  // Without a path: the card file the build put next to the tool.
  const ToolRun beside = RunTool({"carddata", "dump"});
  EXPECT_EQ(beside.status, 0) << beside.err;
  EXPECT_EQ(beside.out, run.out);
}

TEST_F(ToolTest, CardDataFaultsAreReportedAndLeaveNothingBehind) {
  const ToolRun missing = RunTool({"carddata", "dump", "/nonexistent/carddata"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("/nonexistent/carddata"), std::string::npos);

  const std::string src = Scratch("bad_cards.tsv");
  const std::string out = Scratch("bad_carddata");
  std::remove(out.c_str());
  {
    std::ofstream f(src);
    f << "# broken\n0\t0\t0\t0\t0\t妖精\n1\t0\tq\t0\t0\tスライム\n";
  }
  const ToolRun build = RunTool({"carddata", "build", src, out});
  EXPECT_EQ(build.status, 1);
  EXPECT_NE(build.err.find(src + ":3: 辺 2"), std::string::npos) << build.err;
  EXPECT_FALSE(std::ifstream(out).good());

  const std::string shortFile = Scratch("short_carddata");
  {
    std::ofstream f(shortFile, std::ios::binary);
    f << Slurp(cardFile_).substr(0, 128 * 20);
  }
  const ToolRun dump = RunTool({"carddata", "dump", shortFile});
  EXPECT_EQ(dump.status, 1);
  EXPECT_NE(dump.err.find("レコード 21"), std::string::npos) << dump.err;
}

// A folder where the card file should be: every command says so in the same words and ends with
// status 1, never by a signal.
TEST_F(ToolTest, CardFileAsAFolderIsReportedByEveryCommand) {
  const std::string folder = Scratch("carddata_folder");
  std::filesystem::create_directories(folder);
  const std::string src = std::string(KORVANE_SOURCE_DIR) + "/assets/cards.tsv";
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"carddata", "dump", folder},
           {"carddata", "build", folder, Scratch("never_written")},
           {"replay", "--carddata", folder, "--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0"},
           {"selfplay", "--opponent", "速水 結", "--games", "1", "--seed", "1", "--carddata",
            folder},
       }) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 1) << args[0] << " " << args[1] << ": " << run.err;
    EXPECT_NE(run.err.find("「" + folder + "」はファイルではなくフォルダです。"), std::string::npos)
        << run.err;
    if (args[1] != "build") {
      EXPECT_NE(run.err.find("カードデータを読み込めませんでした。"), std::string::npos) << run.err;
    }
  }
  // Building onto a folder fails alike, and leaves the folder as it was.
  const ToolRun onto = RunTool({"carddata", "build", src, folder});
  EXPECT_EQ(onto.status, 1) << onto.err;
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  std::filesystem::remove_all(folder);
}

TEST_F(ToolTest, ReplayPrintsTheRangeStoppedByAFlippedCard) {
  // 35 (range 4 up) on (3,4); the enemy's card on (3,2) lands in the player's field, flips at
  // once, and then stops the range.
  const ToolRun run =
      Replay({"--player", "35,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@3,4", "e0@3,2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "first enemy\n"
            "board\n"
            "41 41 0 41 41\n"
            "41 0 -40 0 41\n"
            "0 0 0 0 0\n"
            "41 0 1 0 41\n"
            "41 41 0 41 41\n"
            "player-field\n"
            "0 0 0 0 0\n"
            "0 0 1 0 0\n"
            "0 0 1 0 0\n"
            "0 0 0 0 0\n"
            "0 0 1 0 0\n"
            "enemy-field\n"
            "0 0 1 0 0\n"
            "0 0 0 0 0\n"
            "0 0 0 0 0\n"
            "0 0 0 0 0\n"
            "0 0 0 0 0\n"
            "count 1 0\n");
  EXPECT_TRUE(run.err.empty());
}

TEST_F(ToolTest, ReplayBombFlipsTheEnemysCardsAndCountsOverlap) {
  const ToolRun bomb =
      Replay({"--player", "36,0,0,0,0", "--enemy", "0,0,0,0,0", "e0@3,4", "e1@2,3", "p0@3,5"});
  ASSERT_EQ(bomb.status, 0) << bomb.err;
  EXPECT_EQ(bomb.out.substr(0, bomb.out.find("player-field")),
            "first enemy\nboard\n41 41 0 41 41\n41 0 0 0 41\n0 -40 0 0 0\n41 0 -40 0 41\n"
            "41 41 1 41 41\n");
  EXPECT_NE(bomb.out.find("count 1 0\n"), std::string::npos);

  // 僧侶 on (3,3) and ゴーレム on (3,4); ドラゴン's range from (3,1) flips 僧侶 and stops there.
  const ToolRun run =
      Replay({"--player", "7,11,0,0,0", "--enemy", "35,0,0,0,0", "p0@3,3", "p1@3,4", "e0@3,1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "first enemy\nboard\n"
            "41 41 -1 41 41\n41 0 0 0 41\n0 0 40 0 0\n41 0 2 0 41\n41 41 0 41 41\n"
            "player-field\n"
            "0 0 0 0 0\n0 0 0 0 0\n0 0 1 0 0\n1 1 0 1 1\n0 0 2 0 0\n"
            "enemy-field\n"
            "0 0 1 0 0\n0 0 1 0 0\n0 0 1 0 0\n0 0 0 0 0\n0 0 0 0 0\n"
            "count 1 1\n");
}

TEST_F(ToolTest, ReplayWithWeightsListsEveryCandidateAndTheFirstBest) {
  const ToolRun zero =
      Replay({"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "--weights", "0,0,0,0"});
  ASSERT_EQ(zero.status, 0) << zero.err;
  std::string expected = "scores\n";
  const int rows[5][5] = {{3}, {2, 3, 4}, {1, 2, 3, 4, 5}, {2, 3, 4}, {3}};
  const int width[5] = {1, 3, 5, 3, 1};
  for (int r = 0; r < 5; ++r) {
    for (int i = 0; i < width[r]; ++i) {
      for (int slot = 0; slot < 5; ++slot) {
        expected += std::to_string(slot) + " " + std::to_string(rows[r][i]) + " " +
                    std::to_string(r + 1) + " 0\n";
      }
    }
  }
  expected += "choice 0 3 1\n";
  EXPECT_EQ(zero.out.substr(0, 12), "first player");  // a tie goes to the player
  EXPECT_EQ(zero.out.substr(zero.out.find("scores\n")), expected);

  // A bomb card pointing down at two player cards: 20 on (3,1) and (3,2), 10 beside them.
  const ToolRun bomb = Replay({"--player", "0,0,0,0,0", "--enemy", "36,0,0,0,0", "--weights",
                               "0,10,0,-1", "p0@3,3", "p1@3,4"});
  ASSERT_EQ(bomb.status, 0) << bomb.err;
  const std::string scores = bomb.out.substr(bomb.out.find("scores\n"));
  EXPECT_TRUE(scores.starts_with("scores\n0 3 1 20\n1 3 1 0\n2 3 1 0\n3 3 1 0\n4 3 1 0\n"));
  EXPECT_NE(scores.find("\n0 2 2 10\n"), std::string::npos);
  EXPECT_NE(scores.find("\n0 3 2 20\n"), std::string::npos);
  EXPECT_NE(scores.find("\n0 4 2 10\n"), std::string::npos);
  EXPECT_NE(scores.find("\n4 3 5 -1\n"), std::string::npos);
  EXPECT_EQ(scores.substr(scores.size() - 13), "choice 0 3 1\n");
  std::istringstream lines(scores);
  std::string line;
  int count = 0;
  while (std::getline(lines, line)) ++count;
  EXPECT_EQ(count, 1 + 11 * 5 + 1);

  // Nothing left to place.
  const ToolRun none = Replay({"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "--weights",
                               "1,1,1,1", "e0@3,1", "e1@2,2", "e2@3,2", "e3@4,2", "e4@1,3"});
  ASSERT_EQ(none.status, 0) << none.err;
  EXPECT_EQ(none.out.substr(none.out.find("scores\n")), "scores\nchoice none\n");
}

TEST_F(ToolTest, ReplayRejectsBadInputWithStatusTwoAndNoOutput) {
  const std::vector<std::vector<std::string>> bad = {
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@3,3", "e0@3,3"},  // occupied
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@1,1"},            // blocked
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@3,6"},            // off the board
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@3,3", "p0@3,4"},  // played twice
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p5@3,3"},
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "x0@3,3"},
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@3,3,"},
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@33"},
      {"--player", "0,0,0,0,40", "--enemy", "0,0,0,0,0"},
      {"--player", "0,0,0,0", "--enemy", "0,0,0,0,0"},
      {"--player", "0,0,0,0,0,0", "--enemy", "0,0,0,0,0"},
      {"--player", "0,0,,0,0", "--enemy", "0,0,0,0,0"},
      {"--player", "0,0,0,0,x", "--enemy", "0,0,0,0,0"},
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "--weights", "1,2,3"},
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "--weights", "1,2,3,40000"},
      {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "--bogus"},
      {"--player", "0,0,0,0,0"},
      {"--player", "0,0,0,0,0", "--enemy"},
  };
  for (const auto& args : bad) {
    const ToolRun run = Replay(args);
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_EQ(run.status, 2) << joined;
    EXPECT_TRUE(run.out.empty()) << joined << run.out;
    EXPECT_FALSE(run.err.empty()) << joined;
  }
  // Negative weights are fine.
  EXPECT_EQ(
      Replay({"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "--weights", "-1,-2,-3,-4"}).status,
      0);
}

TEST_F(ToolTest, UsageErrorsOfEveryKindAreStatusTwo) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"frobnicate"},
           {"carddata"},
           {"carddata", "build", "only-one"},
           {"--nonsense"},
           {"selfplay", "--opponent", "誰か", "--games", "1", "--seed", "1"},
           {"selfplay", "--opponent", "速水 結", "--games", "1"},
           {"selfplay", "--opponent", "速水 結", "--games", "x", "--seed", "1"},
           {"selfplay", "--opponent", "速水 結", "--games", "1", "--seed", "1", "--player", "ai:"},
       }) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "(none)" : args[0]);
    EXPECT_FALSE(run.err.empty());
  }
  EXPECT_EQ(RunTool({"--help"}).status, 0);
}

// The one object a --json command prints on one line, parsed; the order of its keys is the
// library's.
QJsonObject JsonOf(const ToolRun& run) {
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
  return doc.object();
}

TEST_F(ToolTest, JsonOfReplayAndSolveOnFixedPositions) {
  // The replay of the range stopped by a flipped card, as one object.
  const ToolRun replay =
      Replay({"--json", "--player", "35,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@3,4", "e0@3,2"});
  ASSERT_EQ(replay.status, 0) << replay.err;
  EXPECT_EQ(JsonOf(replay),
            QJsonDocument::fromJson(
                "{\"first\": \"enemy\", \"board\": [[41,41,0,41,41],[41,0,-40,0,41],[0,0,0,0,0],"
                "[41,0,1,0,41],[41,41,0,41,41]], \"player_field\": [[0,0,0,0,0],[0,0,1,0,0],"
                "[0,0,1,0,0],[0,0,0,0,0],[0,0,1,0,0]], \"enemy_field\": [[0,0,1,0,0],[0,0,0,0,0],"
                "[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0]], \"count\": {\"player\": 1, \"enemy\": 0}}")
                .object());
  const ToolRun none =
      Replay({"--json", "--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "--weights", "1,1,1,1",
              "e0@3,1", "e1@2,2", "e2@3,2", "e3@4,2", "e4@1,3"});
  ASSERT_EQ(none.status, 0) << none.err;
  const QJsonObject noMove = JsonOf(none);
  EXPECT_EQ(noMove["scores"], QJsonArray()) << none.out;
  EXPECT_TRUE(noMove.contains("choice") && noMove["choice"].isNull()) << none.out;

  const auto solve = [](std::vector<std::string> args) {
    args.insert(args.begin(), {"solve", "--carddata", cardFile_});
    return RunTool(args);
  };
  // The player's last card, a range of 4 up, on four empty squares: from (2,3), (3,3) and (3,4)
  // it turns an enemy card over and wins by one; from (4,3) it stops on its own card.
  const std::vector<std::string> lastCard = {
      "--player", "35,0,0,0,0", "--enemy", "0,0,0,0,0", "e0@3,1", "p1@3,5", "e1@2,2",
      "p2@4,4",   "e2@1,3",     "p3@5,3",  "e3@2,4",    "p4@4,2", "e4@3,2"};
  std::vector<std::string> json = lastCard;
  json.insert(json.begin(), "--json");
  const ToolRun last = solve(json);
  ASSERT_EQ(last.status, 0) << last.err;
  QJsonObject lastJson = JsonOf(last);
  EXPECT_TRUE(lastJson["nodes"].isDouble() && lastJson["seconds"].isDouble()) << last.out;
  lastJson.remove("nodes");
  lastJson.remove("seconds");
  EXPECT_EQ(lastJson, QJsonDocument::fromJson("{\"turn\": \"player\", \"margin\": 1, \"outcome\": "
                                              "\"win\", \"best\": [\"p0@2,3\", \"p0@3,3\", "
                                              "\"p0@3,4\"], \"line\": [\"p0@2,3\"]}")
                          .object())
      << last.out;
  const ToolRun plain = solve(lastCard);
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_TRUE(
      plain.out.starts_with("turn player\nmargin 1\noutcome win\n"
                            "best p0@2,3 p0@3,3 p0@3,4\nline p0@2,3\nnodes "))
      << plain.out;

  // Ten cards without a field: a draw from the deal, and any first move keeps it except one onto
  // the enemy's home, where the card is turned over at once.
  const ToolRun deal = solve({"--json", "--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0"});
  ASSERT_EQ(deal.status, 0) << deal.err;
  const QJsonObject dealJson = JsonOf(deal);
  EXPECT_EQ(dealJson["turn"], "player");
  EXPECT_EQ(dealJson["margin"], 0);
  EXPECT_EQ(dealJson["outcome"], "draw");
  const QJsonArray best = dealJson["best"].toArray();
  ASSERT_EQ(best.size(), 12 * 5) << deal.out;
  EXPECT_EQ(best[0], "p0@2,2");
  for (const QJsonValue& m : best) EXPECT_FALSE(m.toString().endsWith("@3,1")) << deal.out;

  // A finished duel: the count, the side the turn names, nothing to play.
  std::vector<std::string> done = lastCard;
  done.push_back("p0@2,3");
  const ToolRun over = solve(done);
  ASSERT_EQ(over.status, 0) << over.err;
  EXPECT_TRUE(over.out.starts_with("turn enemy\nmargin 1\noutcome loss\nbest\nline\n")) << over.out;
}

TEST_F(ToolTest, SolveRejectsBadInputLikeReplay) {
  const std::string hands[] = {"--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0"};
  const std::vector<std::vector<std::string>> bad = {
      {"p0@3,3", "e0@3,3"},            // occupied
      {"p0@1,1"},                      // blocked
      {"p0@3,3", "p1@3,4"},            // the enemy's turn
      {"e0@3,3"},                      // the player moves first on a tie
      {"p0@3,3", "e0@3,4", "p0@3,2"},  // played twice
      {"p5@3,3"},
      {"p0@33"},
      {"--bogus"},
  };
  for (const auto& moves : bad) {
    std::vector<std::string> args = {"solve", "--carddata", cardFile_};
    args.insert(args.end(), std::begin(hands), std::end(hands));
    args.insert(args.end(), moves.begin(), moves.end());
    for (const bool json : {false, true}) {
      if (json) args.push_back("--json");
      const ToolRun run = RunTool(args);
      EXPECT_EQ(run.status, 2) << moves[0];
      EXPECT_TRUE(run.out.empty()) << moves[0];
      EXPECT_FALSE(run.err.empty()) << moves[0];
    }
  }
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"solve", "--player", "0,0,0,0,40", "--enemy", "0,0,0,0,0"},
           {"solve", "--player", "0,0,0,0"},
           {"solve", "--enemy", "0,0,0,0,0"},
           {"replay", "--json", "--player", "0,0,0,0,0", "--enemy", "0,0,0,0,0", "p0@3,6"},
       }) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 2) << args[1];
    EXPECT_TRUE(run.out.empty());
  }
  // A card file that cannot be read stops it as it stops replay.
  const ToolRun missing = RunTool({"solve", "--carddata", "/nonexistent/carddata", "--player",
                                   "0,0,0,0,0", "--enemy", "0,0,0,0,0"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("/nonexistent/carddata"), std::string::npos);
}

TEST_F(ToolTest, SelfPlayIsPinnedForASeed) {
  const ToolRun run = RunTool({"selfplay", "--opponent", "速水 結", "--games", "200", "--seed", "1",
                               "--carddata", cardFile_});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("duels-per-second")),
            "opponent 速水 結\nplayer random\ngames 200\nwins 199\nlosses 0\ndraws 1\n"
            "signature 11002922467048364387\n");
}

// Self-play writes the game's record, and the review reads it back: one JSON object with a
// value and a label for every placement, in the order played.
TEST_F(ToolTest, SelfPlayRecordsDuelsAndReviewLabelsEveryPlacement) {
  const std::string record = Scratch("duels.jsonl");
  std::remove(record.c_str());
  const ToolRun play = RunTool({"selfplay", "--opponent", "横田 真央", "--games", "2", "--seed",
                                "4", "--carddata", cardFile_, "--record", record});
  ASSERT_EQ(play.status, 0) << play.err;
  const QList<QByteArray> lines = QByteArray::fromStdString(Slurp(record)).trimmed().split('\n');
  ASSERT_EQ(lines.size(), 2);

  const ToolRun review = RunTool({"review", record, "--json", "--carddata", cardFile_});
  ASSERT_EQ(review.status, 0) << review.err;
  ASSERT_TRUE(review.out.ends_with("}\n") && review.out.find('\n') == review.out.size() - 1);
  const QJsonObject top = QJsonDocument::fromJson(QByteArray::fromStdString(review.out)).object();
  EXPECT_EQ(top.keys(), QStringList{"duels"});
  const QJsonArray duels = top["duels"].toArray();
  ASSERT_EQ(duels.size(), 2);
  const QStringList labels = {"best", "only", "inaccuracy", "mistake", "blunder"};
  for (int d = 0; d < 2; ++d) {
    const QJsonObject recorded = QJsonDocument::fromJson(lines[d]).object();
    const QJsonObject duel = duels[d].toObject();
    EXPECT_EQ(duel["player"], recorded["player"]);
    EXPECT_EQ(duel["enemy"], recorded["enemy"]);
    const QJsonArray moves = duel["moves"].toArray();
    ASSERT_EQ(moves.size(), 10);
    int before = 99;
    for (int i = 0; i < moves.size(); ++i) {
      const QJsonObject m = moves[i].toObject();
      EXPECT_EQ(m["move"], recorded["moves"].toArray()[i]);
      EXPECT_TRUE(labels.contains(m["label"].toString())) << m["label"].toString().toStdString();
      EXPECT_TRUE(m["value"].isDouble() && m["best_value"].isDouble());
      if (i > 0) {
        EXPECT_EQ(m["best_value"].toInt(), before);  // the value the mover found
      }
      before = m["value"].toInt();
    }
    const QJsonObject count = recorded["count"].toObject();
    EXPECT_EQ(before, count["player"].toInt() - count["enemy"].toInt());
  }
  // The newest duel alone, and the same review as text.
  const ToolRun last =
      RunTool({"review", record, "--last", "1", "--json", "--carddata", cardFile_});
  ASSERT_EQ(last.status, 0) << last.err;
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(last.out))["duels"].toArray(),
            QJsonArray{duels[1]});
  const ToolRun text = RunTool({"review", record, "--last", "1", "--carddata", cardFile_});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(text.out.starts_with("duel 2: ")) << text.out;
  EXPECT_NE(text.out.find("\n  10 "), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("\naccuracy "), std::string::npos) << text.out;
}

TEST_F(ToolTest, ReviewRefusesBadInput) {
  const std::string garbage = Scratch("garbage.jsonl");
  std::ofstream(garbage) << "not a record\n{\"v\": 1}\n";
  const std::string folder = Scratch("record_folder");
  std::filesystem::create_directories(folder);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"review", "/nonexistent/duels.jsonl"},
           {"review", garbage},
           {"review", folder, "--json"},
           {"review", garbage, "--last", "0"},
           {"review", garbage, "--last", "two"},
           {"review", garbage, "--colour"},
       }) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 2) << args[1] << ": " << run.err;
    EXPECT_TRUE(run.out.empty()) << args[1];
    EXPECT_FALSE(run.err.empty()) << args[1];
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder));  // looked at, never moved aside
  // A record whose placements do not give its counts is named and left out; the rest is read.
  const std::string record = Scratch("one_bad.jsonl");
  std::remove(record.c_str());
  ASSERT_EQ(RunTool({"selfplay", "--opponent", "速水 結", "--games", "1", "--seed", "2",
                     "--carddata", cardFile_, "--record", record})
                .status,
            0);
  std::string line = Slurp(record);
  const size_t at = line.find("\"first\":\"");
  line.replace(at + 9, line[at + 9] == 'p' ? 6 : 5, line[at + 9] == 'p' ? "enemy" : "player");
  std::ofstream(record) << line;
  const ToolRun skipped = RunTool({"review", record, "--json", "--carddata", cardFile_});
  EXPECT_EQ(skipped.status, 0) << skipped.err;
  EXPECT_EQ(skipped.out, "{\"duels\":[]}\n");
  EXPECT_NE(skipped.err.find("duel 1 not reviewed"), std::string::npos) << skipped.err;
  // A card file that cannot be read, and a record that cannot be written: status 1.
  EXPECT_EQ(RunTool({"review", record, "--carddata", "/nonexistent/carddata"}).status, 1);
  const ToolRun unwritable = RunTool({"selfplay", "--opponent", "速水 結", "--games", "1", "--seed",
                                      "2", "--record", garbage + "/duels.jsonl"});
  EXPECT_EQ(unwritable.status, 1) << unwritable.err;
  EXPECT_TRUE(unwritable.out.empty());
}

}  // namespace

// Puzzles made from self-play hold when checked; a file altered after the fact fails with status
// 1, a damaged line or a missing file is status 2, and list prints what the file holds.
TEST_F(ToolTest, PuzzlesGeneratedHoldAndAlteredFilesFail) {
  const ToolRun made = RunTool({"puzzles", "generate", "--seed", "3", "--count", "4", "--max-left",
                                "6", "--carddata", cardFile_});
  ASSERT_EQ(made.status, 0) << made.err;
  std::vector<QJsonObject> puzzles;
  std::istringstream lines(made.out);
  for (std::string line; std::getline(lines, line);) {
    puzzles.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
  }
  ASSERT_EQ(puzzles.size(), 4u);
  const auto write = [](const std::string& name, const std::vector<QJsonObject>& objects,
                        const std::string& extra = "") {
    const std::string path = Scratch(name);
    std::ofstream f(path);
    for (const QJsonObject& o : objects)
      f << QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString() << "\n";
    f << extra;
    return path;
  };
  // The key placed already: the enemy is to move.
  QJsonObject played = puzzles[1];
  QJsonArray moves = played["moves"].toArray();
  moves.append(played["solution"].toArray()[0]);
  played["moves"] = moves;
  QJsonObject regraded = puzzles[2];
  regraded["level"] = regraded["level"].toInt() % 5 + 1;
  struct Case {
    std::string what, file;
    int status;
    const char* told;
  };
  const Case cases[] = {
      {"as made", write("puzzles_ok.jsonl", puzzles), 0, "checked 4 puzzles: 4 hold, 0 fail"},
      {"key already played", write("puzzles_played.jsonl", {puzzles[0], played}), 1,
       "FAIL not the player's turn"},
      {"another level", write("puzzles_level.jsonl", {regraded}), 1, "FAIL level"},
      {"damaged line", write("puzzles_damaged.jsonl", puzzles, "{\"id\": oops\n"), 2,
       "checked 4 puzzles: 4 hold"},
      {"no file", Scratch("puzzles_missing.jsonl"), 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ToolRun run = RunTool({"puzzles", "check", c.file, "--carddata", cardFile_});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.out.find(c.told), std::string::npos) << run.out;
  }
  const ToolRun list = RunTool({"puzzles", "list", "--json", "--file", cases[0].file});
  ASSERT_EQ(list.status, 0) << list.err;
  const QJsonArray listed =
      QJsonDocument::fromJson(QByteArray::fromStdString(list.out)).object()["puzzles"].toArray();
  ASSERT_EQ(listed.size(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(listed[i].toObject(), puzzles[i]);

  // The player's own puzzles from a record: each one holds.
  const std::string record = Scratch("puzzles_record.jsonl");
  std::remove(record.c_str());
  ASSERT_EQ(RunTool({"selfplay", "--opponent", "横田 真央", "--games", "30", "--seed", "5",
                     "--player", "ai:真道 祐樹", "--record", record, "--carddata", cardFile_})
                .status,
            0);
  const ToolRun mined =
      RunTool({"puzzles", "mine", record, "--max-left", "6", "--carddata", cardFile_});
  ASSERT_EQ(mined.status, 0) << mined.err;
  const std::string minedFile = Scratch("puzzles_mined.jsonl");
  std::ofstream(minedFile) << mined.out;
  const ToolRun minedCheck = RunTool({"puzzles", "check", minedFile, "--carddata", cardFile_});
  EXPECT_EQ(minedCheck.status, 0) << minedCheck.out;
  EXPECT_NE(minedCheck.out.find(" hold, 0 fail"), std::string::npos) << minedCheck.out;

  // Without a file: the set the build put beside the tool, at least 300 puzzles.
  const ToolRun shipped = RunTool({"puzzles", "list", "--json"});
  ASSERT_EQ(shipped.status, 0) << shipped.err;
  EXPECT_GE(QJsonDocument::fromJson(QByteArray::fromStdString(shipped.out))
                .object()["puzzles"]
                .toArray()
                .size(),
            300);
}
