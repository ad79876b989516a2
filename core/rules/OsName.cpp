#include "core/rules/OsName.h"

#include "core/rules/AsciiCase.h"

namespace vl {
namespace {

String NameOfVersion6(uint32_t minor, bool workstation) {
  switch (minor) {
    case 0:
      return workstation ? VLT("vista") : VLT("2008");
    case 1:
      return workstation ? VLT("win7") : VLT("2008");
    case 2:
      return VLT("win8");
    default:
      return String();
  }
}

String NameOfVersion5(uint32_t minor) {
  switch (minor) {
    case 0:
      return VLT("win2k");
    case 1:
      return VLT("winxp");
    case 2:
      return VLT("2003");
    default:
      return String();
  }
}

}  // namespace

String OsNameFor(const OsVersion& version) {
  if (!version.known || !version.ntFamily) return String();
  if (version.major == 5) return NameOfVersion5(version.minor);
  if (version.major == 6) return NameOfVersion6(version.minor, version.workstation);
  return String();
}

bool NeedsLinkedConnections(const String& osName) {
  return EqualsIgnoringAsciiCase(osName, VLT("vista")) ||
         EqualsIgnoringAsciiCase(osName, VLT("2008")) ||
         EqualsIgnoringAsciiCase(osName, VLT("win8"));
}

}  // namespace vl
