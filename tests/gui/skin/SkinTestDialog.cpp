#include "tests/gui/skin/SkinTestDialog.h"

#include "resources/skin/ClientSkinIds.h"
#include "tests/gui/skin/SkinTestResources.h"

namespace vl::test {
namespace {

constexpr int kListItemHeight = 31;

void Place(HWND parent, int id, int x, int y, int width, int height) {
  ::SetWindowPos(::GetDlgItem(parent, id), nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

constexpr ListIcons kListIcons{IDI_SKIN_DELETE_MARK, IDI_SKIN_FILE, IDI_SKIN_FOLDER};

}  // namespace

CSkinTestDialog::CSkinTestDialog()
    : CDialogSK(IDD_SKIN_TEST),
      m_list(kListIcons,
             [](const void* data) { return *static_cast<const ListEntryLook*>(data); }) {
  m_entries.push_back({L"C:\\windows", false, true});
  m_entries.push_back({L"C:\\Missing\\Report.doc", true, false});
  m_entries.push_back(
      {L"C:\\windows\\system32\\a very long folder name that cannot fit in the list at all",
       false, true});
}

CSkinTestDialog::~CSkinTestDialog() = default;

bool CSkinTestDialog::OnInitDialog() {
  SetBitmap(159u);
  SetStyle(static_cast<int>(BackgroundStyle::origin2));
  EnableEasyMove();
  SizeToBitmap();
  m_layered = EnableColourKey();
  SubclassControls();
  PlaceControls();
  FillList();
  return true;
}

void CSkinTestDialog::SubclassControls() {
  m_btnClose.SubclassDlgItem(IDC_SKIN_CLOSE, this);
  m_btnClose.SetSkin(IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED, IDB_CLOSE_HOVER);
  m_btnClose.SetToolTipText(L"Close");
  m_btnCheck.SubclassDlgItem(IDC_SKIN_CHECK, this);
  m_btnCheck.SetSkin(IDB_NAS_NORMAL, IDB_NAS_PRESSED, IDB_NAS_HOVER);
  m_btnBackup.SubclassDlgItem(IDC_SKIN_BACKUP, this);
  m_btnBackup.SetSkin(IDB_BACKUP_NORMAL, IDB_BACKUP_PRESSED, IDB_BACKUP_HOVER);
  m_btnBackup.SetTextColor(RGB(255, 255, 255));
  m_btnBackup.SetToolTipText(L"Backup");
  m_list.SubclassDlgItem(IDC_SKIN_LIST, this);
  m_link.SubclassDlgItem(IDC_SKIN_LINK, this);
  m_link.SetColours(kLinkColour, kLinkColour, kLinkColour);
  m_link.m_bNotifyParent = 1;
  m_link.SetToolTipText(L"Click to open backup source path.");
  m_emptyLink.SubclassDlgItem(IDC_SKIN_EMPTY_LINK, this);
  m_emptyLink.m_bNotifyParent = 1;
  m_option.SubclassDlgItem(IDC_SKIN_OPTION, this);
}

void CSkinTestDialog::PlaceControls() {
  Place(m_hWnd, IDC_SKIN_CLOSE, 330, 10, 11, 10);
  Place(m_hWnd, IDC_SKIN_CHECK, 18, 64, 50, 20);
  Place(m_hWnd, IDC_SKIN_OPTION, 90, 66, 120, 18);
  Place(m_hWnd, IDC_SKIN_LIST, 17, 103, 320, 157);
  Place(m_hWnd, IDC_SKIN_LINK, 17, 270, 320, 25);
  Place(m_hWnd, IDC_SKIN_EMPTY_LINK, 17, 303, 320, 19);
  Place(m_hWnd, IDC_SKIN_BACKUP, 124, 328, 108, 28);
}

void CSkinTestDialog::FillList() {
  ::SendMessageW(m_list.m_hWnd, LB_SETITEMHEIGHT, 0, kListItemHeight);
  for (ListEntryLook& entry : m_entries) m_list.AddEntry(&entry);
}

bool CSkinTestDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case CMyList::kDeleteItemMessage:
      ++m_deleteRequests;
      m_lastDeleteIndex = wParam;
      return true;
    case CMyHyperLink::kLinkClickMessage:
      ++m_linkClicks;
      m_lastLinkId = wParam;
      return true;
    default:
      return CDialogSK::OnWndMsg(message, wParam, lParam, result);
  }
}

}  // namespace vl::test
