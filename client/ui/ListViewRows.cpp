#include "client/ui/ListViewRows.h"

#include <commctrl.h>

namespace vl {

void InsertListColumn(HWND list, int index, const String& title, int width) {
  String text = title;
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.cx = width;
  column.pszText = text.data();
  column.iSubItem = index;
  ::SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

namespace {

void SetCell(HWND list, int row, int column, String text) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

void AppendRow(HWND list, const std::vector<String>& cells) {
  if (cells.empty()) return;
  String first = cells.front();
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = first.data();
  const auto row = static_cast<int>(
      ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return;
  for (size_t column = 1; column < cells.size(); ++column)
    SetCell(list, row, static_cast<int>(column), cells[column]);
}

}  // namespace

void SetListRows(HWND list, const std::vector<std::vector<String>>& rows) {
  ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (const auto& cells : rows) AppendRow(list, cells);
}

void SelectListRow(HWND list, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  // Row -1 of LVM_SETITEMSTATE means every row: clear them all first.
  ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (row < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int SelectedListRow(HWND list) {
  return static_cast<int>(
      ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace vl
