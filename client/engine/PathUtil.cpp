#include "client/engine/PathUtil.h"

namespace vl {
namespace {

// Ranges whose lower-case letters sit at a fixed distance above their capitals.
struct ShiftRange {
  char16_t first, last, delta;
};
constexpr ShiftRange kShiftRanges[] = {
    {u'a', u'z', 0x20},      {0x00E0, 0x00FE, 0x20},  // Latin-1, except the division sign
    {0x03B1, 0x03CB, 0x20},  // Greek
    {0x0430, 0x044F, 0x20},  {0x0450, 0x045F, 0x50},  // Cyrillic
    {0xFF41, 0xFF5A, 0x20},  // full-width Latin
};

// Ranges where capitals and small letters alternate, the capital on even or odd code points.
struct PairRange {
  char16_t first, last;
  bool capitalOnEven;
};
constexpr PairRange kPairRanges[] = {
    {0x0100, 0x012F, true}, {0x0132, 0x0137, true}, {0x0139, 0x0148, false},
    {0x014A, 0x0177, true}, {0x0179, 0x017E, false}, {0x0460, 0x0481, true},
    {0x048A, 0x04BF, true},
};

char16_t FoldCode(char16_t c) {
  if (c == 0x00F7) return c;
  if (c == 0x00FF) return 0x0178;
  if (c == 0x03C2) return 0x03A3;  // final sigma
  for (const ShiftRange& range : kShiftRanges) {
    if (c >= range.first && c <= range.last) return static_cast<char16_t>(c - range.delta);
  }
  for (const PairRange& range : kPairRanges) {
    if (c >= range.first && c <= range.last) {
      const bool isEven = (c % 2) == 0;
      return (isEven == range.capitalOnEven) ? c : static_cast<char16_t>(c - 1);
    }
  }
  return c;
}

}  // namespace

bool EndsWithBackslash(StringView path) { return !path.empty() && path.back() == VLT('\\'); }

String PathLastPart(StringView path) {
  const size_t slash = path.rfind(VLT('\\'));
  return String(slash == StringView::npos ? path : path.substr(slash + 1));
}

String PathBeforeLastPart(StringView path) {
  const size_t slash = path.rfind(VLT('\\'));
  return slash == StringView::npos ? String() : String(path.substr(0, slash));
}

static_assert(sizeof(Char) == sizeof(char16_t), "names are UTF-16 code units");

Char FoldCase(Char c) {
  return static_cast<Char>(FoldCode(static_cast<char16_t>(c)));
}

bool EqualsNoCase(StringView a, StringView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

String FoldName(StringView name) {
  String folded(name);
  for (Char& c : folded) c = FoldCase(c);
  return folded;
}

}  // namespace vl
