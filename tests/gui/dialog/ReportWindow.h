#pragma once
// The report dialog of the client as the test reads it: the result line, the six figures and
// the error rows.
#include <windows.h>

#include <vector>

#include "resources/client/resource.h"
#include "tests/gui/harness/RemoteListView.h"

namespace vl::test {

constexpr const wchar_t* kTextSuccess = L"The process has been completed successfully";
constexpr const wchar_t* kTextErrorOccurred = L"Error occurred";

struct ReportView {
  String result;
  String files;
  String folders;
  String newCopies;
  String updates;
  String totalSize;
  String elapsed;
  std::vector<ListViewRow> rows;  // path, message
};

ReportView ReadReport(HWND report);
// A real click on OK; true once the report has gone.
bool CloseReport(HWND report);

}  // namespace vl::test
