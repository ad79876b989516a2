#include "client/ui/logic/NasEntry.h"

#include "client/engine/PathUtil.h"
#include "client/engine/TextFormat.h"

namespace vl {
namespace {

// The characters a share's name cannot hold: those that would change where the remote name
// points, or that no Windows name may contain.
constexpr StringView kForbiddenInShare = VLT("\\/:*?\"<>|");

}  // namespace

NasEntryProblem CheckNasEntry(const NasEntry& entry) {
  // A first octet of 0 names no host ("this network"), whatever the other three say.
  if ((entry.address >> 24) == 0) return {IDS_MSG_NAS_BAD_ADDRESS, NasField::kAddress, false};
  if (entry.share.empty()) return {IDS_MSG_NAS_NO_SHARE, NasField::kShare, false};
  if (entry.share.find_first_of(kForbiddenInShare) != String::npos)
    return {IDS_MSG_NAS_BAD_SHARE_CHARS, NasField::kShare, true};
  return {};
}

bool SameNasEntry(const NasEntry& entered, const NasEntry& stored) {
  return entered.address == stored.address && EqualsNoCase(entered.share, stored.share) &&
         EqualsNoCase(entered.account, stored.account) &&
         EqualsNoCase(entered.password, stored.password);
}

String NasServerName(uint32_t address) {
  String name = VLT("\\\\");
  for (int shift = 24; shift >= 0; shift -= 8) {
    name += DecimalText((address >> shift) & 0xFF);
    if (shift > 0) name += VLT('.');
  }
  return name;
}

String NasRemoteName(uint32_t address, const String& share) {
  return NasServerName(address) + VLT('\\') + share;
}

}  // namespace vl
