#pragma once
// How the client reads the automatic-backup intervals, and the ranges it accepts for them. The
// settings dialog and vlbackup's settings command refuse the same values; the timers read the
// stored text the same way.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

// A setting's decimal text read as the C library reads a long: optional blanks and sign, then
// the digits up to the first other character. No digits, and a negative value, count as 0
// (every rule compares a count that is never negative with it); too many as the maximum.
uint32_t SettingNumber(const String& text);

struct IntervalRange {
  uint32_t minimum;
  uint32_t maximum;
  const Char* resetText;  // what a refused value is replaced with
};

// Hours between periodic backups, and minutes of idle time before an idle-time backup.
constexpr IntervalRange kPeriodHours{1, 24, VLT("4")};
constexpr IntervalRange kIdleMinutes{1, 120, VLT("10")};

enum class IntervalVerdict { kAccepted, kEmpty, kOutOfRange };

// Empty text, text that reads outside the range (letters read as 0), or accepted.
IntervalVerdict CheckInterval(const String& text, const IntervalRange& range);

}  // namespace vl
