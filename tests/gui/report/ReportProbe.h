#pragma once
// Reading the report dialog from outside its thread: where its controls sit, their texts and
// fonts, the error list's rows and columns, and what the dialog's template and background
// bitmap are on their own.
#include <windows.h>

#include <utility>
#include <vector>

#include "core/base/String.h"
#include "tests/gui/harness/Capture.h"

namespace vl::test {

// A control's rectangle in the dialog's client coordinates; empty when there is none. (Its
// text: ControlText of the harness.)
RECT ControlRect(HWND dialog, int id);
LOGFONTW ControlFont(HWND dialog, int id);

using ListRow = std::pair<String, String>;
std::vector<ListRow> ListRows(HWND list);
struct ListColumn {
  String title;
  int width = 0;
};
std::vector<ListColumn> ListColumns(HWND list);

// Sizes of the template's controls as the dialog manager makes them, before any code moves
// them.
SIZE TemplateControlSize(UINT templateId, int id);

// A BITMAP resource of this program as pixels.
Image ResourceBitmap(UINT id);

// The part of image inside rect.
Image Crop(const Image& image, const RECT& rect);

// The menu font of the system's metrics.
LOGFONTW SystemMenuFont();

}  // namespace vl::test
