// The settings dialog's data and the work of its buttons; its face is DlgOptionSyncFace.cpp.
#include "client/ui/DlgOptionSync.h"

#include <string>

#include "client/ui/DlgOptionSyncWindow.h"
#include "resources/client/resource.h"
#include "win32/ResString.h"
#include "win32/framework/MessageBox.h"

namespace vl {
namespace {

constexpr int kModeButtons[] = {IDC_SETTINGS_PERIODIC, IDC_SETTINGS_IDLE, IDC_SETTINGS_REAL_TIME};
constexpr int kHistoryButtons[] = {IDC_SETTINGS_ARCHIVE, IDC_SETTINGS_OVERWRITE};

bool IsChecked(HWND button) { return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
  ::SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The position of the checked button in its group; the stored value when none is checked (a
// mode the dialog has no button for stays as it was).
template <size_t N>
int32_t CheckedIndex(HWND dialog, const int (&group)[N], int32_t unchanged) {
  for (size_t i = 0; i < N; ++i) {
    if (IsChecked(::GetDlgItem(dialog, group[i]))) return static_cast<int32_t>(i);
  }
  return unchanged;
}

template <size_t N>
void CheckIndex(HWND dialog, const int (&group)[N], int32_t index) {
  for (size_t i = 0; i < N; ++i)
    SetChecked(::GetDlgItem(dialog, group[i]), static_cast<int32_t>(i) == index);
}

String TextOf(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), length + 1)));
  return text;
}

}  // namespace

CDlgOptionSync::CDlgOptionSync(CWnd& parent, SettingsChoice& choice,
                               const SettingsDialogInput& input)
    : CDialogSK(IDD_OPTION_SYNC, &parent),
      m_choice(choice),
      m_input(input),
      m_whiteBrush(::CreateSolidBrush(RGB(255, 255, 255))) {}

bool CDlgOptionSync::OnInitDialog() {
  SetUpFace();
  SkinButtons();
  RefreshEnabledStates();
  ApplyFonts();
  PlaceControls();
  ShowData();
  return true;
}

void CDlgOptionSync::TakeData() {
  m_choice.autostart = IsChecked(Item(IDC_SETTINGS_AUTOSTART));
  m_choice.autoConnect = IsChecked(Item(IDC_SETTINGS_AUTO_CONNECT));
  m_choice.autoBackup = IsChecked(Item(IDC_SETTINGS_AUTO_BACKUP)) ? 1 : 0;
  m_choice.backupMode = CheckedIndex(m_hWnd, kModeButtons, m_choice.backupMode);
  m_choice.historyMode = CheckedIndex(m_hWnd, kHistoryButtons, m_choice.historyMode);
  m_choice.period = TextOf(Item(IDC_SETTINGS_HOURS));
  m_choice.idleTime = TextOf(Item(IDC_SETTINGS_MINUTES));
}

void CDlgOptionSync::ShowData() {
  SetChecked(Item(IDC_SETTINGS_AUTOSTART), m_choice.autostart);
  SetChecked(Item(IDC_SETTINGS_AUTO_CONNECT), m_choice.autoConnect);
  SetChecked(Item(IDC_SETTINGS_AUTO_BACKUP), m_choice.autoBackup != 0);
  CheckIndex(m_hWnd, kModeButtons, m_choice.backupMode);
  CheckIndex(m_hWnd, kHistoryButtons, m_choice.historyMode);
  ::SetWindowTextW(Item(IDC_SETTINGS_HOURS), m_choice.period.c_str());
  ::SetWindowTextW(Item(IDC_SETTINGS_MINUTES), m_choice.idleTime.c_str());
  ShowNasButton();
}

void CDlgOptionSync::RefreshEnabledStates() {
  const SettingsControlStates states = EnabledControls(m_choice);
  for (int id : kModeButtons) ::EnableWindow(Item(id), states.modes ? TRUE : FALSE);
  ::EnableWindow(Item(IDC_SETTINGS_HOURS), states.hours ? TRUE : FALSE);
  ::EnableWindow(Item(IDC_SETTINGS_MINUTES), states.minutes ? TRUE : FALSE);
}

void CDlgOptionSync::ShowNasButton() {
  ::ShowWindow(Item(IDC_SETTINGS_NAS), m_choice.autoConnect ? SW_SHOW : SW_HIDE);
}

void CDlgOptionSync::OnAutoConnect() {
  TakeData();
  ShowNasButton();
}

// A NAS dialog given up while no NAS is set up leaves nothing to connect at start.
void CDlgOptionSync::OnNasSettings() {
  const INT_PTR result = m_input.openNasDialog ? m_input.openNasDialog(*this) : IDCANCEL;
  if (result == IDOK || (m_input.nasConfigured && m_input.nasConfigured())) return;
  TakeData();
  m_choice.autoConnect = false;
  ShowData();
}

void CDlgOptionSync::OnReset() {
  if (AfxMessageBox(m_hWnd, LoadResString(IDS_ASK_SYNCHRONIZE), MB_YESNO | MB_ICONQUESTION) ==
      IDYES)
    m_choice.synchronize = true;
  TakeData();
  EndDialog(IDOK);
}

void CDlgOptionSync::OnOK() {
  TakeData();
  const SettingsOkOutcome outcome = CheckSettingsOnOk(m_choice);
  ShowData();
  if (outcome.close) {
    EndDialog(IDOK);
    return;
  }
  Refuse(outcome);
}

void CDlgOptionSync::Refuse(const SettingsOkOutcome& outcome) {
  AfxMessageBox(m_hWnd, LoadResString(static_cast<UINT>(outcome.messageId)),
                MB_OK | MB_ICONINFORMATION);
  HWND field = Item(outcome.focus == IntervalField::kHours ? IDC_SETTINGS_HOURS
                                                           : IDC_SETTINGS_MINUTES);
  ::SetFocus(field);
  if (!outcome.selectText) return;
  ::SendMessageW(field, EM_SETSEL, 0, -1);
  ::SendMessageW(field, EM_SCROLLCARET, 0, 0);
}

bool CDlgOptionSync::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam && HIWORD(wParam) != BN_CLICKED) return CDialogSK::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_SETTINGS_AUTO_BACKUP:
    case IDC_SETTINGS_PERIODIC:
    case IDC_SETTINGS_IDLE:
    case IDC_SETTINGS_REAL_TIME:
      TakeData();
      RefreshEnabledStates();
      return true;
    case IDC_SETTINGS_CLOSE:
      OnCancel();
      return true;
    case IDC_SETTINGS_RESET:
      OnReset();
      return true;
    case IDC_SETTINGS_NAS:
      OnNasSettings();
      return true;
    case IDC_SETTINGS_AUTO_CONNECT:
      OnAutoConnect();
      return true;
    default:
      return CDialogSK::OnCommand(wParam, lParam);
  }
}

bool CDlgOptionSync::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_CTLCOLORSTATIC &&
      OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result))
    return true;
  return CDialogSK::OnWndMsg(message, wParam, lParam, result);
}

bool ShowSettingsDialog(CWnd& parent, SettingsChoice& choice, const SettingsDialogInput& input) {
  SettingsChoice edited = choice;
  CDlgOptionSync dialog(parent, edited, input);
  if (dialog.DoModal() != IDOK) return false;
  choice = edited;
  return true;
}

}  // namespace vl
