// What the installer's dialog does: switching between the two kinds of installation, browsing
// for a folder, cancelling, and handing a press of Next to the installation.
#include "installer/VLInstallDlg.h"

#include <commctrl.h>

#include "installer/InstallFolders.h"
#include "installer/InstallHost.h"
#include "installer/logic/InstallSequence.h"
#include "resources/installer/resource.h"
#include "win32/ResString.h"
#include "win32/framework/FolderBrowser.h"
#include "win32/framework/MessageBox.h"

namespace vl::installer {

CVLInstallDlg::CVLInstallDlg()
    : CDialogSK(IDD_VLINSTALL), m_probe(m_shell), m_choice(m_probe) {}

void CVLInstallDlg::DoDataExchange(bool save) {
  if (save) {
    m_strInstallFolder = GetWindowTextOf(GetDlgItem(IDC_INSTALL_FOLDER));
    m_bDesktopIcon = ::IsDlgButtonChecked(m_hWnd, IDC_INSTALL_DESKTOP_ICON) == BST_CHECKED;
    return;
  }
  ::SetDlgItemTextW(m_hWnd, IDC_INSTALL_FOLDER, m_strInstallFolder.c_str());
  ::CheckDlgButton(m_hWnd, IDC_INSTALL_DESKTOP_ICON, m_bDesktopIcon ? BST_CHECKED : BST_UNCHECKED);
}

bool CVLInstallDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED) return CDialogSK::OnCommand(wParam, lParam);
  switch (LOWORD(wParam)) {
    case IDC_INSTALL_PC:
      OnChoosePc();
      return true;
    case IDC_INSTALL_REMOVABLE:
      OnChooseRemovable();
      return true;
    case IDC_INSTALL_BROWSE:
      OnBrowse();
      return true;
    case IDC_INSTALL_NEXT:
      OnInstall();
      return true;
    case IDC_INSTALL_CLOSE:
    case IDC_INSTALL_CANCEL:
      OnCancel();
      return true;
    default:
      return CDialogSK::OnCommand(wParam, lParam);
  }
}

bool CVLInstallDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_PAINT && PaintMinimised()) {
    *result = 0;
    return true;
  }
  return CDialogSK::OnWndMsg(message, wParam, lParam, result);
}

// A minimised window has no room for the skin: it shows the program's icon instead.
bool CVLInstallDlg::PaintMinimised() {
  if (!::IsIconic(m_hWnd)) return false;
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  RECT client{};
  ::GetClientRect(m_hWnd, &client);
  auto icon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL, 0));
  const int width = ::GetSystemMetrics(SM_CXSMICON);
  const int height = ::GetSystemMetrics(SM_CYSMICON);
  if (icon)
    ::DrawIconEx(dc, (client.right - width + 1) / 2, (client.bottom - height + 1) / 2, icon,
                 width, height, 0, nullptr, DI_NORMAL);
  ::EndPaint(m_hWnd, &paint);
  return true;
}

void CVLInstallDlg::OnCancel() {
  if (AfxMessageBox(m_hWnd, LoadResString(IDS_ASK_CANCEL), MB_YESNO | MB_ICONQUESTION) == IDYES)
    EndDialog(IDCANCEL);
}

void CVLInstallDlg::OnChoosePc() {
  if (!m_choice.Choose(InstallKind::pc)) return;
  ShowKindControls();
}

void CVLInstallDlg::OnChooseRemovable() {
  // What was typed stays for a later switch back.
  DoDataExchange(true);
  if (!m_choice.Choose(InstallKind::removable)) return;
  ShowKindControls();
  FillVolumeList();
}

void CVLInstallDlg::ShowKindControls() {
  const int pcShow = m_choice.Kind() == InstallKind::pc ? SW_SHOW : SW_HIDE;
  for (int id : {IDC_INSTALL_FOLDER, IDC_INSTALL_BROWSE, IDC_INSTALL_DESKTOP_ICON})
    ::ShowWindow(GetDlgItem(id), pcShow);
  ::ShowWindow(GetDlgItem(IDC_INSTALL_VOLUMES), pcShow == SW_SHOW ? SW_HIDE : SW_SHOW);
  ShowChoiceLook();
}

void CVLInstallDlg::FillVolumeList() {
  HWND list = GetDlgItem(IDC_INSTALL_VOLUMES);
  ListView_DeleteAllItems(list);
  const std::vector<RemovableVolume>& volumes = m_choice.Volumes();
  for (int i = 0; i < static_cast<int>(volumes.size()); ++i) {
    String root = volumes[i].root;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = i;
    item.pszText = root.data();
    item.iImage = volumes[i].icon;
    const int index = ListView_InsertItem(list, &item);
    String label = volumes[i].label;
    if (index >= 0 && !label.empty()) ListView_SetItemText(list, index, 1, label.data());
  }
}

String CVLInstallDlg::SelectedVolume() const {
  const int index = ListView_GetNextItem(GetDlgItem(IDC_INSTALL_VOLUMES), -1, LVNI_SELECTED);
  const std::vector<RemovableVolume>& volumes = m_choice.Volumes();
  return index >= 0 && index < static_cast<int>(volumes.size()) ? volumes[index].root
                                                                 : String();
}

void CVLInstallDlg::OnBrowse() {
  String chosen;
  if (!BrowseForFolder(m_hWnd, LoadResString(IDS_BROWSE_TITLE), String(), chosen)) return;
  DoDataExchange(true);
  m_strInstallFolder = chosen;
  DoDataExchange(false);
}

void CVLInstallDlg::OnInstall() {
  DoDataExchange(true);
  InstallRequest request;
  request.kind = m_choice.Kind();
  request.folderText = m_strInstallFolder;
  request.defaultFolder = m_strDefaultFolder;
  request.volumeRoot = SelectedVolume();
  request.desktopIcon = m_bDesktopIcon != 0;
  request.uninstallName = LoadResString(IDS_UNINSTALL_NAME);
  CInstallHost host(m_hWnd);
  if (RunInstall(request, FindInstallFolders(), host) == InstallOutcome::finished)
    EndDialog(IDOK);
}

}  // namespace vl::installer
