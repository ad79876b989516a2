#include "skin/MyList.h"

#include <windowsx.h>

#include <algorithm>

#include "core/rules/ShortenText.h"
#include "win32/framework/WinApp.h"
#include "win32/handles/GdiObject.h"

namespace vl {
namespace {

constexpr UINT_PTR kEntryToolId = 1;

HICON LoadListIcon(UINT id, int size) {
  return static_cast<HICON>(::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

int TextWidth(HDC dc, const String& text) {
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int Height(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace

CMyList::CMyList(const ListIcons& icons, Describe describe)
    : m_describe(std::move(describe)),
      m_deleteMark(LoadListIcon(icons.deleteMark, kDeleteMarkSize)),
      m_fileIcon(LoadListIcon(icons.file, kIconSize)),
      m_folderIcon(LoadListIcon(icons.folder, kIconSize)) {}

int CMyList::AddEntry(void* data) {
  const String text = m_describe(data).text;
  const int index = static_cast<int>(
      ::SendMessageW(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  if (index >= 0) ::SendMessageW(m_hWnd, LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(data));
  return index;
}

void* CMyList::EntryData(int index) const {
  const LRESULT data = ::SendMessageW(m_hWnd, LB_GETITEMDATA, index, 0);
  return data == LB_ERR ? nullptr : reinterpret_cast<void*>(data);
}

int CMyList::GetCount() const {
  return static_cast<int>(::SendMessageW(m_hWnd, LB_GETCOUNT, 0, 0));
}

RECT CMyList::GetItemRect(int index) const {
  RECT rect{};
  ::SendMessageW(m_hWnd, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

RECT CMyList::DeleteMarkRect(const RECT& item) {
  const int top = item.top + std::max(0, (Height(item) - kDeleteMarkSize) / 2);
  const int left = item.right - kDeleteMarkRightOffset;
  return RECT{left, top, left + kDeleteMarkSize, top + kDeleteMarkSize};
}

void CMyList::PreSubclassWindow() {
  m_toolTip.Create(m_hWnd);
  m_toolTip.AddTool(kEntryToolId, RECT{}, LPSTR_TEXTCALLBACKW);
  m_toolTip.Activate(true);
}

bool CMyList::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) TrackTip(message, wParam, lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(wParam, lParam);
      *result = 0;
      return true;
    case WM_NOTIFY:
      return OnTipText(reinterpret_cast<NMHDR*>(lParam));
    default:
      return CSkinControl::OnWndMsg(message, wParam, lParam, result);
  }
}

void CMyList::OnLeftButtonDown(WPARAM wParam, LPARAM lParam) {
  // The selection moves first, so the parent finds the entry selected when asked to delete it.
  DefWindowProc(WM_LBUTTONDOWN, wParam, lParam);
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  for (int index = 0, count = GetCount(); index < count; ++index) {
    const RECT mark = DeleteMarkRect(GetItemRect(index));
    if (::PtInRect(&mark, at)) {
      ::PostMessageW(GetParent(), kDeleteItemMessage, static_cast<WPARAM>(index), 0);
      return;
    }
  }
}

void CMyList::TrackTip(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE) {
    const LRESULT hit = ::SendMessageW(m_hWnd, LB_ITEMFROMPOINT, 0, lParam);
    const int index = HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
    if (index != m_tipIndex) {
      m_tipIndex = index;
      m_toolTip.SetToolRect(kEntryToolId, index < 0 ? RECT{} : GetItemRect(index));
    }
  }
  m_toolTip.Relay(message, wParam, lParam);
}

bool CMyList::OnTipText(NMHDR* header) {
  if (header->hwndFrom != m_toolTip.GetSafeHwnd()) return false;
  const void* data = m_tipIndex >= 0 ? EntryData(m_tipIndex) : nullptr;
  m_tipText = data ? m_describe(data).text.substr(0, kTipChars) : String();
  if (header->code == TTN_GETDISPINFOW) {
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = m_tipText.data();
    return true;
  }
  if (header->code == TTN_GETDISPINFOA) {
    const int bytes = ::WideCharToMultiByte(CP_THREAD_ACP, 0, m_tipText.c_str(), -1, nullptr, 0,
                                            nullptr, nullptr);
    m_tipTextAnsi.assign(static_cast<size_t>(std::max(bytes, 1)), '\0');
    ::WideCharToMultiByte(CP_THREAD_ACP, 0, m_tipText.c_str(), -1, m_tipTextAnsi.data(), bytes,
                          nullptr, nullptr);
    reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText = m_tipTextAnsi.data();
    return true;
  }
  return false;
}

bool CMyList::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  (void)wParam;
  if (message != WM_DRAWITEM) return false;
  DrawEntry(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  *result = TRUE;
  return true;
}

void CMyList::DrawEntry(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  if (item.itemAction == ODA_FOCUS) {
    ::DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const void* data = reinterpret_cast<const void*>(item.itemData);
  const ListEntryLook look = data ? m_describe(data) : ListEntryLook{String(), false, false};
  DrawEntryText(item.hDC, item.rcItem, look.text, (item.itemState & ODS_SELECTED) != 0,
                look.available);
  DrawEntryIcons(item.hDC, item.rcItem, look.isFile);
  win32::GdiPen pen(::CreatePen(PS_SOLID, 1, kBottomLine));
  HGDIOBJ previous = ::SelectObject(item.hDC, pen.Get());
  ::MoveToEx(item.hDC, item.rcItem.left, item.rcItem.bottom - 1, nullptr);
  ::LineTo(item.hDC, item.rcItem.right, item.rcItem.bottom - 1);
  ::SelectObject(item.hDC, previous);
}

void CMyList::DrawEntryText(HDC dc, const RECT& rect, const String& text, bool selected,
                            bool available) {
  const bool highlight = selected && available;
  const COLORREF textColour = highlight    ? ::GetSysColor(COLOR_HIGHLIGHTTEXT)
                              : available ? ::GetSysColor(COLOR_WINDOWTEXT)
                                           : kUnrecognisedText;
  const COLORREF background = ::GetSysColor(highlight ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  ::SetTextColor(dc, textColour);
  ::SetBkColor(dc, background);
  // Opaque text fills its own background; the rest of the entry gets the same colour first.
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  const int width = rect.right - rect.left;
  const String shown =
      ShortenToWidth(text, width - kTextLeft, [dc](const String& t) { return TextWidth(dc, t); });
  const int top = rect.top + std::max(0, (Height(rect) - kTextLeft) / 2);
  ::ExtTextOutW(dc, rect.left + kTextLeft, top, ETO_OPAQUE, nullptr, shown.c_str(),
                static_cast<UINT>(shown.size()), nullptr);
}

void CMyList::DrawEntryIcons(HDC dc, const RECT& rect, bool isFile) {
  HICON icon = isFile ? m_fileIcon.Get() : m_folderIcon.Get();
  const int half = (Height(rect) - 8) / 2;
  const int iconTop = rect.top + (half < 0 ? -2 : half - 2);
  ::DrawIconEx(dc, rect.left + 2, iconTop, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  const RECT mark = DeleteMarkRect(rect);
  ::DrawIconEx(dc, mark.left, mark.top, m_deleteMark.Get(), kDeleteMarkSize, kDeleteMarkSize, 0,
               nullptr, DI_NORMAL);
}

}  // namespace vl
