#include "core/rules/TrayRect.h"

namespace vl {
namespace {

constexpr int kTaskbarCornerSize = 20;
constexpr int kScreenCornerWidth = 40;
constexpr int kScreenCornerHeight = 20;

ScreenRect BottomRightCorner(int right, int bottom, int width, int height) {
  return ScreenRect{right - width, bottom - height, right, bottom};
}

}  // namespace

ScreenRect ChooseTrayRect(const std::optional<ScreenRect>& notifyArea,
                          const std::optional<ScreenRect>& taskbar, int screenWidth,
                          int screenHeight) {
  if (notifyArea) return *notifyArea;
  if (taskbar) {
    return BottomRightCorner(taskbar->right, taskbar->bottom, kTaskbarCornerSize,
                             kTaskbarCornerSize);
  }
  return BottomRightCorner(screenWidth, screenHeight, kScreenCornerWidth, kScreenCornerHeight);
}

}  // namespace vl
