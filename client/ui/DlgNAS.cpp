#include "client/ui/DlgNAS.h"

#include <windows.h>
#include <commctrl.h>

#include "client/ui/DialogLayout.h"
#include "resources/client/resource.h"
#include "resources/skin/ClientSkinIds.h"
#include "win32/ResString.h"
#include "win32/framework/MessageBox.h"

namespace vl {
namespace {

constexpr const wchar_t* kCaption = L"NAS Settings";
constexpr COLORREF kLabelText = RGB(0, 0, 0);
constexpr COLORREF kLabelBack = RGB(255, 255, 255);

// Pixel positions on the background picture. The rows start at the first label; each row is
// the address control's height and a gap, and the fields reach to the same right edge.
constexpr Placement kPlacements[] = {
    {IDC_NAS_CLOSE, 330, 10, 11, 10},
    {IDC_NAS_CONNECT, 104, 214, 73, 28},
    {IDC_NAS_CANCEL, 180, 214, 73, 28},
};
constexpr int kLabelsLeft = 30;
constexpr int kLabelsTop = 80;
constexpr int kRowGap = 3;
constexpr int kFieldsRight = 320;
constexpr int kLabels[] = {IDC_NAS_ADDRESS_LABEL, IDC_NAS_SHARE_LABEL, IDC_NAS_ACCOUNT_LABEL,
                           IDC_NAS_PASSWORD_LABEL};
constexpr int kFields[] = {IDC_NAS_ADDRESS, IDC_NAS_SHARE, IDC_NAS_ACCOUNT, IDC_NAS_PASSWORD};

UINT IconStyle(NasIcon icon) {
  switch (icon) {
    case NasIcon::kInformation:
      return MB_ICONINFORMATION;
    case NasIcon::kQuestion:
      return MB_ICONQUESTION;
    case NasIcon::kError:
      return MB_ICONERROR;
    case NasIcon::kExclamation:
    default:
      return MB_ICONEXCLAMATION;
  }
}

SIZE SizeOf(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

void NasMessageBoxes::Show(TextId text, NasIcon icon) {
  AfxMessageBox(m_owner, LoadResString(text), MB_OK | IconStyle(icon));
}

void NasMessageBoxes::ShowText(const String& text, NasIcon icon) {
  AfxMessageBox(m_owner, text, MB_OK | IconStyle(icon));
}

bool NasMessageBoxes::AskYesNo(TextId text) {
  return AfxMessageBox(m_owner, LoadResString(text), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CDlgNAS::CDlgNAS(CWnd* parent, const NasDialogInput& input)
    : CDialogSK(IDD_NAS, parent), m_input(input) {
  // The template's address control needs its window class before the dialog is made.
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_INTERNET_CLASSES};
  ::InitCommonControlsEx(&classes);
  m_labelBrush.Reset(::CreateSolidBrush(kLabelBack));
}

bool CDlgNAS::OnInitDialog() {
  SetUpFace();
  SetUpButtons();
  PlaceControls();
  if (m_input.settings) ShowEntry(StoredNasEntry(*m_input.settings));
  return true;
}

void CDlgNAS::SetUpFace() { SetDialogFace(*this, IDB_NAS_BACKGROUND, kCaption); }

void CDlgNAS::SetUpButtons() {
  SkinButtons(*this,
              {{m_btnClose, IDC_NAS_CLOSE, IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED, IDB_CLOSE_HOVER,
                IDS_TIP_CLOSE, false},
               {m_btnConnect, IDC_NAS_CONNECT, IDB_OK_NORMAL, IDB_OK_PRESSED, IDB_OK_HOVER,
                IDS_TIP_OK, true},
               {m_btnCancel, IDC_NAS_CANCEL, IDB_CANCEL_NORMAL, IDB_CANCEL_PRESSED,
                IDB_CANCEL_HOVER, IDS_TIP_CANCEL, true}},
              [](UINT id) { return LoadResString(id); });
}

void CDlgNAS::PlaceControls() {
  for (const Placement& placement : kPlacements) Place(m_hWnd, placement);
  const SIZE label = SizeOf(Item(kLabels[0]));
  const SIZE address = SizeOf(Item(IDC_NAS_ADDRESS));
  const int row = address.cy + kRowGap;
  const int fieldsLeft = kLabelsLeft + label.cx + 1;
  const int fieldsTop = kLabelsTop + (label.cy - address.cy) / 2;
  for (int i = 0; i < 4; ++i) {
    const SIZE own = SizeOf(Item(kLabels[i]));
    Place(m_hWnd, Placement{kLabels[i], kLabelsLeft, kLabelsTop + i * row, own.cx, own.cy});
    const LONG height = SizeOf(Item(kFields[i])).cy;
    Place(m_hWnd, Placement{kFields[i], fieldsLeft, fieldsTop + i * row,
                            kFieldsRight - fieldsLeft, height});
  }
}

void CDlgNAS::ShowEntry(const NasEntry& entry) {
  ::SendMessageW(Item(IDC_NAS_ADDRESS), IPM_SETADDRESS, 0, entry.address);
  ::SetDlgItemTextW(m_hWnd, IDC_NAS_SHARE, entry.share.c_str());
  ::SetDlgItemTextW(m_hWnd, IDC_NAS_ACCOUNT, entry.account.c_str());
  ::SetDlgItemTextW(m_hWnd, IDC_NAS_PASSWORD, entry.password.c_str());
}

NasEntry CDlgNAS::ReadEntry() const {
  NasEntry entry;
  // Fields left blank read as 0; an address without any is 0 as a whole.
  DWORD address = 0;
  ::SendMessageW(Item(IDC_NAS_ADDRESS), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
  entry.address = address;
  entry.share = GetWindowTextOf(Item(IDC_NAS_SHARE));
  entry.account = GetWindowTextOf(Item(IDC_NAS_ACCOUNT));
  entry.password = GetWindowTextOf(Item(IDC_NAS_PASSWORD));
  return entry;
}

void CDlgNAS::OnConnect() {
  if (!m_input.settings || !m_input.drive || !m_input.address || !m_input.net) return;
  NasMessageBoxes boxes(m_hWnd);
  NasConnection connection(*m_input.net, boxes, NasLink{*m_input.drive, *m_input.address});
  if (ConnectNasEntry(ReadEntry(), *m_input.settings, connection, boxes, *this,
                      m_input.saveSet))
    EndDialog(IDOK);
}

void CDlgNAS::Focus(NasField field, bool selectAll) {
  HWND control = Item(field == NasField::kAddress ? IDC_NAS_ADDRESS : IDC_NAS_SHARE);
  ::SetFocus(control);
  if (!selectAll) return;
  ::SendMessageW(control, EM_SETSEL, 0, -1);
  ::SendMessageW(control, EM_SCROLLCARET, 0, 0);
}

bool CDlgNAS::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam && HIWORD(wParam) != BN_CLICKED) return CDialogSK::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_NAS_CONNECT:
      OnConnect();
      return true;
    case IDC_NAS_CLOSE:
    case IDC_NAS_CANCEL:
      OnCancel();
      return true;
    default:
      return CDialogSK::OnCommand(wParam, lParam);
  }
}

bool CDlgNAS::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_CTLCOLORSTATIC &&
      OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result))
    return true;
  return CDialogSK::OnWndMsg(message, wParam, lParam, result);
}

bool CDlgNAS::OnStaticColour(HDC dc, HWND control, LRESULT* result) const {
  const int id = ::GetDlgCtrlID(control);
  bool isLabel = false;
  for (int label : kLabels) isLabel = isLabel || label == id;
  if (!isLabel) return false;
  ::SetTextColor(dc, kLabelText);
  ::SetBkColor(dc, kLabelBack);
  *result = reinterpret_cast<LRESULT>(m_labelBrush.Get());
  return true;
}

}  // namespace vl
