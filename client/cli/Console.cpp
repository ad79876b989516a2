#include "client/cli/Console.h"

#include <windows.h>

#include <algorithm>

#include "core/text/Utf.h"

namespace vl {
namespace {

void WriteAll(DWORD which, const std::string& bytes) {
  const HANDLE handle = ::GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 16));
    if (!::WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) || written == 0) return;
    done += written;
  }
}

}  // namespace

void ConsoleInit() { ::SetConsoleOutputCP(CP_UTF8); }

void WriteOut(const std::string& utf8) { WriteAll(STD_OUTPUT_HANDLE, utf8); }
void WriteOut(const String& text) { WriteAll(STD_OUTPUT_HANDLE, ToUtf8(text)); }
void WriteErr(const String& text) { WriteAll(STD_ERROR_HANDLE, ToUtf8(text)); }

bool ErrIsConsole() {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace vl
