// The backup dialog's window as it is made: background, outline, controls in their pixel
// positions with their pictures and tooltips, and fonts.
#include "client/ui/DlgBackup.h"

#include <commctrl.h>

#include "client/ui/DialogFont.h"
#include "client/ui/DialogLayout.h"
#include "resources/client/resource.h"
#include "resources/skin/ClientSkinIds.h"

namespace vl {
namespace {

constexpr int kListItemHeight = 31;
constexpr COLORREF kSourceLineColour = 0x12AD5B;
// The target line runs from just right of its label to this x.
constexpr int kTargetLineRight = 337;
constexpr int kLabelLeft = 44;
constexpr int kLineTop = 303;
constexpr int kLineHeight = 19;

// Every control but the label and the target line, whose widths follow the label's text.
constexpr Placement kPlacements[] = {
    {IDC_BACKUP_CLOSE, 330, 10, 11, 10},
    {IDC_BACKUP_MINIMIZE, 316, 10, 11, 10},
    {IDC_BACKUP_ADD, 18, 64, 109, 29},
    {IDC_BACKUP_LIST, 17, 103, 320, 157},
    {IDC_BACKUP_SOURCE_LINE, 17, 270, 320, 25},
    {IDC_BACKUP_LOCATION, 18, 301, 21, 21},
    {IDC_BACKUP_START, 124, 328, 108, 28},
    {IDC_BACKUP_STOP, 124, 363, 108, 27},
    {IDC_BACKUP_PROGRESS, 17, 330, 320, 12},
};

}  // namespace

bool CDlgBackup::OnInitDialog() {
  m_hRunWindow = m_hWnd;
  SetUpWindow();
  SetUpButtons();
  SetUpLines();
  SetUpFonts();
  PlaceControls();
  ::SendMessageW(m_list.m_hWnd, LB_SETITEMHEIGHT, 0, kListItemHeight);
  ::SendMessageW(Item(IDC_BACKUP_PROGRESS), PBM_SETRANGE32, 0, 100);
  return true;
}

void CDlgBackup::SetUpWindow() { SetDialogFace(*this, IDB_BACKUP_BACKGROUND, kCaption); }

void CDlgBackup::SetUpButtons() {
  SkinButtons(*this,
              {{m_btnClose, IDC_BACKUP_CLOSE, IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED, IDB_CLOSE_HOVER,
                IDS_TIP_CLOSE, false},
               {m_btnMinimize, IDC_BACKUP_MINIMIZE, IDB_MINIMIZE_NORMAL, IDB_MINIMIZE_PRESSED,
                IDB_MINIMIZE_HOVER, IDS_TIP_MINIMIZE, false},
               {m_btnAdd, IDC_BACKUP_ADD, IDB_ADD_NORMAL, IDB_ADD_PRESSED, IDB_ADD_HOVER,
                IDS_TIP_ADD, true},
               {m_btnLocation, IDC_BACKUP_LOCATION, IDB_LOCATION_NORMAL, IDB_LOCATION_PRESSED,
                IDB_LOCATION_HOVER, IDS_TIP_BACKUP_LOCATION, false},
               {m_btnBackup, IDC_BACKUP_START, IDB_BACKUP_NORMAL, IDB_BACKUP_PRESSED,
                IDB_BACKUP_HOVER, IDS_TIP_BACKUP, true},
               {m_btnStop, IDC_BACKUP_STOP, IDB_STOP_NORMAL, IDB_STOP_PRESSED, IDB_STOP_HOVER,
                IDS_TIP_STOP, true}},
              [this](UINT id) { return m_texts.Text(id); });
}

void CDlgBackup::SetUpLines() {
  m_list.SubclassDlgItem(IDC_BACKUP_LIST, this);
  m_lineSource.SubclassDlgItem(IDC_BACKUP_SOURCE_LINE, this);
  m_lineSource.SetWindowText(String());
  m_lineSource.SetToolTipText(m_texts.Text(IDS_TIP_SOURCE_LINE));
  m_lineSource.SetColours(kSourceLineColour, kSourceLineColour, kSourceLineColour);
  m_lineSource.m_bNotifyParent = 1;
  m_lineTarget.SubclassDlgItem(IDC_BACKUP_TARGET_LINE, this);
  m_lineTarget.m_bNotifyParent = 1;
}

void CDlgBackup::SetUpFonts() {
  m_font = MakeMenuFont();
  m_boldFont = MakeMenuFont(kBoldWeight);
  if (m_font.Get()) SetFontOnChildren(m_hWnd, m_font.Get());
  if (m_boldFont.Get())
    ::SendMessageW(Item(IDC_BACKUP_LOCATION_LABEL), WM_SETFONT,
                   reinterpret_cast<WPARAM>(m_boldFont.Get()), TRUE);
}

void CDlgBackup::PlaceControls() {
  for (const Placement& placement : kPlacements) Place(m_hWnd, placement);
  PlaceTargetLine();
}

void CDlgBackup::PlaceTargetLine() {
  // The label is as wide as its bold text; the target line takes the rest of the row.
  HWND label = Item(IDC_BACKUP_LOCATION_LABEL);
  const int labelWidth = TextWidthIn(label, GetWindowTextOf(label));
  Place(m_hWnd, {IDC_BACKUP_LOCATION_LABEL, kLabelLeft, kLineTop, labelWidth, kLineHeight});
  const int lineLeft = kLabelLeft + labelWidth + 1;
  Place(m_hWnd,
        {IDC_BACKUP_TARGET_LINE, lineLeft, kLineTop, kTargetLineRight - lineLeft, kLineHeight});
}

int CDlgBackup::TextWidthIn(HWND control, const String& text) const {
  HDC dc = ::GetDC(control);
  if (!dc) return 0;
  HGDIOBJ previous =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, previous);
  ::ReleaseDC(control, dc);
  return size.cx;
}

void CDlgBackup::CentreOnWorkArea() {
  // Centred on the work area of the monitor the (hidden) frame is on, as the taskbar may take
  // part of the screen.
  HWND reference = m_pParentWnd && m_pParentWnd->m_hWnd ? m_pParentWnd->m_hWnd : m_hWnd;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!::GetMonitorInfoW(::MonitorFromWindow(reference, MONITOR_DEFAULTTONEAREST), &monitor))
    return;
  RECT window{};
  ::GetWindowRect(m_hWnd, &window);
  const RECT& area = monitor.rcWork;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int x = area.left + (area.right - area.left - width) / 2;
  const int y = area.top + (area.bottom - area.top - height) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vl
