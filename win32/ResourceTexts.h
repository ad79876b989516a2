#pragma once
// Texts from the program's string table, in the user's language, so every program says what
// the client says. A text the table lacks comes from the fallback.
#include "core/text/TextProvider.h"

namespace vl {

class ResourceTexts : public ITextProvider {
 public:
  // fallback must outlive this object.
  explicit ResourceTexts(const ITextProvider& fallback) : m_fallback(fallback) {}

  String Text(uint32_t id) const override;

 private:
  const ITextProvider& m_fallback;
};

}  // namespace vl
