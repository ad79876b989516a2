#include "tests/gui/dialog/ReportWindow.h"

#include "tests/gui/dialog/DialogClient.h"
#include "tests/gui/harness/ProcessWindows.h"

namespace vl::test {

ReportView ReadReport(HWND report) {
  ReportView view;
  view.result = ControlText(report, IDC_REPORT_RESULT);
  view.files = ControlText(report, IDC_REPORT_FILES);
  view.folders = ControlText(report, IDC_REPORT_FOLDERS);
  view.newCopies = ControlText(report, IDC_REPORT_NEW);
  view.updates = ControlText(report, IDC_REPORT_UPDATES);
  view.totalSize = ControlText(report, IDC_REPORT_SIZE);
  view.elapsed = ControlText(report, IDC_REPORT_ELAPSED);
  view.rows = ReadListViewRows(::GetDlgItem(report, IDC_REPORT_ERRORS), 2);
  return view;
}

bool CloseReport(HWND report) {
  return ClickCentreOf(::GetDlgItem(report, IDOK)) &&
         WaitFor([&] { return !::IsWindow(report) || !::IsWindowVisible(report); },
                 kGuiStepTimeoutMs);
}

}  // namespace vl::test
