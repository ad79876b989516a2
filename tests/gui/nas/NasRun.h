#pragma once
// The NAS dialog run modally on the test's thread over settings and a mapping state of the
// test's own, with the real network calls, while a second thread drives the open window.
#include <windows.h>

#include <functional>

#include "client/model/Settings.h"
#include "core/base/String.h"

namespace vl::test {

class NasRun {
 public:
  using WindowAction = std::function<void(HWND dialog)>;

  CSettings settings;
  String drive;
  uint32_t address = 0;
  int saves = 0;

  // Shows the dialog; drive works it once it is painted and should end it. A dialog still
  // open two seconds later is ended with IDCANCEL, so no test hangs.
  void Run(const WindowAction& drive);

  bool Opened() const { return m_opened; }
  bool ClosedByTheTest() const { return m_closedByTest; }
  INT_PTR Result() const { return m_result; }

 private:
  void Drive(DWORD uiThread, const WindowAction& action);

  bool m_opened = false;
  bool m_closedByTest = false;
  INT_PTR m_result = 0;
  volatile LONG m_modalReturned = 0;
};

// Waits for the message box the dialog shows, answers it with button and returns its text;
// empty when none came.
String AnswerMessageBox(int button = IDOK);

}  // namespace vl::test
