#include "client/cli/EditArgs.h"

#include "client/cli/IndexArg.h"

namespace vl {

bool ParsePathArg(const std::vector<String>& args, const String& verb, String& path,
                  String& error) {
  if (args.size() != 1 || args[0].empty()) {
    error = verb + VLT(" needs one path");
    return false;
  }
  path = args[0];
  return true;
}

bool ParseRemoveArgs(const std::vector<String>& args, int32_t& index, String& error) {
  if (args.size() != 1 || !ParseIndexArg(args[0], index)) {
    error = VLT("remove needs one item index (0, 1, ...), as show lists the items");
    return false;
  }
  return true;
}

String TrimTrailingBackslash(const String& path) {
  String trimmed = path;
  const bool driveRoot = trimmed.size() == 3 && trimmed[1] == VLT(':');
  while (!driveRoot && trimmed.size() > 3 && trimmed.back() == VLT('\\')) trimmed.pop_back();
  return trimmed;
}

}  // namespace vl
