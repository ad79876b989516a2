#include "tests/realtime/WatchInbox.h"

#include "client/realtime/RealTimeMessages.h"

namespace vl::test {

WatchInbox::WatchInbox()
    : m_window(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               nullptr, nullptr)) {}

WatchInbox::~WatchInbox() {
  Take();
  DestroyWindow(m_window);
}

void WatchInbox::Take() {
  MSG msg;
  while (PeekMessageW(&msg, m_window, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_DIRECTORY_CHANGE) {
      auto* path = reinterpret_cast<wchar_t*>(msg.lParam);
      m_changes.push_back({msg.wParam, path});
      delete[] path;
    } else if (msg.message == WM_CHANGES_LOST) {
      m_changes.push_back({0, String(1, static_cast<wchar_t>(msg.wParam))});
    } else {
      DispatchMessageW(&msg);
    }
  }
}

bool WatchInbox::WaitFor(const String& path, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (true) {
    Take();
    if (Saw(path)) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE);
  }
}

WPARAM WatchInbox::FirstAction(const String& path) const {
  for (const SeenChange& change : m_changes) {
    if (change.action != 0 && change.path == path) return change.action;
  }
  return 0;
}

}  // namespace vl::test
