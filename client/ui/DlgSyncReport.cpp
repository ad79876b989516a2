#include "client/ui/DlgSyncReport.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "client/ui/DialogFont.h"
#include "client/ui/DialogLayout.h"
#include "client/ui/ListViewRows.h"
#include "client/ui/logic/ColumnFit.h"
#include "resources/client/resource.h"
#include "resources/skin/ClientSkinIds.h"
#include "win32/ResString.h"

namespace vl {
namespace {

// Pixel positions in the background bitmap's coordinates.
constexpr Placement kCloseButton{IDC_REPORT_CLOSE, 330, 10, 11, 10};
constexpr Placement kOkButton{IDOK, 141, 316, 73, 28};
constexpr Placement kErrorList{IDC_REPORT_ERRORS, 16, 224, 320, 78};
constexpr int kResultX = 20;
constexpr int kResultY = 54;
constexpr int kResultWidth = 318;

// The figures: a label and its value, twice per row. Each column takes the width the template
// gives its row-1 control; a value sits one pixel right of its label, and the second pair ten
// pixels right of the first.
constexpr int kGridColumns = 4;
constexpr int kGrid[][kGridColumns] = {
    {IDC_REPORT_FILES_LABEL, IDC_REPORT_FILES, IDC_REPORT_FOLDERS_LABEL, IDC_REPORT_FOLDERS},
    {IDC_REPORT_NEW_LABEL, IDC_REPORT_NEW, IDC_REPORT_UPDATES_LABEL, IDC_REPORT_UPDATES},
    {IDC_REPORT_SIZE_LABEL, IDC_REPORT_SIZE, IDC_REPORT_ELAPSED_LABEL, IDC_REPORT_ELAPSED},
};
constexpr int kGridRowTop[] = {118, 138, 158};
constexpr int kGridRowHeight = 20;
constexpr int kGridLeft = 40;
constexpr int kGapAfterColumn[kGridColumns - 1] = {1, 10, 1};

constexpr int kFileNameColumnWidth = 150;
constexpr int kErrorColumnWidth = 200;

bool IsValueColumn(int column) { return column % 2 == 1; }

// The grid's column (0 to 3) of a figure control, or -1.
int GridColumnOf(int id) {
  for (const auto& row : kGrid) {
    for (int column = 0; column < kGridColumns; ++column) {
      if (row[column] == id) return column;
    }
  }
  return -1;
}

SIZE SizeOf(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// How wide a control's text is in the font it shows it in.
int TextWidth(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  if (length <= 0) return 0;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(control, text.data(), length + 1)));
  HDC dc = ::GetDC(control);
  if (!dc) return 0;
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = ::SelectObject(dc, font);
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  ::SelectObject(dc, old);
  ::ReleaseDC(control, dc);
  return extent.cx;
}

// The template's widths, narrowed where a larger font would push the grid past the skin's right
// edge (that of the result line), but never below what a column's texts need.
std::vector<int> GridColumnWidths(HWND dialog) {
  std::vector<int> preferred(kGridColumns, 0);
  std::vector<int> needed(kGridColumns, 0);
  for (int column = 0; column < kGridColumns; ++column) {
    preferred[column] = SizeOf(::GetDlgItem(dialog, kGrid[0][column])).cx;
    for (const auto& row : kGrid) {
      needed[column] = std::max(needed[column], TextWidth(::GetDlgItem(dialog, row[column])));
    }
  }
  int room = kResultX + kResultWidth - kGridLeft;
  for (int gap : kGapAfterColumn) room -= gap;
  return FitColumnWidths(preferred, needed, room);
}

void PlaceGrid(HWND dialog) {
  const std::vector<int> width = GridColumnWidths(dialog);
  int left[kGridColumns] = {kGridLeft};
  for (int column = 1; column < kGridColumns; ++column)
    left[column] = left[column - 1] + width[column - 1] + kGapAfterColumn[column - 1];
  for (size_t row = 0; row < std::size(kGrid); ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      Place(dialog, Placement{kGrid[row][column], left[column], kGridRowTop[row], width[column],
                              kGridRowHeight});
    }
  }
}

}  // namespace

CDlgSyncReport::CDlgSyncReport(CWnd* parent) : CDialogSK(IDD_SYNC_REPORT, parent) {
  // The template's list view needs its window class before the dialog is made.
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&classes);
}

CDlgSyncReport::~CDlgSyncReport() = default;

bool CDlgSyncReport::OnInitDialog() {
  ApplySkin();
  SkinButtons();
  PlaceControls();
  ApplyFonts();
  InsertColumns();
  MakeFigures();
  FillErrorRows();
  TransferTexts();
  // Only now are the fonts and texts the grid must hold known.
  PlaceGrid(m_hWnd);
  return true;
}

void CDlgSyncReport::ApplySkin() {
  ApplyDialogSkin(*this, IDB_REPORT_BACKGROUND);
  const String title = LoadResString(IDS_TITLE_APPLICATION);
  SetWindowText(title.empty() ? String(L"Vaultline") : title);
}

void CDlgSyncReport::SkinButtons() {
  m_btnClose.SubclassDlgItem(IDC_REPORT_CLOSE, this);
  SkinButton(m_btnClose, IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED, IDB_CLOSE_HOVER,
             LoadResString(IDS_TIP_CLOSE), false);
  m_btnOk.SubclassDlgItem(IDOK, this);
  // The skin's button face carries no lettering of its own.
  SkinButton(m_btnOk, IDB_OK_NORMAL, IDB_OK_PRESSED, IDB_OK_HOVER, LoadResString(IDS_TIP_OK),
             true);
}

void CDlgSyncReport::PlaceControls() {
  Place(m_hWnd, kCloseButton);
  Place(m_hWnd, kOkButton);
  Place(m_hWnd, kErrorList);
  const LONG resultHeight = SizeOf(GetDlgItem(IDC_REPORT_RESULT)).cy;
  Place(m_hWnd, Placement{IDC_REPORT_RESULT, kResultX, kResultY, kResultWidth, resultHeight});
}

void CDlgSyncReport::ApplyFonts() {
  m_font = MakeMenuFont();
  m_boldFont = MakeMenuFont(kBoldWeight);
  SetFontOnChildren(m_hWnd, m_font.Get());
  if (m_boldFont) {
    ::SendMessageW(GetDlgItem(IDC_REPORT_RESULT), WM_SETFONT,
                   reinterpret_cast<WPARAM>(m_boldFont.Get()), TRUE);
  }
}

void CDlgSyncReport::InsertColumns() {
  HWND list = GetDlgItem(IDC_REPORT_ERRORS);
  InsertListColumn(list, 0, LoadResString(IDS_COLUMN_FILE_NAME), kFileNameColumnWidth);
  InsertListColumn(list, 1, LoadResString(IDS_COLUMN_ERROR), kErrorColumnWidth);
}

void CDlgSyncReport::MakeFigures() {
  // Without the run's counters there is nothing to report but an empty, successful run.
  const RunStats stats = m_pStats ? *m_pStats : RunStats{};
  m_figures = MakeReportFigures(stats, m_pErrors ? m_pErrors->size() : 0);
  m_strResult = LoadResString(m_figures.resultTextId);
}

void CDlgSyncReport::FillErrorRows() {
  if (!m_pErrors) return;
  std::vector<std::vector<String>> rows;
  for (const auto& error : *m_pErrors) {
    if (error) rows.push_back({error->path, error->message});
  }
  SetListRows(GetDlgItem(IDC_REPORT_ERRORS), rows);
}

void CDlgSyncReport::TransferTexts() {
  const std::pair<int, const String*> texts[] = {
      {IDC_REPORT_RESULT, &m_strResult},         {IDC_REPORT_FILES, &m_figures.files},
      {IDC_REPORT_FOLDERS, &m_figures.folders},  {IDC_REPORT_NEW, &m_figures.newCopies},
      {IDC_REPORT_UPDATES, &m_figures.updates},  {IDC_REPORT_SIZE, &m_figures.totalSize},
      {IDC_REPORT_ELAPSED, &m_figures.elapsed},
  };
  for (const auto& [id, text] : texts) ::SetDlgItemTextW(m_hWnd, id, text->c_str());
}

bool CDlgSyncReport::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == IDC_REPORT_CLOSE && HIWORD(wParam) == BN_CLICKED) {
    OnCancel();
    return true;
  }
  return CDialogSK::OnCommand(wParam, lParam);
}

bool CDlgSyncReport::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_CTLCOLORSTATIC &&
      OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result)) {
    return true;
  }
  return CDialogSK::OnWndMsg(message, wParam, lParam, result);
}

bool CDlgSyncReport::OnStaticColour(HDC dc, HWND control, LRESULT* result) const {
  const int id = ::GetDlgCtrlID(control);
  const int column = GridColumnOf(id);
  COLORREF colour = ::GetSysColor(COLOR_WINDOWTEXT);
  if (id == IDC_REPORT_RESULT)
    colour = m_figures.resultColour;
  else if (column < 0)
    return false;
  else if (IsValueColumn(column))
    colour = kReportValueColour;
  // The skin shows through: the text goes straight onto the background bitmap.
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, colour);
  *result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
  return true;
}

}  // namespace vl
