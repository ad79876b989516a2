#include "updater/logic/StatusText.h"

namespace vl::updater {

String InsertFileName(StringView format, StringView fileName) {
  String text(format);
  const size_t at = text.find(VLT("%s"));
  if (at != String::npos) text.replace(at, 2, fileName);
  return text;
}

}  // namespace vl::updater
