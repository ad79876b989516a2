#include "win32/DocString.h"

namespace vl {

String GetDocString(const String& docString, DocStringIndex index) {
  size_t start = 0;
  for (int field = static_cast<int>(index); field > 0; --field) {
    const size_t newline = docString.find(L'\n', start);
    if (newline == String::npos) return String();
    start = newline + 1;
  }
  const size_t end = docString.find(L'\n', start);
  return docString.substr(start, end == String::npos ? String::npos : end - start);
}

}  // namespace vl
