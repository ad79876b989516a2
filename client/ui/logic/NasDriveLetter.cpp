#include "client/ui/logic/NasDriveLetter.h"

namespace vl {
namespace {

bool IsFree(INetworkConnections& net, Char letter) {
  return !net.VolumeOpens(String(VLT("\\\\?\\")) + letter + VLT(':'));
}

}  // namespace

String FindFreeDriveLetter(INetworkConnections& net, const String& preferred) {
  const Char first = preferred.empty() ? VLT('X') : preferred[0];
  if (IsFree(net, first)) return String(1, first);
  // Z is never taken: the search starts one above the usual letter and leaves Z to the user.
  for (Char letter = VLT('Y'); letter >= VLT('D'); --letter) {
    if (IsFree(net, letter)) return String(1, letter);
  }
  return String();
}

}  // namespace vl
