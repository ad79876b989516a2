#include "win32/WineDetect.h"

#include "win32/handles/ModuleHandle.h"

namespace vl::win32 {

bool IsRunningOnWine() {
  using WineGetVersion = const char*(__cdecl*)();
  return GetExport<WineGetVersion>(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") !=
         nullptr;
}

}  // namespace vl::win32
