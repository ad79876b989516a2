#include "tests/win32/ProgramCopy.h"

#include <windows.h>

#include "client/model/PathJoin.h"

namespace vl::test {

String WindowsPathOfUnixPath(const std::string& unixPath) {
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
