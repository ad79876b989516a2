#include "skin/SkinPicture.h"

#include "win32/handles/DeviceContext.h"

namespace vl {
namespace {

void Place(HDC dc, HDC source, SIZE size, const RECT& rect, PictureMode mode, DWORD rop) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  switch (mode) {
    case PictureMode::stretch:
      ::StretchBlt(dc, rect.left, rect.top, width, height, source, 0, 0, size.cx, size.cy, rop);
      break;
    case PictureMode::tile:
      for (int y = 0; y < height; y += size.cy) {
        for (int x = 0; x < width; x += size.cx)
          ::BitBlt(dc, rect.left + x, rect.top + y, size.cx, size.cy, source, 0, 0, rop);
      }
      break;
    default:
      ::BitBlt(dc, rect.left, rect.top, width, height, source, 0, 0, rop);
      break;
  }
}

void PlaceBitmap(HDC dc, HBITMAP bitmap, const RECT& rect, PictureMode mode, DWORD rop) {
  const SIZE size = PictureSize(bitmap);
  if (size.cx <= 0 || size.cy <= 0) return;
  win32::MemoryDc source(dc);
  win32::SelectedObject selected(source.Get(), bitmap);
  Place(dc, source.Get(), size, rect, mode, rop);
}

}  // namespace

SIZE PictureSize(HBITMAP picture) {
  BITMAP info{};
  if (!picture || !::GetObjectW(picture, sizeof(info), &info)) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void DrawPicture(HDC dc, HBITMAP picture, HBITMAP mask, const RECT& rect, PictureMode mode) {
  if (!mask) {
    PlaceBitmap(dc, picture, rect, mode, SRCCOPY);
    return;
  }
  // background ^ picture, & mask, ^ picture: white mask pixels give the background back,
  // black ones give the picture.
  PlaceBitmap(dc, picture, rect, mode, SRCINVERT);
  PlaceBitmap(dc, mask, rect, mode, SRCAND);
  PlaceBitmap(dc, picture, rect, mode, SRCINVERT);
}

}  // namespace vl
