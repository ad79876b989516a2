#include "tests/gui/harness/FolderBrowser.h"

#include <shlobj.h>

#include "tests/gui/harness/ProcessWindows.h"
#include "tests/gui/harness/RemoteMemory.h"

namespace vl::test {
namespace {

constexpr UINT kBrowserTimeoutMs = 5000;

}  // namespace

FolderBrowser::FolderBrowser(DWORD processId, DWORD timeoutMs)
    : m_processId(processId),
      m_window(WaitForWindowWithControl(processId, kBrowserTreeId, timeoutMs)) {}

String FolderBrowser::Title() const { return ControlText(m_window, kBrowserTitleId); }

String FolderBrowser::StatusText() const { return ControlText(m_window, kBrowserStatusId); }

bool FolderBrowser::Select(const String& path) {
  RemoteMemory text(m_processId, (path.size() + 1) * sizeof(wchar_t));
  DWORD_PTR answer = 0;
  // Sent, not posted: the browser reads the path before the block is freed.
  return m_window && text.WriteString(0, path) &&
         ::SendMessageTimeoutW(m_window, BFFM_SETSELECTIONW, TRUE, text.AsLParam(),
                               SMTO_ABORTIFHUNG, kBrowserTimeoutMs, &answer) != 0;
}

String FolderBrowser::SelectFolder(const String& path, DWORD timeoutMs) {
  constexpr DWORD kRetryMs = 500;
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  do {
    if (Select(path) && WaitFor([&] { return StatusText() == path; }, kRetryMs)) break;
  } while (::GetTickCount64() < deadline);
  return StatusText();
}

bool FolderBrowser::PressOk(DWORD timeoutMs) { return Press(IDOK, timeoutMs); }

bool FolderBrowser::PressCancel(DWORD timeoutMs) { return Press(IDCANCEL, timeoutMs); }

bool FolderBrowser::Press(int buttonId, DWORD timeoutMs) {
  HWND button = m_window ? ::GetDlgItem(m_window, buttonId) : nullptr;
  if (!button || !::PostMessageW(button, BM_CLICK, 0, 0)) return false;
  return WaitFor([&] { return !::IsWindow(m_window); }, timeoutMs);
}

}  // namespace vl::test
