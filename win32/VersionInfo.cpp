#include "win32/VersionInfo.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace vl::win32 {
namespace {

struct Translation {
  WORD language;
  WORD codePage;
};

bool QueryText(const std::vector<BYTE>& block, const String& key, String& text) {
  void* value = nullptr;
  UINT chars = 0;
  if (!::VerQueryValueW(block.data(), key.c_str(), &value, &chars) || !value) return false;
  const auto* begin = static_cast<const wchar_t*>(value);
  // The stored length may or may not count a terminator; the text ends at the first one.
  text.assign(begin, wcsnlen(begin, chars));
  return true;
}

}  // namespace

String ReadProductVersion(const String& path) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return String();
  std::vector<BYTE> block(size);
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data())) return String();
  void* pairs = nullptr;
  UINT bytes = 0;
  if (!::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &pairs, &bytes) ||
      bytes < sizeof(Translation))
    return String();
  const auto* first = static_cast<const Translation*>(pairs);
  wchar_t key[64] = {};
  _snwprintf(key, 63, L"\\StringFileInfo\\%04X%04X\\ProductVersion", first->language,
             first->codePage);
  String version;
  return QueryText(block, key, version) ? version : String();
}

}  // namespace vl::win32
