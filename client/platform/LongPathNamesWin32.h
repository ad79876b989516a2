#pragma once
// The long form of a path (no 8.3 short names), as the system converts it.
#include "client/engine/realtime/ChangeQueue.h"

namespace vl {

class LongPathNamesWin32 : public ILongPathNames {
 public:
  String LongPathOf(const String& path) const override;
};

}  // namespace vl
