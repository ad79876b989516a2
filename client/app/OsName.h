#pragma once
// The running system's version, and its short name by the rule of core/rules/OsName.h.
#include "core/rules/OsName.h"

namespace vl {

// The extended version record, or the plain one when the system refuses the extended query.
OsVersion QueryOsVersion();
String GetOsName();

}  // namespace vl
