#pragma once
// Where the notification area is, for the animation between it and the backup dialog, when
// the shell does not say: a corner of the taskbar, or of the screen without a taskbar.
#include <optional>

namespace vl {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The notification area's own rectangle when known; otherwise the 20x20 square in the
// bottom-right corner of the taskbar; otherwise a 40x20 rectangle in the bottom-right corner
// of a screen of screenWidth x screenHeight.
ScreenRect ChooseTrayRect(const std::optional<ScreenRect>& notifyArea,
                          const std::optional<ScreenRect>& taskbar, int screenWidth,
                          int screenHeight);

}  // namespace vl
