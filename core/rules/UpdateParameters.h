#pragma once
// The command line the client hands to the updater: its install folder, its version, the
// system's short name and the set's identifier, in that order. The updater splits it with the
// system's own rule (CommandLineToArgvW), so every value must come back whole from that split.
#include "core/base/String.h"

namespace vl {

struct UpdateParameterValues {
  String installFolder;
  String productVersion;
  String osName;
  String identifier;
};

// One argument as the system's split reads it back: quoted, with the backslashes before a
// quote (embedded or the closing one) doubled and embedded quotes escaped.
String QuoteArgument(const String& value);

// A leading space, the install folder always quoted, then each other value after one space;
// an empty value is sent as "NULL", and one that would split (blanks, quotes) is quoted.
String BuildUpdateParameters(const UpdateParameterValues& values);

}  // namespace vl
