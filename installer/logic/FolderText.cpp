#include "installer/logic/FolderText.h"

#include "installer/logic/InstallPaths.h"
#include "installer/logic/Payloads.h"

namespace vl::installer {
namespace {

bool IsSeparator(Char c) { return c == VLT('\\') || c == VLT('/'); }

bool IsDriveLetter(Char c) {
  return (c >= VLT('A') && c <= VLT('Z')) || (c >= VLT('a') && c <= VLT('z'));
}

// "X:\" or "X:/" and whatever follows; what comes after the colon is returned in rest.
bool SplitDrive(StringView folder, StringView& rest) {
  if (folder.size() < 3 || !IsDriveLetter(folder[0]) || folder[1] != VLT(':') ||
      !IsSeparator(folder[2]))
    return false;
  rest = folder.substr(2);
  return true;
}

// "\\server\share" and whatever follows, with both names present.
bool SplitUnc(StringView folder, StringView& rest) {
  if (folder.size() < 5 || !IsSeparator(folder[0]) || !IsSeparator(folder[1])) return false;
  const StringView names = folder.substr(2);
  const size_t slash = names.find_first_of(VLT("\\/"));
  if (slash == 0 || slash == StringView::npos || slash + 1 >= names.size() ||
      IsSeparator(names[slash + 1]))
    return false;
  rest = names;
  return true;
}

bool HasForbiddenCharacter(StringView text) {
  for (Char c : text) {
    if (c < 32) return true;
    if (StringView(VLT("<>:\"|?*")).find(c) != StringView::npos) return true;
  }
  return false;
}

bool FitsMaxPath(StringView folder) {
  for (const PayloadTarget& target : PayloadTargets(InstallKind::pc, folder, StringView()))
    if (target.payload != Payload::remover && TemporaryBeside(target.path).size() >= kMaxPathChars)
      return false;
  return true;
}

}  // namespace

bool IsUsableInstallFolder(StringView folder) {
  StringView rest;
  if (!SplitDrive(folder, rest) && !SplitUnc(folder, rest)) return false;
  return !HasForbiddenCharacter(rest) && FitsMaxPath(folder);
}

}  // namespace vl::installer
