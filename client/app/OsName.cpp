#include "client/app/OsName.h"

#include <windows.h>

namespace vl {
namespace {

// Both record layouts start with the same fields.
template <typename Record>
OsVersion FromRecord(const Record& record, bool workstation) {
  OsVersion version;
  version.known = true;
  version.ntFamily = record.dwPlatformId == VER_PLATFORM_WIN32_NT;
  version.major = record.dwMajorVersion;
  version.minor = record.dwMinorVersion;
  version.workstation = workstation;
  return version;
}

}  // namespace

OsVersion QueryOsVersion() {
  OSVERSIONINFOEXW extended{};
  extended.dwOSVersionInfoSize = sizeof(extended);
  if (::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended)))
    return FromRecord(extended, extended.wProductType == VER_NT_WORKSTATION);
  OSVERSIONINFOW plain{};
  plain.dwOSVersionInfoSize = sizeof(plain);
  // The plain record has no product type; only very old systems answer here, and for them the
  // type does not change the name.
  if (::GetVersionExW(&plain)) return FromRecord(plain, true);
  return OsVersion{};
}

String GetOsName() { return OsNameFor(QueryOsVersion()); }

}  // namespace vl
