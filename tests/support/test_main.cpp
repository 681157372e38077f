// Entry point of every window test binary: headless unless told otherwise, with the
// program's application object (so an escaping failure is shown, as in the program).
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/application.h"
#include "platform/form.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  platform::setRegionalFormats();
  platform::Application application(argc, argv);
  return RUN_ALL_TESTS();
}
