#pragma once
// The engine's texts from the program's string table, in the user's language, so the console
// tool says what the client says. A text the table lacks comes from the built-in English.
#include "client/engine/TextProvider.h"

namespace vl {

class ResourceTexts : public ITextProvider {
 public:
  String Text(uint32_t id) const override;

 private:
  EnglishTexts m_english;
};

}  // namespace vl
