#include "client/engine/ReportFormat.h"

#include <cstdio>

#include "client/engine/TextFormat.h"

namespace vl {
namespace {

constexpr int64_t kKilo = int64_t{1} << 10;
constexpr int64_t kMega = int64_t{1} << 20;
constexpr int64_t kGiga = int64_t{1} << 30;

// printf's rounding of the C library, ASCII only, so it widens one to one.
String TwoDecimals(double value) {
  char buffer[64] = {};
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  String text;
  for (const char* c = buffer; *c != '\0'; ++c) text += static_cast<Char>(*c);
  return text;
}

String Scaled(int64_t bytes, int64_t unit, const Char* suffix) {
  return TwoDecimals(static_cast<double>(bytes) / static_cast<double>(unit)) + suffix;
}

// At least two digits, as "%02d" pads: a negative part keeps its sign and is not padded.
String TwoDigits(int64_t value) {
  String digits = DecimalText(value);
  if (value >= 0 && digits.size() < 2) digits.insert(digits.begin(), VLT('0'));
  return digits;
}

}  // namespace

String FormatSize(int64_t bytes) {
  if (bytes < kKilo) {
    const auto low = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(bytes)));
    return DecimalText(low) + VLT("   B");
  }
  if (bytes < kMega) return Scaled(bytes, kKilo, VLT(" KB"));
  if (bytes < kGiga) return Scaled(bytes, kMega, VLT(" MB"));
  return Scaled(bytes, kGiga, VLT(" GB"));
}

String FormatElapsed(int64_t seconds) {
  constexpr int64_t kMinute = 60;
  constexpr int64_t kHour = 60 * kMinute;
  constexpr int64_t kDay = 24 * kHour;
  const int64_t hours = (seconds % kDay) / kHour;
  const int64_t minutes = (seconds % kHour) / kMinute;
  return TwoDigits(hours) + VLT(':') + TwoDigits(minutes) + VLT(':') +
         TwoDigits(seconds % kMinute);
}

}  // namespace vl
