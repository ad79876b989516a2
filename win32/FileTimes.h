#pragma once
// File times as the client compares them: whole seconds since 1 January 1970 on the local
// wall clock, so that a copy on another volume (FAT keeps local time, NTFS UTC) reads the same.
#include <windows.h>

#include <cstdint>

namespace vl::win32 {

int64_t LocalSecondsFromFileTime(const FILETIME& utc);
// false when the value lies outside what FILETIME can hold.
bool FileTimeFromLocalSeconds(int64_t seconds, FILETIME& utc);

}  // namespace vl::win32
