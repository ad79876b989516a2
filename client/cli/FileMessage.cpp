#include "client/cli/FileMessage.h"

namespace vl {

String NameFileOnce(const String& path, const String& message) {
  if (message.find(path) != String::npos) return message;
  return path + VLT(": ") + message;
}

}  // namespace vl
