#pragma once
// Reading a history copy's name back: which file it was a version of, and when. The names are
// HistoryFileName's (History.h) in any letter case; a name that only looks like one (a stamp
// of the wrong length, a month 13, a file whose own name holds "_VL") is told apart here, so
// that prune never takes a user's file for a history copy.
#include <cstdint>

#include "client/engine/Clock.h"
#include "core/base/String.h"

namespace vl {

struct HistoryName {
  String original;  // the file's own name: the stem and extension around "_VL<stamp>[_N]"
  String stamp;     // the 14 digits
  int number = 1;   // the _N of a replacement within the same second; 1 without one
};

// Whether name is a history copy's name; fills parsed when it is.
bool ParseHistoryName(StringView name, HistoryName& parsed);

// The stamp's digits as a time; false for anything but 14 digits of a real date and time.
bool ParseHistoryStamp(StringView stamp, LocalTime& time);

// A local time in status seconds (FileStatus: whole seconds since 1970 on the local clock).
int64_t LocalTimeSeconds(const LocalTime& time);

// "YYYY-MM-DD HH:MM:SS" of a valid stamp; the stamp as it is otherwise.
String FormatHistoryStamp(StringView stamp);

}  // namespace vl
