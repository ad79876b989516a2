#pragma once
// Where a run's progress is shown: the backup dialog's bar, status line and caption, or the
// console tool's output. Called on the worker thread, in the order the run produces updates.
#include "core/base/String.h"

namespace vl {

class IProgressView {
 public:
  virtual ~IProgressView() = default;
  virtual void ShowPercent(int percent) = 0;
  virtual void ShowStatus(const String& text) = 0;
  virtual void ShowCaption(const String& text) = 0;
};

// For runs nobody watches.
class NullProgressView : public IProgressView {
 public:
  void ShowPercent(int) override {}
  void ShowStatus(const String&) override {}
  void ShowCaption(const String&) override {}
};

}  // namespace vl
