#include "tests/gui/harness/Capture.h"

#include <algorithm>

#include "tests/gui/harness/Png.h"
#include "tests/win32/TempFolder.h"
#include "win32/handles/DeviceContext.h"
#include "win32/handles/GdiObject.h"

namespace vl::test {
namespace {

// A top-down 32-bit DIB section of the given size with its bits.
win32::GdiBitmap MakeDib(HDC reference, int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return win32::GdiBitmap(::CreateDIBSection(reference, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

}  // namespace

int Image::Count(uint32_t rgb, const RECT& rect) const {
  int count = 0;
  for (int y = std::max(0L, rect.top); y < std::min<LONG>(height, rect.bottom); ++y) {
    for (int x = std::max(0L, rect.left); x < std::min<LONG>(width, rect.right); ++x)
      count += At(x, y) == rgb ? 1 : 0;
  }
  return count;
}

Image CaptureScreen(const RECT& screenRect) {
  Image image;
  image.width = screenRect.right - screenRect.left;
  image.height = screenRect.bottom - screenRect.top;
  if (image.width <= 0 || image.height <= 0) return Image{};
  win32::WindowDc screen(nullptr);
  win32::MemoryDc memory(screen.Get());
  void* bits = nullptr;
  win32::GdiBitmap dib = MakeDib(screen.Get(), image.width, image.height, &bits);
  if (!dib || !bits) return Image{};
  {
    win32::SelectedObject selected(memory.Get(), dib.Get());
    ::BitBlt(memory.Get(), 0, 0, image.width, image.height, screen.Get(), screenRect.left,
             screenRect.top, SRCCOPY);
    ::GdiFlush();
  }
  const auto* source = static_cast<const uint32_t*>(bits);
  image.pixels.assign(source, source + static_cast<size_t>(image.width) * image.height);
  for (uint32_t& p : image.pixels) p &= 0x00FFFFFF;
  return image;
}

Image CaptureWholeScreen() {
  return CaptureScreen(
      RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
}

Image CaptureWindow(HWND hWnd) {
  RECT rect{};
  if (!::GetWindowRect(hWnd, &rect)) return Image{};
  return CaptureScreen(rect);
}

Image CaptureClient(HWND hWnd) {
  RECT rect{};
  if (!::GetClientRect(hWnd, &rect)) return Image{};
  ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return CaptureScreen(rect);
}

bool SavePng(const Image& image, const String& path) {
  if (image.Empty()) return false;
  return WriteFileBytes(path, EncodePng(image.width, image.height, image.pixels));
}

}  // namespace vl::test
