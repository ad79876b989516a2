#pragma once
// Drawing one picture of a skinned button, stretched to fill a rectangle.
#include <windows.h>

namespace vl {

// Nothing is drawn for a picture without pixels.
void StretchPicture(HDC dc, HBITMAP picture, const RECT& rect);

}  // namespace vl
