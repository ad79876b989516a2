#pragma once
// The addresses the updater asks for. The values it sends and the file names it fetches are
// percent-encoded (as UTF-8), so that an operating-system name with blanks or an identifier with
// '&' reaches the service as it is instead of breaking the query.
#include "core/base/String.h"

namespace vl::updater {

// baseUrl + "/updatecheck.php?ver=...&lang=kr&szos=...&sn=...".
String MakeCheckUrl(StringView baseUrl, StringView version, StringView osName, StringView serial);
// fileUrl + "/" + the file name.
String MakeDownloadUrl(StringView fileUrl, StringView fileName);
// Only plain HTTP and HTTPS addresses are fetched; anything else the service names (a local
// file, FTP) is not.
bool IsWebUrl(StringView url);

}  // namespace vl::updater
