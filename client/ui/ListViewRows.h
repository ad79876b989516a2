#pragma once
// A report-style list view filled with rows of text: the columns, the rows replaced whole,
// and the one selected row.
#include <windows.h>

#include <vector>

#include "core/base/String.h"

namespace vl {

void InsertListColumn(HWND list, int index, const String& title, int width);
// Replaces every row; each row's cells go into the columns in order.
void SetListRows(HWND list, const std::vector<std::vector<String>>& rows);
// Selects and focuses row (-1: none).
void SelectListRow(HWND list, int row);
int SelectedListRow(HWND list);

}  // namespace vl
