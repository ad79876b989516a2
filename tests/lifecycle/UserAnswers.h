#pragma once
// Playing the user for a program of the prefix, whoever started it (the updater is started by
// the client, not by the test): its message boxes are answered by their text until it ends.
#include <windows.h>

#include <vector>

#include "core/base/String.h"

namespace vl::test {

struct BoxAnswer {
  String text;
  int buttonId;
};

struct PlayedRun {
  std::vector<String> boxes;  // the text of every box, in order
  bool ended = false;         // false: the program was killed after the time-out
  DWORD exitCode = 0;
};

// Answers each box of the process (with this caption, unless null) with the button given for
// its text; a box with a text not given is still recorded and gets No, or else OK, so that a
// question nobody expected is never agreed to.
PlayedRun PlayUntilEnd(DWORD processId, const wchar_t* caption,
                       const std::vector<BoxAnswer>& answers, DWORD timeoutMs);

}  // namespace vl::test
