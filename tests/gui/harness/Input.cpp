#include "tests/gui/harness/Input.h"

#include <atomic>
#include <thread>

namespace vl::test {
namespace {

bool SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return ::SendInput(1, &input, sizeof(input)) == 1;
}

void PumpPending() {
  MSG msg{};
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace

bool MoveMouseTo(POINT screen) {
  const bool moved = ::SetCursorPos(screen.x, screen.y) != FALSE;
  // A relative move of nothing makes the system deliver the position as a mouse message.
  return SendMouse(MOUSEEVENTF_MOVE) && moved;
}

bool PressLeft() { return SendMouse(MOUSEEVENTF_LEFTDOWN); }

bool ReleaseLeft() { return SendMouse(MOUSEEVENTF_LEFTUP); }

bool ClickAt(POINT screen) {
  if (!MoveMouseTo(screen)) return false;
  PumpFor(50);
  const bool pressed = PressLeft();
  PumpFor(50);
  return ReleaseLeft() && pressed;
}

POINT ScreenPointOf(HWND hWnd, POINT client) {
  ::ClientToScreen(hWnd, &client);
  return client;
}

POINT CentreOf(HWND hWnd) {
  RECT rect{};
  ::GetWindowRect(hWnd, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void PostClick(HWND hWnd, POINT client) {
  const LPARAM at = MAKELPARAM(client.x, client.y);
  ::PostMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(hWnd, WM_LBUTTONUP, 0, at);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    PumpPending();
    if (done()) return true;
    if (::GetTickCount64() >= deadline) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PlayWhilePumping(const std::function<void()>& script, DWORD settleMs) {
  std::atomic<bool> done{false};
  std::thread player([&] {
    script();
    done = true;
  });
  PumpUntil([&] { return done.load(); }, INFINITE);
  player.join();
  PumpFor(settleMs);
}

void DragWithPauses(POINT from, POINT to, DWORD pauseMs) {
  MoveMouseTo(from);
  ::Sleep(pauseMs);
  PressLeft();
  ::Sleep(pauseMs);
  // In steps, as a hand moves: a move loop may look at the path, not just the end.
  for (int step = 1; step <= 4; ++step) {
    MoveMouseTo(POINT{from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4});
    ::Sleep(pauseMs);
  }
  ReleaseLeft();
  ::Sleep(pauseMs);
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace vl::test
