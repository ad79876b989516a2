#include "client/cli/ResourceTexts.h"

#include "win32/framework/ResString.h"

namespace vl {

String ResourceTexts::Text(uint32_t id) const {
  String text;
  if (LoadResString(id, text)) return text;
  return m_english.Text(id);
}

}  // namespace vl
