#pragma once
// Progress as text lines, for the console tool: every status line that differs from the one
// before it, so a copy shows one line per percent rather than one per progress callback.
#include <functional>

#include "client/engine/ProgressView.h"

namespace vl {

class LineProgressView : public IProgressView {
 public:
  explicit LineProgressView(std::function<void(const String&)> writeLine);

  void ShowPercent(int) override {}
  void ShowStatus(const String& text) override;
  void ShowCaption(const String&) override {}

 private:
  std::function<void(const String&)> m_writeLine;
  String m_lastLine;
};

}  // namespace vl
