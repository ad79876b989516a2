#pragma once
// A GDI object (pen, brush, bitmap, font, region) freed with DeleteObject.
#include "win32/handles/UniqueHandle.h"

namespace vl::win32 {

template <typename T>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static bool Close(Handle h) { return DeleteObject(h) != FALSE; }
};

template <typename T>
using GdiObject = UniqueHandle<GdiObjectTraits<T>>;

using GdiBitmap = GdiObject<HBITMAP>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiPen = GdiObject<HPEN>;
using GdiFont = GdiObject<HFONT>;
using GdiRegion = GdiObject<HRGN>;

}  // namespace vl::win32
