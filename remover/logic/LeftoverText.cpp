#include "remover/logic/LeftoverText.h"

#include <string>

#include "core/text/Placeholder.h"

namespace vl::remover {
namespace {

// "... (+3)": the count of paths not listed, in no particular language.
String MoreLine(size_t count) {
  String line = VLT("... (+");
  for (char digit : std::to_string(count)) line += static_cast<Char>(digit);
  return line + VLT(")");
}

}  // namespace

String LeftoverText(StringView format, const std::vector<String>& left) {
  String lines;
  for (size_t i = 0; i < left.size() && i < kMaxLeftoverLines; ++i) {
    if (i != 0) lines += VLT('\n');
    lines += left[i];
  }
  if (left.size() > kMaxLeftoverLines)
    lines += VLT('\n') + MoreLine(left.size() - kMaxLeftoverLines);
  return ReplacePlaceholder(format, lines);
}

}  // namespace vl::remover
