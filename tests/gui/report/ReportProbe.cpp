#include "tests/gui/report/ReportProbe.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/handles/DeviceContext.h"
#include "win32/handles/GdiObject.h"

namespace vl::test {
namespace {

constexpr int kTextCapacity = 1024;

INT_PTR CALLBACK InertDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

String ItemText(HWND list, int row, int column) {
  wchar_t buffer[kTextCapacity] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = kTextCapacity;
  ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return String(buffer);
}

bool ReadColumn(HWND list, int index, ListColumn& out) {
  wchar_t buffer[kTextCapacity] = {};
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = buffer;
  column.cchTextMax = kTextCapacity;
  if (!::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&column))) {
    return false;
  }
  out.title = buffer;
  out.width = column.cx;
  return true;
}

}  // namespace

RECT ControlRect(HWND dialog, int id) {
  RECT rect{};
  HWND control = ::GetDlgItem(dialog, id);
  if (!control || !::GetWindowRect(control, &rect)) return RECT{};
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LOGFONTW ControlFont(HWND dialog, int id) {
  LOGFONTW font{};
  auto handle = reinterpret_cast<HFONT>(::SendDlgItemMessageW(dialog, id, WM_GETFONT, 0, 0));
  if (handle) ::GetObjectW(handle, sizeof(font), &font);
  return font;
}

std::vector<ListRow> ListRows(HWND list) {
  std::vector<ListRow> rows;
  const auto count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row)
    rows.emplace_back(ItemText(list, row, 0), ItemText(list, row, 1));
  return rows;
}

std::vector<ListColumn> ListColumns(HWND list) {
  std::vector<ListColumn> columns;
  ListColumn column;
  while (ReadColumn(list, static_cast<int>(columns.size()), column)) columns.push_back(column);
  return columns;
}

SIZE TemplateControlSize(UINT templateId, int id) {
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&classes);
  HWND dialog = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                     nullptr, &InertDialogProc, 0);
  RECT rect{};
  if (dialog) {
    ::GetWindowRect(::GetDlgItem(dialog, id), &rect);
    ::DestroyWindow(dialog);
  }
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

Image ResourceBitmap(UINT id) {
  win32::GdiBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
  BITMAP info{};
  if (!bitmap || !::GetObjectW(bitmap.Get(), sizeof(info), &info)) return Image{};
  Image image;
  image.width = info.bmWidth;
  image.height = info.bmHeight;
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = image.width;
  format.bmiHeader.biHeight = -image.height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  win32::WindowDc screen(nullptr);
  if (!::GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(image.height),
                   image.pixels.data(), &format, DIB_RGB_COLORS)) {
    return Image{};
  }
  for (uint32_t& p : image.pixels) p &= 0x00FFFFFF;
  return image;
}

Image Crop(const Image& image, const RECT& rect) {
  const RECT inside{std::max(0L, rect.left), std::max(0L, rect.top),
                    std::min<LONG>(image.width, rect.right),
                    std::min<LONG>(image.height, rect.bottom)};
  Image out;
  if (inside.right <= inside.left || inside.bottom <= inside.top) return out;
  out.width = inside.right - inside.left;
  out.height = inside.bottom - inside.top;
  for (int y = inside.top; y < inside.bottom; ++y) {
    for (int x = inside.left; x < inside.right; ++x) out.pixels.push_back(image.At(x, y));
  }
  return out;
}

LOGFONTW SystemMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  return metrics.lfMenuFont;
}

}  // namespace vl::test
