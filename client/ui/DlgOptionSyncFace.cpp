// How the settings dialog looks: the skin, its buttons, the menu font with bold headings, the
// controls placed in pixels (each keeping its template size) and the black-on-white labels.
#include <iterator>

#include "client/ui/DialogFont.h"
#include "client/ui/DialogLayout.h"
#include "client/ui/DlgOptionSyncWindow.h"
#include "resources/client/resource.h"
#include "resources/skin/ClientSkinIds.h"
#include "win32/ResString.h"

namespace vl {
namespace {

constexpr const wchar_t* kTitle = L"Vaultline Settings";
constexpr int kCheckBoxes[] = {IDC_SETTINGS_AUTOSTART, IDC_SETTINGS_AUTO_CONNECT,
                               IDC_SETTINGS_AUTO_BACKUP, IDC_SETTINGS_PERIODIC,
                               IDC_SETTINGS_IDLE, IDC_SETTINGS_REAL_TIME,
                               IDC_SETTINGS_ARCHIVE, IDC_SETTINGS_OVERWRITE};
constexpr int kHeadings[] = {IDC_SETTINGS_GENERAL_HEADING, IDC_SETTINGS_AUTO_HEADING,
                             IDC_SETTINGS_HISTORY_HEADING};
constexpr int kBlackLabels[] = {IDC_SETTINGS_HOURS_UNIT, IDC_SETTINGS_MINUTES_UNIT,
                                IDC_SETTINGS_GENERAL_HEADING, IDC_SETTINGS_AUTO_HEADING,
                                IDC_SETTINGS_HISTORY_HEADING};
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kModeRadioX = 40;
constexpr int kRowGap = 5;

RECT RectIn(HWND dialog, int id) {
  RECT rect{};
  ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE SizeOf(HWND dialog, int id) {
  const RECT rect = RectIn(dialog, id);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// Moves a control to x, y in its template size; the rectangle it then takes.
RECT PlaceAt(HWND dialog, int id, int x, int y) {
  const SIZE size = SizeOf(dialog, id);
  Place(dialog, Placement{id, x, y, size.cx, size.cy});
  return RECT{x, y, x + size.cx, y + size.cy};
}

// A mode row: the radio button at x 40 below what came before, and, for the two interval
// rows, the edit right of it (3 pixels higher) and its unit 5 pixels right of the edit and 5
// lower. The bottom the next row starts below.
LONG PlaceModeRow(HWND dialog, LONG above, int radio, int edit, int unit) {
  const int top = above + kRowGap;
  const RECT button = PlaceAt(dialog, radio, kModeRadioX, top);
  if (edit == 0) return button.bottom;
  const RECT field = PlaceAt(dialog, edit, button.right, top - 3);
  return PlaceAt(dialog, unit, field.right + 5, top - 3 + 5).bottom;
}

}  // namespace

void CDlgOptionSync::SetUpFace() {
  SetDialogFace(*this, IDB_SETTINGS_BACKGROUND, kTitle);
  for (size_t i = 0; i < std::size(kCheckBoxes); ++i)
    m_boxes[i].SubclassDlgItem(kCheckBoxes[i], this);
}

void CDlgOptionSync::SkinButtons() {
  vl::SkinButtons(*this,
                  {{m_btnClose, IDC_SETTINGS_CLOSE, IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED,
                    IDB_CLOSE_HOVER, IDS_TIP_CLOSE, false},
                   {m_btnNas, IDC_SETTINGS_NAS, IDB_NAS_NORMAL, IDB_NAS_PRESSED, IDB_NAS_HOVER,
                    IDS_TIP_SETUP_NAS, true},
                   {m_btnReset, IDC_SETTINGS_RESET, IDB_RESET_NORMAL, IDB_RESET_PRESSED,
                    IDB_RESET_HOVER, IDS_TIP_RESET_DESTINATION, true},
                   {m_btnOk, IDOK, IDB_OK_NORMAL, IDB_OK_PRESSED, IDB_OK_HOVER, IDS_TIP_OK, true},
                   {m_btnCancel, IDCANCEL, IDB_CANCEL_NORMAL, IDB_CANCEL_PRESSED,
                    IDB_CANCEL_HOVER, IDS_TIP_CANCEL, true}},
                  [](UINT id) { return LoadResString(id); });
}

void CDlgOptionSync::ApplyFonts() {
  m_font = MakeMenuFont();
  m_boldFont = MakeMenuFont(kBoldWeight);
  if (m_font.Get()) SetFontOnChildren(m_hWnd, m_font.Get());
  if (!m_boldFont.Get()) return;
  for (int id : kHeadings) {
    ::SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(m_boldFont.Get()), TRUE);
  }
}

void CDlgOptionSync::PlaceControls() {
  HWND dialog = m_hWnd;
  Place(dialog, Placement{IDC_SETTINGS_CLOSE, 330, 10, 11, 10});
  PlaceAt(dialog, IDC_SETTINGS_GENERAL_HEADING, 30, 55);
  PlaceAt(dialog, IDC_SETTINGS_AUTOSTART, 32, 78);
  PlaceAt(dialog, IDC_SETTINGS_AUTO_CONNECT, 32, 100);
  Place(dialog, Placement{IDC_SETTINGS_NAS, 270, 100, 50, 20});
  PlaceAt(dialog, IDC_SETTINGS_AUTO_HEADING, 30, 140);
  LONG bottom = PlaceAt(dialog, IDC_SETTINGS_AUTO_BACKUP, 32, 157).bottom;
  bottom = PlaceModeRow(dialog, bottom, IDC_SETTINGS_PERIODIC, IDC_SETTINGS_HOURS,
                        IDC_SETTINGS_HOURS_UNIT);
  bottom = PlaceModeRow(dialog, bottom, IDC_SETTINGS_IDLE, IDC_SETTINGS_MINUTES,
                        IDC_SETTINGS_MINUTES_UNIT);
  PlaceModeRow(dialog, bottom, IDC_SETTINGS_REAL_TIME, 0, 0);
  const RECT heading = PlaceAt(dialog, IDC_SETTINGS_HISTORY_HEADING, 30, 275);
  Place(dialog, Placement{IDC_SETTINGS_RESET, heading.right + 1, 275 - 2, 140, 21});
  const RECT archive = PlaceAt(dialog, IDC_SETTINGS_ARCHIVE, kModeRadioX, 275 - 2 + 21 + 10);
  PlaceAt(dialog, IDC_SETTINGS_OVERWRITE, kModeRadioX, archive.bottom + kRowGap);
  Place(dialog, Placement{IDOK, 104, 365, 73, 28});
  Place(dialog, Placement{IDCANCEL, 180, 365, 73, 28});
}

bool CDlgOptionSync::OnStaticColour(HDC dc, HWND control, LRESULT* result) const {
  const int id = ::GetDlgCtrlID(control);
  for (int label : kBlackLabels) {
    if (label != id) continue;
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, kWhite);
    *result = reinterpret_cast<LRESULT>(m_whiteBrush.Get());
    return true;
  }
  return false;
}

}  // namespace vl
