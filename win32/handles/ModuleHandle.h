#pragma once
// A library loaded with LoadLibraryW; released with FreeLibrary.
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct ModuleHandleTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return FreeLibrary(h) != FALSE; }
};

using ModuleHandle = UniqueHandle<ModuleHandleTraits>;

// An exported function of module as the caller's function-pointer type, or null. The cast goes
// through void* because FARPROC's own signature is unrelated to any real export.
template <typename Function>
Function GetExport(HMODULE module, const char* name) {
  FARPROC proc = module ? ::GetProcAddress(module, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(proc));
}

}  // namespace vl::win32
