// The zoom the windows open at on screens from a handheld's to a 4K desktop's, and full screen on
// a handheld.
#include <gtest/gtest.h>

#include <string>

#include "ui/view_zoom.h"

namespace korvane {
namespace {

TEST(OpeningZoom, TheLargestThatFitsOnSmallScreensTwoThirdsOnLargeOnes) {
  struct Row {
    QSize screen, available;
    double zoom;
  };
  const Row rows[] = {
      {{1280, 800}, {1280, 800}, 1.75},  // a handheld, nothing else on the screen
      {{1280, 800}, {1280, 752}, 1.5},   // the same with a panel
      {{1280, 720}, {1280, 720}, 1.5},   // a handheld's 720p screen
      {{1280, 720}, {1280, 688}, 1.5},    {{800, 800}, {800, 800}, 1.25},  // the width decides
      {{1024, 600}, {1024, 576}, 1.25},   {{640, 480}, {640, 480}, 1.0},   // never below 1x
      {{1920, 1080}, {1920, 1040}, 1.75},  // two thirds of the height
      {{3840, 2160}, {3840, 2120}, 3.5},
  };
  for (const Row& r : rows) {
    const double z = ViewZoom::OpeningZoomFor(r.screen, r.available);
    EXPECT_DOUBLE_EQ(z, r.zoom) << r.screen.width() << "x" << r.screen.height();
    if (r.screen.height() > ViewZoom::kSmallScreenHeight || z <= 1.0) continue;
    // The window with its frame fits at that zoom, and the next step would not.
    auto fits = [&r](double zoom) {
      return ViewZoom::kDesign.width() * zoom + ViewZoom::kFrame.width() <= r.available.width() &&
             ViewZoom::kDesign.height() * zoom + ViewZoom::kFrame.height() <= r.available.height();
    };
    EXPECT_TRUE(fits(z));
    EXPECT_FALSE(fits(z + ViewZoom::kStep));
  }
}

TEST(OpeningZoom, AHandheldOpensFullScreen) {
  for (const char* value : {"1", "0", ""}) {
    SCOPED_TRACE(value);
    qputenv("SteamDeck", value);
    const ViewZoom zoom;
    const bool handheld = std::string(value) == "1";
    EXPECT_EQ(zoom.FullScreen(), handheld);
    // Full screen on 1280 x 800: the height decides.
    if (handheld) EXPECT_NEAR(zoom.ZoomOn({1280, 800}), 800 / 410.0, 1e-9);
  }
  qunsetenv("SteamDeck");
}

}  // namespace
}  // namespace korvane
