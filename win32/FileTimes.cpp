#include "win32/FileTimes.h"

namespace vl::win32 {
namespace {

// 100-nanosecond ticks between 1 January 1601 (FILETIME's origin) and 1 January 1970.
constexpr int64_t kTicksTo1970 = 116'444'736'000'000'000LL;
constexpr int64_t kTicksPerSecond = 10'000'000LL;

int64_t Ticks(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) |
                              time.dwLowDateTime);
}

}  // namespace

int64_t LocalSecondsFromFileTime(const FILETIME& utc) {
  FILETIME local{};
  if (!FileTimeToLocalFileTime(&utc, &local)) local = utc;
  const int64_t ticks = Ticks(local) - kTicksTo1970;
  // Fractions are dropped toward the earlier second, also before 1970.
  return ticks >= 0 ? ticks / kTicksPerSecond : -((-ticks + kTicksPerSecond - 1) / kTicksPerSecond);
}

bool FileTimeFromLocalSeconds(int64_t seconds, FILETIME& utc) {
  if (seconds < -kTicksTo1970 / kTicksPerSecond ||
      seconds > (INT64_MAX - kTicksTo1970) / kTicksPerSecond)
    return false;
  const uint64_t ticks = static_cast<uint64_t>(seconds * kTicksPerSecond + kTicksTo1970);
  FILETIME local{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  return LocalFileTimeToFileTime(&local, &utc) != FALSE;
}

}  // namespace vl::win32
