#include "client/platform/LastInputWin32.h"

#include <windows.h>

namespace vl {

bool LastInputWin32::LastInputTick(uint32_t& tick) const {
  LASTINPUTINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetLastInputInfo(&info)) return false;
  tick = info.dwTime;
  return true;
}

}  // namespace vl
