#pragma once
// A menu loaded from resources or created; destroyed with DestroyMenu.
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

struct MenuHandleTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return DestroyMenu(h) != FALSE; }
};

using MenuHandle = UniqueHandle<MenuHandleTraits>;

}  // namespace vl::win32
