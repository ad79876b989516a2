#pragma once
// Letting files be dropped on the client from processes of lower integrity (the shell runs
// below the elevated client). Systems without the message filter need nothing.
namespace vl {

// True when the filter function was there and was called.
bool AllowDropsFromLowerIntegrity();

}  // namespace vl
