#pragma once
// Drawing a skinned dialog's background bitmap into its client area.
#include <windows.h>

namespace vl {

enum class BackgroundStyle : int {
  origin = 0,   // at the client origin
  tile = 1,     // repeated until the client area is covered
  centre = 2,   // centred in the client area
  stretch = 3,  // stretched over the client area
  origin2 = 4,  // at the origin, like origin (the style every client dialog uses)
};

// Draws bitmap (of bitmapSize) into dc over client by style; false when the bitmap could not
// be selected.
bool PaintBackground(HDC dc, HBITMAP bitmap, SIZE bitmapSize, const RECT& client, int style);

}  // namespace vl
