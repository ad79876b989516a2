// main() of the GUI test programs: GoogleTest with a screenshot of the screen for every
// failed test.
#include <gtest/gtest.h>

#include "tests/gui/harness/Screenshots.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vl::test::SaveScreenshotsOnFailure();
  return RUN_ALL_TESTS();
}
