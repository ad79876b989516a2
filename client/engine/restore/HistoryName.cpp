#include "client/engine/restore/HistoryName.h"

#include "client/engine/PathUtil.h"

namespace vl {
namespace {

constexpr size_t kStampDigits = 14;
constexpr int kMaxNumber = 100;  // MoveToHistory gives up beyond this many in one second

bool IsDigit(Char c) { return c >= VLT('0') && c <= VLT('9'); }

bool AllDigits(StringView text) {
  for (Char c : text) {
    if (!IsDigit(c)) return false;
  }
  return !text.empty();
}

int DigitsValue(StringView digits) {
  int value = 0;
  for (Char c : digits) value = value * 10 + (c - VLT('0'));
  return value;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Whether base ends with "_VL" and a valid stamp; stem is what comes before.
bool SplitStamped(StringView base, StringView& stem, String& stamp) {
  const size_t marker = 3 + kStampDigits;
  if (base.size() < marker) return false;
  const StringView tail = base.substr(base.size() - marker);
  LocalTime time;
  if (!EqualsNoCase(tail.substr(0, 3), VLT("_VL")) || !ParseHistoryStamp(tail.substr(3), time)) {
    return false;
  }
  stem = base.substr(0, base.size() - marker);
  stamp.assign(tail.substr(3));
  return true;
}

// The "_N" that a replacement within the same second adds after the stamp, when base has one
// after a valid stamp; 1 otherwise.
int SplitNumber(StringView& base) {
  const size_t underscore = base.rfind(VLT('_'));
  if (underscore == StringView::npos) return 1;
  const StringView digits = base.substr(underscore + 1);
  if (digits.size() > 3 || !AllDigits(digits) || digits.front() == VLT('0')) return 1;
  const int number = DigitsValue(digits);
  StringView stem;
  String stamp;
  if (number < 2 || number > kMaxNumber || !SplitStamped(base.substr(0, underscore), stem, stamp)) {
    return 1;
  }
  base = base.substr(0, underscore);
  return number;
}

void AppendPadded(String& out, StringView digits, Char separator) {
  if (separator != 0) out += separator;
  out.append(digits);
}

}  // namespace

bool ParseHistoryStamp(StringView stamp, LocalTime& time) {
  if (stamp.size() != kStampDigits || !AllDigits(stamp)) return false;
  LocalTime parsed;
  parsed.year = DigitsValue(stamp.substr(0, 4));
  parsed.month = DigitsValue(stamp.substr(4, 2));
  parsed.day = DigitsValue(stamp.substr(6, 2));
  parsed.hour = DigitsValue(stamp.substr(8, 2));
  parsed.minute = DigitsValue(stamp.substr(10, 2));
  parsed.second = DigitsValue(stamp.substr(12, 2));
  if (parsed.year < 1601 || parsed.month < 1 || parsed.month > 12 || parsed.day < 1 ||
      parsed.day > DaysInMonth(parsed.year, parsed.month) || parsed.hour > 23 ||
      parsed.minute > 59 || parsed.second > 59) {
    return false;
  }
  time = parsed;
  return true;
}

bool ParseHistoryName(StringView name, HistoryName& parsed) {
  // HistoryFileName puts the stamp before the last dot, so the last dot is the original's.
  const size_t dot = name.rfind(VLT('.'));
  StringView base = dot == StringView::npos ? name : name.substr(0, dot);
  const StringView extension = dot == StringView::npos ? StringView() : name.substr(dot);
  const int number = SplitNumber(base);
  StringView stem;
  String stamp;
  if (!SplitStamped(base, stem, stamp) || stem.size() + extension.size() == 0) return false;
  parsed.original.assign(stem);
  parsed.original.append(extension);
  parsed.stamp = stamp;
  parsed.number = number;
  return true;
}

int64_t LocalTimeSeconds(const LocalTime& time) {
  // Days from 1970-01-01 in the proleptic Gregorian calendar (a civil-from-days inverse).
  const int year = time.year - (time.month <= 2 ? 1 : 0);
  const int era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = year - era * 400;
  const int monthIndex = (time.month + 9) % 12;
  const int dayOfYear = (153 * monthIndex + 2) / 5 + time.day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const int64_t days = static_cast<int64_t>(era) * 146097 + dayOfEra - 719468;
  return days * 86400 + time.hour * 3600 + time.minute * 60 + time.second;
}

String FormatHistoryStamp(StringView stamp) {
  LocalTime time;
  if (!ParseHistoryStamp(stamp, time)) return String(stamp);
  String out;
  AppendPadded(out, stamp.substr(0, 4), 0);
  AppendPadded(out, stamp.substr(4, 2), VLT('-'));
  AppendPadded(out, stamp.substr(6, 2), VLT('-'));
  AppendPadded(out, stamp.substr(8, 2), VLT(' '));
  AppendPadded(out, stamp.substr(10, 2), VLT(':'));
  AppendPadded(out, stamp.substr(12, 2), VLT(':'));
  return out;
}

}  // namespace vl
