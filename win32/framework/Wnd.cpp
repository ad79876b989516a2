#include "win32/framework/Wnd.h"


#include <vector>

#include "win32/framework/WinApp.h"

namespace vl {
namespace {

// The window property that links an HWND to its CWnd. A property rather than GWLP_USERDATA
// keeps the user data free for controls and works the same for frames and dialogs.
constexpr wchar_t kObjectProperty[] = L"Vaultline.CWnd";

}  // namespace

CWnd::~CWnd() {
  // An object going away before its window must not leave the window pointing at it.
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
    ::DestroyWindow(m_hWnd);
    if (m_hWnd) OnNcDestroyed();
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  return hWnd ? static_cast<CWnd*>(::GetPropW(hWnd, kObjectProperty)) : nullptr;
}

bool CWnd::RegisterWindowClass(const wchar_t* className, UINT style, HICON icon, HCURSOR cursor,
                               HBRUSH background) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = &CWnd::StaticWindowProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hIcon = icon;
  wc.hCursor = cursor ? cursor : ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  if (::RegisterClassExW(&wc)) return true;
  return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const String& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent,
                    HMENU menuOrId) {
  // The object is attached in WM_NCCREATE (see StaticWindowProc), before WM_CREATE arrives.
  HWND hWnd = ::CreateWindowExW(exStyle, className, windowName.c_str(), style, x, y, width,
                                height, parent, menuOrId, AfxGetInstanceHandle(), this);
  return hWnd != nullptr;
}

bool CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd) != FALSE; }

String GetWindowTextOf(HWND hWnd) {
  const int length = ::GetWindowTextLengthW(hWnd);
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(hWnd, buffer.data(), length + 1);
  return String(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

String CWnd::GetWindowText() const { return GetWindowTextOf(m_hWnd); }

void CWnd::DragAcceptFiles(bool accept) { ::DragAcceptFiles(m_hWnd, accept ? TRUE : FALSE); }

bool CWnd::PreTranslateMessage(MSG& msg) {
  (void)msg;
  return false;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (OnWndMsg(message, wParam, lParam, &result)) return result;
  return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (message) {
    case WM_CREATE:
      *result = OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
      return true;
    case WM_CLOSE:
      OnClose();
      return true;
    case WM_DESTROY:
      OnDestroy();
      return true;
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return true;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return true;
    default:
      return false;
  }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

int CWnd::OnCreate(CREATESTRUCTW* createStruct) {
  (void)createStruct;
  return 0;
}

void CWnd::OnClose() { DestroyWindow(); }

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  (void)wParam;
  (void)lParam;
  return false;
}

void CWnd::OnDropFiles(HDROP drop) { ::DragFinish(drop); }

void CWnd::Attach(HWND hWnd) {
  m_hWnd = hWnd;
  ::SetPropW(hWnd, kObjectProperty, this);
}

void CWnd::OnNcDestroyed() {
  ::RemovePropW(m_hWnd, kObjectProperty);
  CWinAppBase* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
  m_hWnd = nullptr;
  PostNcDestroy();
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  CWnd* wnd = FromHandlePermanent(hWnd);
  if (!wnd && message == WM_NCCREATE) {
    wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (wnd) wnd->Attach(hWnd);
  }
  if (!wnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);
  const LRESULT result = wnd->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) wnd->OnNcDestroyed();
  return result;
}

}  // namespace vl
