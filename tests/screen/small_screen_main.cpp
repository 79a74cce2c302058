// The main of the tests that look at the game on a handheld's screen: the offscreen platform with
// one screen of 1280 x 800 pixels at 96 dots per inch (what a Steam Deck's desktop reports), SDL's
// dummy audio driver, then Google Test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  if (FILE* f = std::fopen(qPrintable(config), "w")) {
    std::fputs(
        "{\"screens\": [{\"name\": \"handheld\", \"x\": 0, \"y\": 0, \"width\": 1280, "
        "\"height\": 800, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n",
        f);
    std::fclose(f);
  }
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
  // The windowed zoom: the smaller of the two a 1280 x 800 screen opens at.
  qunsetenv("SteamDeck");
  qunsetenv("KORVANE_HANDHELD");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
