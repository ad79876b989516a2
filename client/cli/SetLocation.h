#pragma once
// Which backup set vlbackup works on.
#include "core/base/String.h"

namespace vl {

struct SetLocation {
  String dataFolder;  // for the defaults of a new set
  String path;        // the set file; empty: no set file yet, a new set
};

// --set FILE when given; otherwise the client's own set: the first *.bsf in Config of the
// data folder. False when not even the data folder can be found.
bool LocateSet(const String& setFileOption, SetLocation& location, String& error);

}  // namespace vl
