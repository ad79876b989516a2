#include "tests/win32/ProgramCopy.h"

#include <windows.h>

#include "client/model/PathJoin.h"
#include "win32/handles/ModuleHandle.h"

namespace vl::test {

namespace {

// Wine's own mapping, which also serves a prefix without Z: (there it answers with a \\?\unix
// path). Null outside Wine.
using DosNameFn = wchar_t*(__cdecl*)(const char*);

DosNameFn WineDosFileName() {
  return win32::GetExport<DosNameFn>(::GetModuleHandleW(L"kernel32.dll"),
                                     "wine_get_dos_file_name");
}

}  // namespace

String WindowsPathOfUnixPath(const std::string& unixPath) {
  if (DosNameFn dosName = WineDosFileName()) {
    if (wchar_t* mapped = dosName(unixPath.c_str())) {
      String path(mapped);
      ::HeapFree(::GetProcessHeap(), 0, mapped);
      return path;
    }
  }
  String path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

String InstallProgram(const String& program, const String& folder, const String& fileName) {
  const String target = model::JoinPath(folder, fileName);
  if (!CopyFileW(program.c_str(), target.c_str(), FALSE)) return String();
  return target;
}

}  // namespace vl::test
