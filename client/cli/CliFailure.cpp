#include "client/cli/CliFailure.h"

#include "client/cli/Console.h"

namespace vl {

int Fail(const String& text) {
  WriteErr(VLT("vlbackup: ") + text + VLT("\n"));
  return kExitFailed;
}

int FailOnFile(const String& path, const String& message) { return Fail(path + L": " + message); }

}  // namespace vl
