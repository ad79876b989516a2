// A stand-in for the client in the updater's test install folder. Started, it appends one line
// to the file named by VL_STANDIN_LOG: its build's marker, and whether the updater's dialog was
// still on screen at that moment, so the test sees which client started and when.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  wchar_t log[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableW(L"VL_STANDIN_LOG", log, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  const bool dialogOpen = ::FindWindowW(L"#32770", L"Vaultline Update") != nullptr;
  const std::string line =
      std::string(STANDIN_MARKER) + (dialogOpen ? " dialog-open\n" : " dialog-closed\n");
  const HANDLE file = ::CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  ::CloseHandle(file);
  return 0;
}
