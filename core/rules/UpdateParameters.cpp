#include "core/rules/UpdateParameters.h"

namespace vl {
namespace {

bool NeedsQuotes(const String& value) {
  return value.find_first_of(VLT(" \t\"")) != String::npos;
}

String Bare(const String& value) {
  if (value.empty()) return VLT("NULL");
  return NeedsQuotes(value) ? QuoteArgument(value) : value;
}

}  // namespace

String QuoteArgument(const String& value) {
  String quoted(1, VLT('"'));
  size_t backslashes = 0;
  for (const Char c : value) {
    if (c == VLT('\\')) {
      ++backslashes;
      continue;
    }
    // Backslashes count as escapes only before a quote.
    const size_t count = c == VLT('"') ? 2 * backslashes + 1 : backslashes;
    quoted.append(count, VLT('\\'));
    quoted.push_back(c);
    backslashes = 0;
  }
  // "C:\x\" would escape the closing quote and swallow the arguments after it.
  quoted.append(2 * backslashes, VLT('\\'));
  quoted.push_back(VLT('"'));
  return quoted;
}

String BuildUpdateParameters(const UpdateParameterValues& values) {
  const String folder = values.installFolder.empty() ? VLT("NULL") : values.installFolder;
  return VLT(" ") + QuoteArgument(folder) + VLT(" ") + Bare(values.productVersion) + VLT(" ") +
         Bare(values.osName) + VLT(" ") + Bare(values.identifier);
}

}  // namespace vl
