// A stand-in for VLUpdate.exe in the client's test install folder. Started, it writes beside
// itself "updater-run.txt" (UTF-16): its own path, then each argument as the system's split
// gives it to the real updater, one a line.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  wchar_t self[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  std::wstring record = std::wstring(self) + L"\n";
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  for (int i = 1; argv && i < count; ++i) record += std::wstring(argv[i]) + L"\n";
  if (argv) ::LocalFree(argv);
  std::wstring path(self);
  path = path.substr(0, path.find_last_of(L'\\') + 1) + L"updater-run.txt";
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  ::WriteFile(file, record.data(), static_cast<DWORD>(record.size() * sizeof(wchar_t)),
              &written, nullptr);
  ::CloseHandle(file);
  return 0;
}
