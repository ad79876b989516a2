#pragma once
// An icon loaded without LR_SHARED; destroyed with DestroyIcon.
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct IconHandleTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return DestroyIcon(h) != FALSE; }
};

using IconHandle = UniqueHandle<IconHandleTraits>;

}  // namespace vl::win32
