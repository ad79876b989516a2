#include "client/cli/CliFailure.h"

#include "client/cli/Console.h"
#include "client/cli/FileMessage.h"

namespace vl {

int Fail(const String& text) {
  WriteErr(VLT("vlbackup: ") + text + VLT("\n"));
  return kExitFailed;
}

int FailOnFile(const String& path, const String& message) {
  return Fail(NameFileOnce(path, message));
}

}  // namespace vl
