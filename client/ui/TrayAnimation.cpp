#include "client/ui/TrayAnimation.h"

#include <optional>

#include "core/rules/TrayRect.h"

namespace vl {
namespace {

std::optional<ScreenRect> WindowRectOf(HWND window) {
  RECT rect{};
  if (!window || !::GetWindowRect(window, &rect)) return std::nullopt;
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

RECT GetTrayRect() {
  HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND notifyArea =
      taskbar ? ::FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  const ScreenRect chosen =
      ChooseTrayRect(WindowRectOf(notifyArea), WindowRectOf(taskbar),
                     ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  return RECT{chosen.left, chosen.top, chosen.right, chosen.bottom};
}

void AnimateCaption(HWND window, const RECT& from, const RECT& to) {
  ::DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

}  // namespace vl
