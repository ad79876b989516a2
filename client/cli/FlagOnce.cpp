#include "client/cli/FlagOnce.h"

namespace vl {

bool SetFlagOnce(bool& flag, const String& arg, String& error) {
  if (flag) {
    error = arg + VLT(" given twice");
    return false;
  }
  flag = true;
  return true;
}

}  // namespace vl
