#pragma once
// `vlbackup settings`: the set's settings for people, one "name: value" line each, in the
// words `settings set` takes back.
#include "client/model/Settings.h"

namespace vl {

// The numbers as the client reads them (any other history mode than archive overwrites; a
// mode with no word shows its number), the NAS address dotted or "none", the password only as
// whether there is one. A control character in a stored text shows as U+FFFD, so that no text
// can start a line of its own.
String SettingsText(const CSettings& settings);

}  // namespace vl
