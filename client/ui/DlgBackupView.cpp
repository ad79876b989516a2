// The backup dialog as its logic sees it: boxes, the item list, the two lines, the run's
// controls, the report and the shell's folder browser.
#include "client/ui/DlgBackup.h"

#include <commctrl.h>

#include "client/engine/TextFormat.h"
#include "client/ui/DlgSyncReport.h"
#include "win32/framework/FolderBrowser.h"
#include "client/ui/ShellOpen.h"
#include "core/rules/ShortenText.h"
#include "resources/client/resource.h"
#include "win32/framework/MessageBox.h"

namespace vl {

void CDlgBackup::ShowMessage(uint32_t textId) {
  AfxMessageBox(m_hWnd, m_texts.Text(textId), MB_OK | MB_ICONINFORMATION);
}

void CDlgBackup::ShowMessageWith(uint32_t textId, const String& insert) {
  AfxMessageBox(m_hWnd, FormatText(m_texts.Text(textId), {insert}), MB_OK | MB_ICONINFORMATION);
}

bool CDlgBackup::AskYesNo(uint32_t textId, BoxIcon icon) {
  const UINT iconStyle = icon == BoxIcon::question ? MB_ICONQUESTION : MB_ICONINFORMATION;
  return AfxMessageBox(m_hWnd, m_texts.Text(textId), MB_YESNO | iconStyle) == IDYES;
}

void CDlgBackup::ClearItemList() { ::SendMessageW(m_list.m_hWnd, LB_RESETCONTENT, 0, 0); }

int CDlgBackup::AddItemEntry(CSource* item) {
  const int index = m_list.AddEntry(item);
  return index < 0 ? -1 : index;
}

void CDlgBackup::DeleteItemEntry(int index) {
  ::SendMessageW(m_list.m_hWnd, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void CDlgBackup::SelectItemEntry(int index) {
  ::SendMessageW(m_list.m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int CDlgBackup::SelectedItemEntry() const {
  const LRESULT selected = ::SendMessageW(m_list.m_hWnd, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

CSource* CDlgBackup::ItemAt(int index) const {
  if (index < 0 || index >= m_list.GetCount()) return nullptr;
  return static_cast<CSource*>(m_list.EntryData(index));
}

void CDlgBackup::RedrawItemList() { m_list.Invalidate(); }

void CDlgBackup::ShowSourceLine(const String& text) {
  m_lineSource.SetWindowText(text);
  if (!text.empty()) return;
  // Hiding and showing again repaints the background the old text covered.
  m_lineSource.ShowWindow(SW_HIDE);
  m_lineSource.ShowWindow(SW_SHOW);
}

void CDlgBackup::ShowTargetLine(const String& fullPath, uint32_t colour) {
  HWND line = m_lineTarget.m_hWnd;
  const int width = m_lineTarget.GetClientRect().right;
  m_strTargetLine = FitToLabelWidth(fullPath, width, [this, line](const String& text) {
    return TextWidthIn(line, text);
  });
  m_lineTarget.SetWindowText(m_strTargetLine);
  m_lineTarget.SetColours(colour, m_lineTarget.m_crHover, m_lineTarget.m_crVisited);
}

void CDlgBackup::ShowRunControls(bool running) {
  ::SendMessageW(Item(IDC_BACKUP_PROGRESS), PBM_SETPOS, 0, 0);
  ShowItem(IDC_BACKUP_PROGRESS, running);
  ShowItem(IDC_BACKUP_STOP, running);
  ShowItem(IDC_BACKUP_START, !running);
  // While a run is active the source line shows its status, not a link.
  m_lineSource.m_bInactive = running ? 1 : 0;
  if (!running)
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CDlgBackup::ShowReport(const ErrorList& errors, const RunStats& stats) {
  CDlgSyncReport report(this);
  report.m_pErrors = &errors;
  report.m_pStats = &stats;
  report.DoModal();
}

void CDlgBackup::PostStartCommand() {
  PostMessage(WM_COMMAND, MAKEWPARAM(IDC_BACKUP_START, BN_CLICKED), 0);
}

bool CDlgBackup::BrowseForFolder(uint32_t titleId, const String& initial, String& chosen) {
  return vl::BrowseForFolder(m_hWnd, m_texts.Text(titleId), initial, chosen);
}

void CDlgBackup::OpenFolder(const String& path) {
  Trace(L"[VAULTLINE][Dialog] open " + path);
  OpenWithShell(m_hWnd, path);
}

void CDlgBackup::ShowItem(int id, bool show) const {
  ::ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
}

}  // namespace vl
