#include "updater/logic/UpdatePaths.h"

#include "core/rules/AsciiCase.h"

namespace vl::updater {
namespace {

bool JoinWithin(StringView folder, StringView name, String& path) {
  path = JoinPath(folder, name);
  return path.size() < kMaxPathChars;
}

}  // namespace

bool DestinationFor(StringView fileName, const UpdateFolders& folders, String& destination) {
  if (EqualsIgnoringAsciiCase(fileName, kRemoverFileName))
    return JoinWithin(folders.windows, kRemoverFileName, destination);
  return JoinWithin(folders.install, fileName, destination);
}

bool WorkPathFor(StringView fileName, const UpdateFolders& folders, String& workPath) {
  return JoinWithin(folders.work, fileName, workPath);
}

}  // namespace vl::updater
