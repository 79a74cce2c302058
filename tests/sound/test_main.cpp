// Sound tests need an event loop for the completion notifications, and never a real sound card.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  if (qgetenv("SDL_AUDIODRIVER").isEmpty()) qputenv("SDL_AUDIODRIVER", "dummy");
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
