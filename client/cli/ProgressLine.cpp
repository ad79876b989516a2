#include "client/cli/ProgressLine.h"

namespace vl {

String InPlaceLine::Next(const String& line) {
  String text = VLT("\r") + line;
  if (line.size() < m_shownWidth) text.append(m_shownWidth - line.size(), VLT(' '));
  m_shownWidth = line.size();
  return text;
}

String InPlaceLine::Finish() {
  if (m_shownWidth == 0) return String();
  m_shownWidth = 0;
  return VLT("\n");
}

}  // namespace vl
