#pragma once
// Reading what is on the screen: a rectangle of the screen, a window as the user sees it (with
// whatever shows through its cut-out parts), single pixels, and PNG files of them.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/base/String.h"

namespace vl::test {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

  bool Empty() const { return pixels.empty(); }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  // How many pixels of rect (image coordinates, clipped) have exactly this colour.
  int Count(uint32_t rgb, const RECT& rect) const;
};

// 0x00RRGGBB of a COLORREF (0x00BBGGRR).
constexpr uint32_t RgbOf(COLORREF colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

Image CaptureScreen(const RECT& screenRect);
Image CaptureWholeScreen();
// The window's rectangle on the screen.
Image CaptureWindow(HWND hWnd);
// The client area only.
Image CaptureClient(HWND hWnd);

bool SavePng(const Image& image, const String& path);

}  // namespace vl::test
