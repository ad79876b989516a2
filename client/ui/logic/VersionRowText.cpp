#include "client/ui/logic/VersionRowText.h"

#include <iterator>

#include "client/engine/ReportFormat.h"
#include "client/engine/TextFormat.h"
#include "client/engine/restore/HistoryName.h"
#include "client/engine/restore/Versions.h"
#include "core/text/TextProvider.h"
#include "resources/client/resource.h"

namespace vl {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

void AppendPadded(String& out, int64_t value, int width) {
  String digits;
  for (int i = 0; i < width || value > 0; ++i, value /= 10)
    digits.insert(digits.begin(), static_cast<Char>('0' + value % 10));
  out += digits;
}

// Year, month and day of a count of days since 1970-01-01 in the proleptic Gregorian
// calendar, also for days before 1970 (a file time of 0 or below must still print sanely).
void CivilFromDays(int64_t days, int64_t& year, int& month, int& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

}  // namespace

String LocalTimeText(int64_t localSeconds) {
  int64_t days = localSeconds / kSecondsPerDay;
  int64_t secondOfDay = localSeconds % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    --days;
  }
  int64_t year = 0;
  int month = 0;
  int day = 0;
  CivilFromDays(days, year, month, day);
  String text;
  if (year < 0) text.push_back('-');
  AppendPadded(text, year < 0 ? -year : year, 4);
  const int64_t parts[] = {month, day, secondOfDay / 3600, secondOfDay / 60 % 60,
                           secondOfDay % 60};
  const Char separators[] = {'-', '-', ' ', ':', ':'};
  for (size_t i = 0; i < std::size(parts); ++i) {
    text.push_back(separators[i]);
    AppendPadded(text, parts[i], 2);
  }
  return text;
}

VersionRow MakeVersionRow(const FileVersion& version, bool isFolder, const ITextProvider& texts) {
  VersionRow row;
  if (version.current) {
    row.version = texts.Text(IDS_TEXT_CURRENT_VERSION);
  } else {
    row.version = FormatHistoryStamp(version.stamp);
    // Copies kept within one second would otherwise read alike.
    if (version.number > 1) row.version += VLT(" (") + DecimalText(version.number) + VLT(")");
  }
  row.modified = LocalTimeText(version.lastWriteTime);
  if (!isFolder) row.size = FormatSize(static_cast<int64_t>(version.size));
  return row;
}

}  // namespace vl
