// What the console tool's end-to-end test needs from the Windows side that Python under Linux
// cannot do itself:
//   vlbackup_test_helper lock FILE      holds FILE open with no sharing until stdin closes,
//                                       after printing "locked" once the file is held
//   vlbackup_test_helper close TITLE    posts WM_CLOSE to the top-level window titled TITLE
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

int HoldLocked(const wchar_t* path) {
  const HANDLE file = ::CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "lock: cannot open the file (error %lu)\n", ::GetLastError());
    return 1;
  }
  std::fputs("locked\n", stdout);
  std::fflush(stdout);
  char buffer[64];
  DWORD read = 0;
  while (::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) &&
         read != 0) {
  }
  ::CloseHandle(file);
  return 0;
}

int CloseWindowTitled(const wchar_t* title) {
  const HWND window = ::FindWindowW(nullptr, title);
  if (window == nullptr) {
    std::fputs("close: no such window\n", stderr);
    return 1;
  }
  return ::PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wcscmp(argv[1], L"lock") == 0) return HoldLocked(argv[2]);
  if (argc == 3 && std::wcscmp(argv[1], L"close") == 0) return CloseWindowTitled(argv[2]);
  std::fputs("usage: vlbackup_test_helper lock FILE | close TITLE\n", stderr);
  return 2;
}
