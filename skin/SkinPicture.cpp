#include "skin/SkinPicture.h"

#include "win32/handles/DeviceContext.h"

namespace vl {

void StretchPicture(HDC dc, HBITMAP picture, const RECT& rect) {
  BITMAP info{};
  if (!picture || !::GetObjectW(picture, sizeof(info), &info)) return;
  if (info.bmWidth <= 0 || info.bmHeight <= 0) return;
  win32::MemoryDc source(dc);
  win32::SelectedObject selected(source.Get(), picture);
  ::StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               source.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
}

}  // namespace vl
