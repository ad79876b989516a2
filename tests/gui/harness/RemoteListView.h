#pragma once
// The rows of a list view of another process, read cell by cell through an LVITEMW and a text
// buffer placed in that process.
#include <windows.h>

#include <vector>

#include "core/base/String.h"

namespace vl::test {

using ListViewRow = std::vector<String>;

// Each row's first `columns` cells; empty when there are no rows or the list view does not
// answer.
std::vector<ListViewRow> ReadListViewRows(HWND listView, int columns);

}  // namespace vl::test
