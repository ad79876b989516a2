#pragma once
// The run's status line on stderr: rewritten in place on a console, one line per change when
// stderr is a pipe or a file, where carriage returns would only garble a log.
#include "client/cli/ProgressLine.h"
#include "client/engine/LineProgressView.h"

namespace vl {

class ConsoleProgress {
 public:
  ConsoleProgress();
  ConsoleProgress(const ConsoleProgress&) = delete;
  ConsoleProgress& operator=(const ConsoleProgress&) = delete;

  IProgressView& View() { return m_view; }
  // Leaves the last status on the console and ends its line, so the report starts on a fresh one.
  void Finish();

 private:
  void Write(const String& line);

  bool m_inPlace;
  InPlaceLine m_line;
  LineProgressView m_view;
};

}  // namespace vl
