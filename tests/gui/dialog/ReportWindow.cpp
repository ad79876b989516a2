#include "tests/gui/dialog/ReportWindow.h"

#include "tests/gui/dialog/DialogClient.h"
#include "tests/gui/harness/ProcessWindows.h"

namespace vl::test {
namespace {

constexpr int kIdFiles = 1032;
constexpr int kIdNewCopies = 1033;
constexpr int kIdTotalSize = 1034;
constexpr int kIdFolders = 1036;
constexpr int kIdUpdates = 1037;
constexpr int kIdElapsed = 1038;
constexpr int kIdErrorList = 1022;

}  // namespace

ReportView ReadReport(HWND report) {
  ReportView view;
  view.result = ControlText(report, kIdResultLine);
  view.files = ControlText(report, kIdFiles);
  view.folders = ControlText(report, kIdFolders);
  view.newCopies = ControlText(report, kIdNewCopies);
  view.updates = ControlText(report, kIdUpdates);
  view.totalSize = ControlText(report, kIdTotalSize);
  view.elapsed = ControlText(report, kIdElapsed);
  view.rows = ReadListViewRows(::GetDlgItem(report, kIdErrorList), 2);
  return view;
}

bool CloseReport(HWND report) {
  return ClickCentreOf(::GetDlgItem(report, IDOK)) &&
         WaitFor([&] { return !::IsWindow(report) || !::IsWindowVisible(report); },
                 kGuiStepTimeoutMs);
}

}  // namespace vl::test
