#include "core/text/Latin1.h"

namespace vl {

String WidenLatin1(std::string_view bytes) {
  String out;
  out.reserve(bytes.size());
  for (const char byte : bytes) out.push_back(static_cast<Char>(static_cast<unsigned char>(byte)));
  return out;
}

}  // namespace vl
