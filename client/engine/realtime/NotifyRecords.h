#pragma once
// The change records a directory watch returns: one after another in the buffer, each with the
// byte offset of the next (0 for the last), its action and its name's length in bytes, then the
// name in UTF-16 without a terminator. The system fills the buffer, but a watcher must never
// read past what the read returned, whatever the offsets say.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/base/String.h"

namespace vl {

// Calls visit(action, name) for each record within the first count bytes of records, in order,
// until a visit returns false. A record whose header or name would reach past count, or whose
// next offset points into itself, ends the walk with false; the records before it have been
// visited. Names of any length are given whole.
bool WalkNotifyRecords(const unsigned char* records, size_t count,
                       const std::function<bool(uint32_t action, const String& name)>& visit);

}  // namespace vl
