#pragma once
// The report dialog run modally on the test's thread, as the backup dialog runs it, while a
// second thread looks at the open window and then closes it the way a test chooses.
#include <windows.h>

#include <functional>

#include "client/engine/RunState.h"

namespace vl::test {

class ReportRun {
 public:
  using WindowStep = std::function<void(HWND dialog)>;

  // Either pointer may be null, as a careless caller might leave it.
  ReportRun(const RunStats* stats, const ErrorList* errors) : m_stats(stats), m_errors(errors) {}

  // Shows the dialog; inspect looks at it once it is painted, then close tries to end it. When
  // close does not end it in time the run ends it with IDCANCEL itself, so no test hangs.
  void Run(const WindowStep& inspect, const WindowStep& close);

  bool Opened() const { return m_opened; }
  bool ClosedByTheTest() const { return m_closedByTest; }
  INT_PTR Result() const { return m_result; }

 private:
  void Inspect(DWORD uiThread, const WindowStep& inspect, const WindowStep& close);

  const RunStats* m_stats;
  const ErrorList* m_errors;
  bool m_opened = false;
  bool m_closedByTest = false;
  INT_PTR m_result = 0;
  volatile LONG m_modalReturned = 0;
};

// The report dialog of the test program's resources, found among the thread's windows; null
// while it is not shown.
HWND FindReportWindow(DWORD uiThread);

}  // namespace vl::test
