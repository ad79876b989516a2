#pragma once
// The client's code names the join through its model; the rule itself is shared by every
// program (core/base/PathJoin.h).
#include "core/base/PathJoin.h"

namespace vl::model {

using vl::JoinPath;

}  // namespace vl::model
