#pragma once
// Process, thread and event handles: CloseHandle, with null as "no handle".
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return CloseHandle(h) != FALSE; }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;

}  // namespace vl::win32
