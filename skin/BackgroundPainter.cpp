#include "skin/BackgroundPainter.h"

#include "win32/handles/DeviceContext.h"

namespace vl {
namespace {

void Tile(HDC dc, HDC source, SIZE size, int width, int height) {
  for (int y = 0; y < height; y += size.cy) {
    for (int x = 0; x < width; x += size.cx)
      ::BitBlt(dc, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
  }
}

}  // namespace

bool PaintBackground(HDC dc, HBITMAP bitmap, SIZE size, const RECT& client, int style) {
  if (!bitmap || size.cx <= 0 || size.cy <= 0) return false;
  win32::MemoryDc source(dc);
  win32::SelectedObject selected(source.Get(), bitmap);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  switch (static_cast<BackgroundStyle>(style)) {
    case BackgroundStyle::tile:
      Tile(dc, source.Get(), size, width, height);
      break;
    case BackgroundStyle::centre:
      ::BitBlt(dc, (width - size.cx) / 2, (height - size.cy) / 2, size.cx, size.cy, source.Get(), 0,
               0, SRCCOPY);
      break;
    case BackgroundStyle::stretch:
      ::StretchBlt(dc, 0, 0, width, height, source.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
      break;
    default:
      ::BitBlt(dc, 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
      break;
  }
  return true;
}

}  // namespace vl
