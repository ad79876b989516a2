#include <gtest/gtest.h>

#include <ostream>

#include "core/rules/TrayRect.h"

namespace vl {

// In vl itself so that GoogleTest finds them by the argument's namespace.
static bool operator==(const ScreenRect& a, const ScreenRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static void PrintTo(const ScreenRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

constexpr ScreenRect kNotifyArea{1100, 990, 1270, 1020};
constexpr ScreenRect kTaskbar{0, 984, 1280, 1024};

TEST(TrayRect, TheNotificationAreaWhenTheShellHasOne) {
  EXPECT_EQ(ChooseTrayRect(kNotifyArea, kTaskbar, 1280, 1024), kNotifyArea);
}

TEST(TrayRect, WithoutOneTheBottomRightCornerOfTheTaskbar) {
  EXPECT_EQ(ChooseTrayRect(std::nullopt, kTaskbar, 1280, 1024),
            (ScreenRect{1260, 1004, 1280, 1024}));
  // A taskbar on the left edge: its own corner, not the screen's.
  const ScreenRect leftBar{0, 0, 60, 1024};
  EXPECT_EQ(ChooseTrayRect(std::nullopt, leftBar, 1280, 1024),
            (ScreenRect{40, 1004, 60, 1024}));
}

TEST(TrayRect, WithoutATaskbarTheBottomRightCornerOfTheScreen) {
  EXPECT_EQ(ChooseTrayRect(std::nullopt, std::nullopt, 1280, 1024),
            (ScreenRect{1240, 1004, 1280, 1024}));
}

}  // namespace
}  // namespace vl
