#pragma once
// The short operating-system name the client uses for its registry policy and hands to the
// updater. Only the NT family versions 5.0 to 6.2 have a name; anything else is empty, so a
// newer system is treated like an unknown one rather than guessed at.
#include <cstdint>

#include "core/base/String.h"

namespace vl {

struct OsVersion {
  bool known = false;     // the version query answered
  bool ntFamily = false;  // the NT platform (not 9x, not CE)
  uint32_t major = 0;
  uint32_t minor = 0;
  bool workstation = false;  // product type "workstation" as opposed to a server
};

// "win2k", "winxp", "2003", "vista", "2008", "win7", "win8" or empty.
String OsNameFor(const OsVersion& version);

// Elevated processes see drives mapped by the client only when the linked-connections policy
// is on; the systems that need it written are Vista, Server 2008 and Windows 8 (any case).
bool NeedsLinkedConnections(const String& osName);

}  // namespace vl
