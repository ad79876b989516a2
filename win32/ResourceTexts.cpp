#include "win32/ResourceTexts.h"

#include "win32/ResString.h"

namespace vl {

String ResourceTexts::Text(uint32_t id) const {
  String text;
  if (LoadResString(id, text)) return text;
  return m_fallback.Text(id);
}

}  // namespace vl
