#include "client/platform/SystemTicks.h"

#include <windows.h>

namespace vl {

uint32_t SystemTickSource::TickCount() const { return ::GetTickCount(); }

}  // namespace vl
