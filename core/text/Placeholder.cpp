#include "core/text/Placeholder.h"

namespace vl {

String ReplacePlaceholder(StringView text, StringView argument) {
  static constexpr Char kMarker[] = VLT("%1");
  const StringView marker(kMarker);
  String out;
  size_t pos = 0;
  for (size_t hit = text.find(marker); hit != StringView::npos; hit = text.find(marker, pos)) {
    out.append(text.substr(pos, hit - pos));
    out.append(argument);
    pos = hit + marker.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace vl
