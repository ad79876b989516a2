#include "tests/gui/harness/RemoteListView.h"

#include <commctrl.h>

#include "tests/gui/harness/RemoteMemory.h"

namespace vl::test {
namespace {

constexpr UINT kListTimeoutMs = 2000;
constexpr size_t kCellChars = 1024;
// The block: the LVITEMW, then the text buffer it points to.
constexpr size_t kTextOffset = (sizeof(LVITEMW) + 15) / 16 * 16;

bool SendBounded(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& answer) {
  return ::SendMessageTimeoutW(hWnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kListTimeoutMs,
                               &answer) != 0;
}

bool ReadCell(HWND listView, RemoteMemory& block, int row, int column, String& text) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = static_cast<wchar_t*>(block.AddressAt(kTextOffset));
  item.cchTextMax = static_cast<int>(kCellChars);
  const wchar_t none = L'\0';
  DWORD_PTR copied = 0;
  if (!block.Write(0, &item, sizeof(item)) || !block.Write(kTextOffset, &none, sizeof(none)) ||
      !SendBounded(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), block.AsLParam(), copied))
    return false;
  text = block.ReadString(kTextOffset, kCellChars);
  return true;
}

}  // namespace

std::vector<ListViewRow> ReadListViewRows(HWND listView, int columns) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(listView, &processId);
  DWORD_PTR count = 0;
  if (!processId || !SendBounded(listView, LVM_GETITEMCOUNT, 0, 0, count)) return {};
  RemoteMemory block(processId, kTextOffset + (kCellChars + 1) * sizeof(wchar_t));
  std::vector<ListViewRow> rows;
  for (int row = 0; row < static_cast<int>(count); ++row) {
    ListViewRow cells(static_cast<size_t>(columns));
    for (int column = 0; column < columns; ++column) {
      if (!ReadCell(listView, block, row, column, cells[static_cast<size_t>(column)])) return {};
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace vl::test
