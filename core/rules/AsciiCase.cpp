#include "core/rules/AsciiCase.h"

namespace vl {
namespace {

Char FoldAscii(Char c) { return c >= VLT('A') && c <= VLT('Z') ? static_cast<Char>(c + 32) : c; }

}  // namespace

bool EqualsIgnoringAsciiCase(StringView a, StringView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

}  // namespace vl
