// The restore dialog's window: the skinned face, the version list, the picked path and the
// status line, the boxes and browsers its logic asks for, and the worker's outcome handed back.
#include "client/ui/DlgRestore.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "client/platform/FileSystemWin32.h"
#include "client/ui/DialogFont.h"
#include "client/ui/DialogLayout.h"
#include "win32/framework/FolderBrowser.h"
#include "client/ui/ListViewRows.h"
#include "client/ui/RestoreWorker.h"
#include "client/ui/logic/RestoreDialogLogic.h"
#include "resources/client/resource.h"
#include "resources/skin/ClientSkinIds.h"
#include "skin/DialogSK.h"
#include "skin/SkinButtonCursor.h"
#include "win32/ResourceTexts.h"
#include "win32/framework/MessageBox.h"

namespace vl {
namespace {

constexpr UINT kRestoreDoneMessage = WM_APP + 2;
constexpr const wchar_t* kCaption = L"Vaultline";

// Pixel positions on the background picture.
constexpr Placement kPlacements[] = {
    {IDC_RESTORE_CLOSE, 330, 10, 11, 10},  {IDC_RESTORE_BROWSE, 18, 60, 140, 21},
    {IDC_RESTORE_PATH, 18, 88, 318, 18},   {IDC_RESTORE_VERSIONS, 16, 110, 322, 180},
    {IDC_RESTORE_STATUS, 18, 296, 318, 16}, {IDC_RESTORE_HERE, 60, 316, 108, 28},
    {IDC_RESTORE_TO, 186, 316, 108, 28},
};
constexpr struct {
  UINT titleId;
  int width;
} kColumns[] = {{IDS_COLUMN_VERSION, 126}, {IDS_COLUMN_MODIFIED, 126}, {IDS_COLUMN_SIZE, 66}};
constexpr COLORREF kPathColour = 0x12AD5B;

class CDlgRestore : public CDialogSK, private IRestoreDialogView {
 public:
  CDlgRestore(CWnd& parent, const RestoreDialogInput& input);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnDropFiles(HDROP drop) override;
  void OnOK() override {}
  void OnCancel() override;

 private:
  void SetUpFace();
  void SetUpButtons();
  void SetUpList();
  bool OnNotify(const NMHDR& header);
  bool OnStaticColour(HDC dc, HWND control, LRESULT* result) const;
  HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }

  // IRestoreDialogView.
  void ShowMessage(TextId textId, const String& insert) override;
  void ShowFailure(TextId textId, const String& insert) override;
  bool AskYesNo(TextId textId, const String& insert) override;
  bool BrowseForSource(String& chosen) override;
  bool BrowseForFolder(const String& initial, String& chosen) override;
  void ShowSourcePath(const String& path) override;
  void ShowVersions(const std::vector<VersionRow>& rows) override;
  void SelectVersion(int row) override;
  int SelectedVersion() const override { return SelectedListRow(Item(IDC_RESTORE_VERSIONS)); }
  void EnableRestore(bool enable) override;
  void ShowBusy(bool busy) override;
  int Box(TextId textId, const String& insert, UINT type);

  CSourceList m_items;
  String m_targetFolder;
  std::function<bool()> m_backupRunning;
  platform::FileSystemWin32 m_fs;  // also the drive set
  EnglishTexts m_englishTexts;
  ResourceTexts m_texts;
  bool m_showingPath = false;
  CxSkinButtonCursor m_btnClose, m_btnBrowse, m_btnHere, m_btnTo;
  win32::GdiFont m_font;
  // Made once the window exists; the worker goes first, so no copy outlives what it reports to.
  std::unique_ptr<CRestoreDialogLogic> m_logic;
  std::unique_ptr<RestoreWorker> m_worker;
};

CSourceList CopyOf(const CSourceList* items) {
  CSourceList copy;
  if (items) {
    for (const auto& item : *items) copy.AddTail(std::make_unique<CSource>(*item));
  }
  return copy;
}

CDlgRestore::CDlgRestore(CWnd& parent, const RestoreDialogInput& input)
    : CDialogSK(IDD_RESTORE, &parent),
      m_items(CopyOf(input.items)),
      m_targetFolder(input.targetFolder),
      m_backupRunning(input.backupRunning),
      m_texts(m_englishTexts) {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&classes);
}

bool CDlgRestore::OnInitDialog() {
  m_worker = std::make_unique<RestoreWorker>(m_hWnd, kRestoreDoneMessage);
  IRestoreDialogView& view = *this;
  m_logic = std::make_unique<CRestoreDialogLogic>(
      RestoreSetting{m_fs, m_fs, m_items, m_targetFolder, m_backupRunning}, view, *m_worker,
      m_texts);
  SetUpFace();
  SetUpButtons();
  SetUpList();
  m_font = MakeMenuFont();
  if (m_font.Get()) SetFontOnChildren(m_hWnd, m_font.Get());
  for (const Placement& placement : kPlacements) Place(m_hWnd, placement);
  m_logic->Open();
  return true;
}

void CDlgRestore::SetUpFace() {
  ApplyDialogSkin(*this, IDB_REPORT_BACKGROUND);
  SetWindowText(kCaption);
}

void CDlgRestore::SetUpButtons() {
  SkinButtons(*this,
              {{m_btnClose, IDC_RESTORE_CLOSE, IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED,
                IDB_CLOSE_HOVER, IDS_TIP_CLOSE, false},
               {m_btnBrowse, IDC_RESTORE_BROWSE, IDB_RESET_NORMAL, IDB_RESET_PRESSED,
                IDB_RESET_HOVER, IDS_TIP_RESTORE_BROWSE, true},
               {m_btnHere, IDC_RESTORE_HERE, IDB_BACKUP_NORMAL, IDB_BACKUP_PRESSED,
                IDB_BACKUP_HOVER, IDS_TIP_RESTORE_HERE, true},
               {m_btnTo, IDC_RESTORE_TO, IDB_BACKUP_NORMAL, IDB_BACKUP_PRESSED, IDB_BACKUP_HOVER,
                IDS_TIP_RESTORE_TO, true}},
              [this](UINT id) { return m_texts.Text(id); });
}

void CDlgRestore::SetUpList() {
  HWND list = Item(IDC_RESTORE_VERSIONS);
  ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const auto& column : kColumns)
    InsertListColumn(list, index++, m_texts.Text(column.titleId), column.width);
}

bool CDlgRestore::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam && HIWORD(wParam) != BN_CLICKED) return CDialogSK::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_RESTORE_CLOSE:
      OnCancel();
      return true;
    case IDC_RESTORE_BROWSE:
      m_logic->BrowseForSource();
      return true;
    case IDC_RESTORE_HERE:
      m_logic->RestoreToPlace();
      return true;
    case IDC_RESTORE_TO:
      m_logic->RestoreToFolder();
      return true;
    default:
      return CDialogSK::OnCommand(wParam, lParam);
  }
}

bool CDlgRestore::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == kRestoreDoneMessage) {
    const std::unique_ptr<RestoreOutcome> outcome = RestoreWorker::TakeOutcome(lParam);
    if (outcome && m_logic) m_logic->OnRestoreDone(*outcome);
    *result = 0;
    return true;
  }
  if (message == WM_NOTIFY && m_logic && OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
    *result = 0;
    return true;
  }
  if (message == WM_CTLCOLORSTATIC &&
      OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result))
    return true;
  return CDialogSK::OnWndMsg(message, wParam, lParam, result);
}

bool CDlgRestore::OnNotify(const NMHDR& header) {
  if (header.idFrom != IDC_RESTORE_VERSIONS || header.code != LVN_ITEMCHANGED) return false;
  m_logic->SelectionChanged();
  return true;
}

bool CDlgRestore::OnStaticColour(HDC dc, HWND control, LRESULT* result) const {
  const int id = ::GetDlgCtrlID(control);
  if (id != IDC_RESTORE_PATH && id != IDC_RESTORE_STATUS) return false;
  // The lines sit on the background picture; only their letters are drawn. The hint is grey
  // so that it does not read as a path.
  ::SetBkMode(dc, TRANSPARENT);
  const bool path = id == IDC_RESTORE_PATH && m_showingPath;
  ::SetTextColor(dc, path ? kPathColour : ::GetSysColor(COLOR_GRAYTEXT));
  *result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
  return true;
}

void CDlgRestore::OnDropFiles(HDROP drop) {
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<String> paths;
  for (UINT index = 0; index < count; ++index) {
    wchar_t path[MAX_PATH] = L"";
    if (::DragQueryFileW(drop, index, path, MAX_PATH)) paths.emplace_back(path);
  }
  ::DragFinish(drop);
  m_logic->DropPaths(paths);
}

void CDlgRestore::OnCancel() {
  if (m_logic->CanClose()) CDialogSK::OnCancel();
}

int CDlgRestore::Box(TextId textId, const String& insert, UINT type) {
  return AfxMessageBox(m_hWnd, FormatText(m_texts.Text(textId), {insert}), type);
}

void CDlgRestore::ShowMessage(TextId textId, const String& insert) {
  Box(textId, insert, MB_OK | MB_ICONINFORMATION);
}

void CDlgRestore::ShowFailure(TextId textId, const String& insert) {
  // A reason this build has no words for still must not read as an empty, harmless box.
  const TextId shown = m_texts.Text(textId).empty() ? IDS_MSG_RESTORE_FAILED : textId;
  Box(shown, insert, MB_OK | MB_ICONERROR);
}

bool CDlgRestore::AskYesNo(TextId textId, const String& insert) {
  return Box(textId, insert, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool CDlgRestore::BrowseForSource(String& chosen) {
  return BrowseForFileOrFolder(m_hWnd, m_texts.Text(IDS_TITLE_BROWSE_RESTORE_SOURCE), chosen);
}

bool CDlgRestore::BrowseForFolder(const String& initial, String& chosen) {
  return vl::BrowseForFolder(m_hWnd, m_texts.Text(IDS_TITLE_BROWSE_RESTORE_TO), initial, chosen);
}

void CDlgRestore::ShowSourcePath(const String& path) {
  m_showingPath = !path.empty();
  HWND line = Item(IDC_RESTORE_PATH);
  ::SetWindowTextW(line, (path.empty() ? m_texts.Text(IDS_TEXT_RESTORE_HINT) : path).c_str());
  // The old letters are on the picture below: it is drawn again under the new ones.
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CDlgRestore::ShowVersions(const std::vector<VersionRow>& rows) {
  std::vector<std::vector<String>> cells;
  cells.reserve(rows.size());
  for (const VersionRow& row : rows) cells.push_back({row.version, row.modified, row.size});
  SetListRows(Item(IDC_RESTORE_VERSIONS), cells);
}

void CDlgRestore::SelectVersion(int row) {
  HWND list = Item(IDC_RESTORE_VERSIONS);
  SelectListRow(list, row);
  // Without the focus the list draws its selection too faintly to be seen.
  if (row >= 0 && ::IsWindowEnabled(list)) ::SetFocus(list);
}

void CDlgRestore::EnableRestore(bool enable) {
  for (const int id : {IDC_RESTORE_HERE, IDC_RESTORE_TO}) ::EnableWindow(Item(id), enable);
}

void CDlgRestore::ShowBusy(bool busy) {
  const String status = busy ? m_texts.Text(IDS_STATUS_RESTORING) : String();
  ::SetWindowTextW(Item(IDC_RESTORE_STATUS), status.c_str());
  for (const int id : {IDC_RESTORE_BROWSE, IDC_RESTORE_VERSIONS})
    ::EnableWindow(Item(id), !busy);
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

}  // namespace

bool ShowRestoreDialog(CWnd& parent, const RestoreDialogInput& input) {
  CDlgRestore dialog(parent, input);
  return dialog.DoModal() != -1;
}

}  // namespace vl
