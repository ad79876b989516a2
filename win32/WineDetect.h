#pragma once
// Whether this process runs under Wine, for the few places where Wine behaves differently
// from Windows and a program has to make up for it.
namespace vl::win32 {

// True when ntdll exports wine_get_version, which only Wine's ntdll does.
bool IsRunningOnWine();

}  // namespace vl::win32
