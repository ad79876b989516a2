#pragma once
// The engine's texts come from the program's string table; this seam lets the client hand in
// its resources while tests and the console tool use the English texts built in here.
#include <cstdint>

#include "core/base/String.h"
#include "core/text/TextProvider.h"
#include "resources/client/resource.h"

namespace vl {

// A string-table id: one of the IDS_ names of resources/client/resource.h.
using TextId = uint32_t;

// The English wording of the texts the engine and the console tool show, as the client's
// English string table has them; empty for any other id.
class EnglishTexts : public ITextProvider {
 public:
  String Text(uint32_t id) const override;
};

}  // namespace vl
