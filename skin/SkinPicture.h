#pragma once
// Drawing one picture of a skinned button: copied, stretched or tiled into a rectangle, and
// optionally combined with a mask whose white parts leave the background showing.
#include <windows.h>

namespace vl {

enum class PictureMode : int { copy = 0, stretch = 1, tile = 2 };

void DrawPicture(HDC dc, HBITMAP picture, HBITMAP mask, const RECT& rect, PictureMode mode);

// The picture's size in pixels; 0x0 for none.
SIZE PictureSize(HBITMAP picture);

}  // namespace vl
