#pragma once
// Ctrl+C or Ctrl+Break in the console cancels the run the way the dialog's Stop button does,
// so that the run ends at its next check point with its report instead of the process dying
// in the middle of a copy.
namespace vl {

class CBackupRunner;

// Routes the console's break events to runner for as long as it lives.
class CtrlCancel {
 public:
  explicit CtrlCancel(CBackupRunner& runner);
  ~CtrlCancel();
  CtrlCancel(const CtrlCancel&) = delete;
  CtrlCancel& operator=(const CtrlCancel&) = delete;
};

}  // namespace vl
