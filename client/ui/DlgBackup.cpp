// The backup dialog's messages and commands, showing and hiding it, and its end.
#include "client/ui/DlgBackup.h"

#include <vector>

#include "client/model/Source.h"
#include "client/ui/TrayAnimation.h"
#include "resources/client/resource.h"
#include "win32/framework/WinApp.h"

namespace vl {
namespace {

constexpr UINT kDeleteItemMessage = CMyList::kDeleteItemMessage;  // WM_DELETE_ITEM, 2028
constexpr UINT kLinkClickMessage = CMyHyperLink::kLinkClickMessage;  // WM_LINK_CLICK, 1525
// How long the closing dialog keeps answering a worker that is still winding down; a worker
// stuck beyond that (a copy the system does not let go of) is left to CRunControl's wait.
constexpr DWORD kWorkerWindDownMs = 10000;
constexpr DWORD kWindDownSliceMs = 50;

constexpr ListIcons kItemListIcons{IDI_DELETE_MARK, IDI_ITEM_FILE, IDI_ITEM_FOLDER};

RECT WindowRectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

CDlgBackup::CDlgBackup(std::unique_ptr<IBackupServices> services, TraceFn trace)
    : CDialogSK(IDD_BACKUP),
      m_trace(std::move(trace)),
      m_services(std::move(services)),
      m_texts(m_englishTexts),
      m_run(*m_services, *this, *this, m_fs, m_fs, m_texts, m_clock,
            [this] { m_logic.SelectionChanged(); }),
      m_logic(*m_services, *this, m_fs, m_fs, m_run),
      m_list(kItemListIcons, [this](const void* data) { return DescribeItem(data); }) {}

ListEntryLook CDlgBackup::DescribeItem(const void* data) const {
  const auto* item = static_cast<const CSource*>(data);
  return ListEntryLook{item->path, item->IsFile(m_fs), item->recognized != 0};
}

bool CDlgBackup::CreateModeless(CWnd& parent) {
  // The dialog manager's own procedure behind a class of our name.
  WNDCLASSEXW dialogClass{};
  dialogClass.cbSize = sizeof(dialogClass);
  dialogClass.lpfnWndProc = &::DefDlgProcW;
  dialogClass.cbWndExtra = DLGWINDOWEXTRA;
  dialogClass.hInstance = AfxGetInstanceHandle();
  dialogClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  dialogClass.lpszClassName = kWindowClass;
  if (!::RegisterClassExW(&dialogClass) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    return false;
  return Create(&parent);
}

CDlgBackup::~CDlgBackup() {
  // The window goes first, while the run control and the logic it talks to still exist.
  DestroyWindow();
}

void CDlgBackup::ShowBackupDialog() {
  if (!m_hWnd) return;
  // While a run is active the worker reads the list, so it stays as it is.
  if (!m_run.IsRunActive()) {
    ShowRunControls(false);
    m_logic.Reload();
  }
  if (IsWindowVisible()) {
    ShowWindow(SW_RESTORE);
    ::SetForegroundWindow(m_hWnd);
  } else {
    CentreOnWorkArea();
    AnimateCaption(m_hWnd, GetTrayRect(), WindowRectOf(m_hWnd));
    ShowWindow(SW_SHOW);
  }
  if (IsWindowVisible()) Trace(L"[VAULTLINE][Dialog] shown");
}

void CDlgBackup::StartAutomaticBackup() { StartAutomatic(false); }

void CDlgBackup::StartSynchronizingBackup() { StartAutomatic(true); }

void CDlgBackup::StartAutomatic(bool synchronize) {
  // The start would be ignored, and the flag would silence the report of the user's own run.
  if (!m_hWnd || m_run.IsRunActive()) return;
  m_run.State().automaticStart = true;
  m_run.State().synchronize = synchronize;
  Trace(synchronize ? L"[VAULTLINE][Dialog] automatic synchronizing start"
                    : L"[VAULTLINE][Dialog] automatic start");
  PostStartCommand();
}

void CDlgBackup::SetTargetLineColour(COLORREF colour) {
  m_logic.m_crTargetLine = colour;
  if (m_lineTarget.m_hWnd)
    m_lineTarget.SetColours(colour, m_lineTarget.m_crHover, m_lineTarget.m_crVisited);
}

bool CDlgBackup::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case kLinkClickMessage:
      OnLinkClick(static_cast<int>(wParam));
      *result = 0;
      return true;
    case kDeleteItemMessage:
      m_logic.DeleteItem(static_cast<int>(wParam));
      *result = 0;
      return true;
    case kBackupDoneMessage:
      OnBackupDone(wParam);
      *result = 0;
      return true;
    case kProgressMessage:
      ShowProgress(m_progress.Take());
      *result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) != Item(IDC_BACKUP_LOCATION_LABEL)) break;
      *result = OnLabelColour(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      break;
  }
  return CDialogSK::OnWndMsg(message, wParam, lParam, result);
}

bool CDlgBackup::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == IDC_BACKUP_LIST) {
    if (HIWORD(wParam) == LBN_SELCHANGE) m_logic.SelectionChanged();
    return true;
  }
  // Control notifications other than clicks (focus, double-click) change nothing.
  if (lParam && HIWORD(wParam) != BN_CLICKED) return CDialogSK::OnCommand(wParam, lParam);
  switch (id) {
    case IDC_BACKUP_CLOSE:
      OnHide();
      return true;
    case IDC_BACKUP_MINIMIZE:
      ShowWindow(SW_MINIMIZE);
      return true;
    case IDC_BACKUP_ADD:
      m_logic.AddByBrowsing();
      return true;
    case IDC_BACKUP_LOCATION:
      m_logic.ChooseTarget();
      return true;
    case IDC_BACKUP_START:
      OnStart();
      return true;
    case IDC_BACKUP_STOP:
      m_run.CancelBackup();
      return true;
    default:
      return CDialogSK::OnCommand(wParam, lParam);
  }
}

void CDlgBackup::OnCancel() { PostMessage(WM_COMMAND, MAKEWPARAM(IDC_BACKUP_CLOSE, 0), 0); }

void CDlgBackup::OnStart() {
  // The running mark is set by a start and cleared only by the completion on this thread, so
  // it tells whether this command made a worker even when the run is over already.
  const bool wasRunning = m_run.State().running;
  m_run.StartBackup();
  if (!wasRunning && m_run.State().running) Trace(L"[VAULTLINE][Dialog] run started");
}

void CDlgBackup::OnHide() {
  if (m_run.IsRunActive()) return;
  AnimateCaption(m_hWnd, WindowRectOf(m_hWnd), GetTrayRect());
  ShowWindow(SW_HIDE);
}

void CDlgBackup::OnLinkClick(int lineId) {
  if (lineId == IDC_BACKUP_SOURCE_LINE)
    m_logic.OpenSourceLine(m_lineSource.GetWindowText());
  else if (lineId == IDC_BACKUP_TARGET_LINE)
    m_logic.OpenTargetLine();
}

void CDlgBackup::OnBackupDone(WPARAM code) {
  const auto completion = static_cast<RunCompletion>(static_cast<int32_t>(code));
  Trace(L"[VAULTLINE][Dialog] run done " + std::to_wstring(static_cast<int>(completion)));
  m_run.OnBackupDone(completion);
}

LRESULT CDlgBackup::OnLabelColour(HDC dc) {
  // The label sits on the background picture; only its letters are drawn.
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

void CDlgBackup::OnDropFiles(HDROP drop) {
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<String> paths;
  paths.reserve(count);
  for (UINT index = 0; index < count; ++index) {
    wchar_t path[MAX_PATH] = L"";
    if (::DragQueryFileW(drop, index, path, MAX_PATH)) paths.emplace_back(path);
  }
  ::DragFinish(drop);
  m_logic.AddDroppedPaths(paths);
}

void CDlgBackup::OnDestroy() {
  CDialogSK::OnDestroy();
  WaitForWorker();
  // A worker that did not end in time still holds the lists; CRunControl waits for it later.
  if (!m_run.IsRunActive()) m_run.State().ClearLists();
}

void CDlgBackup::WaitForWorker() {
  m_sendGate.Close();
  m_run.RequestStop();
  // The worker may be inside a SendMessage to this window; answering sent messages (and only
  // those: posted commands must not run in a window that is going away) lets it get out.
  const DWORD start = ::GetTickCount();
  while ((m_run.IsRunActive() || m_sendGate.Busy()) &&
         ::GetTickCount() - start < kWorkerWindDownMs) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kWindDownSliceMs, QS_SENDMESSAGE);
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void CDlgBackup::Trace(const String& line) const {
  if (m_trace) m_trace(line);
}

}  // namespace vl
