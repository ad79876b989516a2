#pragma once
// The drive letter a NAS share is mapped to.
#include "client/engine/NetworkConnections.h"
#include "core/base/String.h"

namespace vl {

// preferred (X when empty) if it names no volume, otherwise the first free letter of Y, X, W
// and so on down to D; empty when every one of them is in use. A and B belong to floppy
// drives and C to the system, so they are never offered.
String FindFreeDriveLetter(INetworkConnections& net, const String& preferred);

}  // namespace vl
