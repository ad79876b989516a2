#include "client/ui/DialogFont.h"

#include <cstddef>

namespace vl {
namespace {

bool ReadMetrics(NONCLIENTMETRICSW& metrics, UINT size) {
  metrics = NONCLIENTMETRICSW{};
  metrics.cbSize = size;
  return ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, size, &metrics, 0) != FALSE;
}

}  // namespace

win32::GdiFont MakeMenuFont(LONG weight) {
  NONCLIENTMETRICSW metrics{};
  // Systems before Vista refuse the structure with its last member (the padded border width);
  // the menu font sits before it either way.
  if (!ReadMetrics(metrics, sizeof(metrics)) &&
      !ReadMetrics(metrics, offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth))) {
    return win32::GdiFont();
  }
  LOGFONTW font = metrics.lfMenuFont;
  if (weight != 0) font.lfWeight = weight;
  return win32::GdiFont(::CreateFontIndirectW(&font));
}

void SetFontOnChildren(HWND dialog, HFONT font) {
  if (!dialog || !font) return;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

}  // namespace vl
