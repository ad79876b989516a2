#include "win32/SystemMessage.h"

#include <windows.h>

namespace vl::win32 {

String SystemMessageText(uint32_t code) {
  // Longer than any of the system's messages; one that does not fit comes back empty.
  wchar_t buffer[1024];
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                       0, buffer, sizeof buffer / sizeof buffer[0], nullptr);
  String text(buffer, length);
  const size_t end = text.find_last_not_of(L"\r\n. ");
  text.erase(end == String::npos ? 0 : end + 1);
  return text;
}

}  // namespace vl::win32
