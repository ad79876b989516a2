#include "client/engine/LineProgressView.h"

namespace vl {

LineProgressView::LineProgressView(std::function<void(const String&)> writeLine)
    : m_writeLine(std::move(writeLine)) {}

void LineProgressView::ShowStatus(const String& text) {
  if (text.empty() || text == m_lastLine) return;
  m_lastLine = text;
  m_writeLine(text);
}

}  // namespace vl
