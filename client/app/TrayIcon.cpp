#include "client/app/TrayIcon.h"

#include "win32/framework/WinApp.h"
#include "win32/framework/Wnd.h"
#include "win32/handles/MenuHandle.h"

namespace vl {
namespace {

static_assert(CTrayIcon::kBlockSize == NOTIFYICONDATAW_V3_SIZE);

constexpr DWORD kFirstTrayCapableMajor = 4;

bool IsShellTrayCapable() { return LOBYTE(LOWORD(::GetVersion())) >= kFirstTrayCapableMajor; }

// The tray menu's popup with item 0 as its default (bold, and what a double-click runs).
HMENU PrepareTrayPopup(win32::MenuHandle& menu, UINT menuId) {
  menu.Reset(::LoadMenuW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(menuId)));
  HMENU popup = menu ? ::GetSubMenu(menu.Get(), 0) : nullptr;
  if (popup) ::SetMenuDefaultItem(popup, 0, TRUE);
  return popup;
}

}  // namespace

CTrayIcon::CTrayIcon() { ZeroMemory(&m_nid, sizeof(m_nid)); }

CTrayIcon::~CTrayIcon() { Remove(); }

BOOL CTrayIcon::Create(CWnd* owner, UINT callbackMessage, const wchar_t* tip, UINT uId) {
  if (!IsShellTrayCapable() || !owner || !::IsWindow(owner->m_hWnd)) return FALSE;
  ZeroMemory(&m_nid, sizeof(m_nid));
  m_nid.cbSize = kBlockSize;
  m_nid.hWnd = owner->m_hWnd;
  m_nid.uID = uId;
  m_nid.uFlags = kFlagsAll;
  m_nid.uCallbackMessage = callbackMessage;
  lstrcpynW(m_nid.szTip, tip, static_cast<int>(kTipLimit));
  const BOOL added = ::Shell_NotifyIconW(NIM_ADD, &m_nid);
  m_bAdded = added ? 1 : 0;
  return added;
}

bool CTrayIcon::SetIcon(UINT iconId) {
  m_nid.hIcon = static_cast<HICON>(::LoadImageW(
      AfxGetInstanceHandle(), MAKEINTRESOURCEW(iconId), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
      ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!m_bAdded) return false;
  m_nid.uFlags = NIF_ICON;
  return ::Shell_NotifyIconW(NIM_MODIFY, &m_nid) != FALSE;
}

void CTrayIcon::Remove() {
  if (!m_bAdded) return;
  m_nid.uFlags = 0;
  ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
  m_bAdded = 0;
}

LRESULT CTrayIcon::OnTrayNotification(WPARAM wParam, LPARAM lParam) {
  if (wParam != m_nid.uID) return 0;
  switch (LOWORD(lParam)) {
    case WM_RBUTTONUP:
      return ShowMenu();
    case WM_LBUTTONDBLCLK:
      return RunDefaultCommand();
    default:
      return 1;
  }
}

LRESULT CTrayIcon::ShowMenu() {
  win32::MenuHandle menu;
  HMENU popup = PrepareTrayPopup(menu, m_nid.uID);
  if (!popup) return 0;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  ::SetForegroundWindow(Owner());
  ::TrackPopupMenu(popup, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, Owner(), nullptr);
  // A message after the menu makes the owner's thread notice that the menu has gone, so the
  // next right-click opens it again at once.
  ::PostMessageW(Owner(), WM_USER, 0, 0);
  return 1;
}

LRESULT CTrayIcon::RunDefaultCommand() {
  if (m_isRunActive && m_isRunActive()) return 0;
  win32::MenuHandle menu;
  HMENU popup = PrepareTrayPopup(menu, m_nid.uID);
  if (!popup) return 0;
  const UINT command = ::GetMenuDefaultItem(popup, FALSE, GMDI_GOINTOPOPUPS);
  ::SendMessageW(Owner(), WM_COMMAND, command, 0);
  return 1;
}

}  // namespace vl
