// The one main of the test programs that need a QApplication: headless (the offscreen platform,
// SDL's dummy audio driver) unless the environment chose otherwise, then Google Test.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/headless.h"

int main(int argc, char** argv) {
  korvane::test::Headless();
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
