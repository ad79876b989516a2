// The installer's window as it is made: background and outline, controls in their pixel
// positions with their pictures and tooltips, the volume list's columns and pictures, and the
// folder proposed below Program Files.
#include "installer/InstallFolders.h"
#include "installer/VLInstallDlg.h"
#include "installer/logic/InstallPaths.h"
#include "resources/installer/resource.h"
#include "resources/skin/InstallerSkinIds.h"
#include "win32/ResString.h"
#include "win32/framework/WinApp.h"

namespace vl::installer {
namespace {

struct Placement {
  int id;
  int x, y, width, height;
};

constexpr Placement kPlacements[] = {
    {IDC_INSTALL_CLOSE, 332, 10, 10, 10},      {IDC_INSTALL_PC, 17, 80, 144, 19},
    {IDC_INSTALL_REMOVABLE, 161, 80, 143, 19}, {IDC_INSTALL_FOLDER, 41, 141, 219, 20},
    {IDC_INSTALL_BROWSE, 263, 141, 50, 21},    {IDC_INSTALL_NEXT, 104, 286, 73, 28},
    {IDC_INSTALL_CANCEL, 180, 286, 73, 28},    {IDC_INSTALL_VOLUMES, 17, 99, 320, 172},
};
// The check box keeps the size its template gives it.
constexpr POINT kDesktopIconAt{43, 237};

constexpr COLORREF kCaptionOnDark = RGB(255, 255, 255);
constexpr COLORREF kCaptionOnLight = RGB(60, 70, 80);
constexpr COLORREF kCheckBoxText = RGB(130, 130, 130);
constexpr COLORREF kCheckBoxBackground = RGB(255, 255, 255);

struct Column {
  UINT titleId;
  int width;
};
constexpr Column kColumns[] = {{IDS_COLUMN_DISK, 110}, {IDS_COLUMN_VOLUME, 210}};

}  // namespace

bool CVLInstallDlg::OnInitDialog() {
  SetUpWindow();
  m_hSmallIcons = m_shell.SystemSmallIcons();
  SetUpButtons();
  PlaceControls();
  SetUpVolumeList();
  m_strDefaultFolder = DefaultInstallFolder(FindInstallFolders().programFiles);
  m_strInstallFolder = m_strDefaultFolder;
  DoDataExchange(false);
  return true;
}

void CVLInstallDlg::SetUpWindow() {
  // Shared: the system keeps the icon for the process, so the dialog need not free it.
  auto* icon = static_cast<HICON>(
      ::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SetBitmap(IDB_INSTALLER_BACKGROUND);
  SetStyle(static_cast<int>(BackgroundStyle::origin2));
  EnableEasyMove();
  SizeToBitmap();
  // Without layered windows the dialog simply stays rectangular.
  EnableColourKey();
  SetWindowText(kTitle);
}

void CVLInstallDlg::SetUpButtons() {
  const struct {
    CxSkinButtonCursor& button;
    int id;
    UINT normal, pressed, hover;
    UINT tipId;
    bool captioned;  // the picture has no words, so the tooltip's text is drawn on it
  } buttons[] = {
      {m_btnClose, IDC_INSTALL_CLOSE, IDB_INSTALLER_CLOSE_NORMAL, IDB_INSTALLER_CLOSE_PRESSED,
       IDB_INSTALLER_CLOSE_HOVER, IDS_TIP_CLOSE, false},
      {m_btnPc, IDC_INSTALL_PC, 0, 0, 0, IDS_TIP_PC, true},
      {m_btnRemovable, IDC_INSTALL_REMOVABLE, 0, 0, 0, IDS_TIP_REMOVABLE, true},
      {m_btnBrowse, IDC_INSTALL_BROWSE, IDB_INSTALLER_BROWSE_NORMAL,
       IDB_INSTALLER_BROWSE_PRESSED, IDB_INSTALLER_BROWSE_HOVER, IDS_TIP_BROWSE, true},
      {m_btnNext, IDC_INSTALL_NEXT, IDB_INSTALLER_INSTALL_NORMAL, IDB_INSTALLER_INSTALL_PRESSED,
       IDB_INSTALLER_INSTALL_HOVER, IDS_TIP_NEXT, true},
      {m_btnCancel, IDC_INSTALL_CANCEL, IDB_INSTALLER_CANCEL_NORMAL,
       IDB_INSTALLER_CANCEL_PRESSED, IDB_INSTALLER_CANCEL_HOVER, IDS_TIP_CANCEL, true},
  };
  for (const auto& b : buttons) {
    b.button.SubclassDlgItem(b.id, this);
    // The choice buttons get their pictures from the kind shown (ShowChoiceLook).
    if (b.normal) b.button.SetSkin(b.normal, b.pressed, b.hover);
    const String tip = LoadResString(b.tipId);
    b.button.SetToolTipText(tip);
    if (!b.captioned) continue;
    b.button.SetWindowText(tip);
    b.button.SetTextColor(kCaptionOnDark);
  }
  ShowChoiceLook();
  m_chkDesktopIcon.SubclassDlgItem(IDC_INSTALL_DESKTOP_ICON, this);
  m_chkDesktopIcon.SetColours(kCheckBoxText, kCheckBoxBackground);
}

// The chosen kind's button is drawn dark, the other light, in every state of the button.
void CVLInstallDlg::ShowChoiceLook() {
  const bool pc = m_choice.Kind() == InstallKind::pc;
  const UINT pcPicture = pc ? IDB_INSTALLER_PC_SELECTED : IDB_INSTALLER_PC_UNSELECTED;
  const UINT removablePicture =
      pc ? IDB_INSTALLER_REMOVABLE_UNSELECTED : IDB_INSTALLER_REMOVABLE_SELECTED;
  m_btnPc.SetSkin(pcPicture, pcPicture, pcPicture);
  m_btnPc.SetTextColor(pc ? kCaptionOnDark : kCaptionOnLight);
  m_btnRemovable.SetSkin(removablePicture, removablePicture, removablePicture);
  m_btnRemovable.SetTextColor(pc ? kCaptionOnLight : kCaptionOnDark);
  m_btnPc.Invalidate();
  m_btnRemovable.Invalidate();
}

void CVLInstallDlg::PlaceControls() {
  for (const Placement& place : kPlacements)
    ::SetWindowPos(GetDlgItem(place.id), nullptr, place.x, place.y, place.width, place.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(GetDlgItem(IDC_INSTALL_DESKTOP_ICON), nullptr, kDesktopIconAt.x,
                 kDesktopIconAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CVLInstallDlg::SetUpVolumeList() {
  HWND list = GetDlgItem(IDC_INSTALL_VOLUMES);
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    String title = LoadResString(kColumns[i].titleId);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kColumns[i].width;
    column.pszText = title.data();
    ListView_InsertColumn(list, i, &column);
  }
  ListView_SetImageList(list, m_hSmallIcons, LVSIL_SMALL);
}

}  // namespace vl::installer
