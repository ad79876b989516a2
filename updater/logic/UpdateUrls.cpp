#include "updater/logic/UpdateUrls.h"

#include <string>

#include "core/rules/AsciiCase.h"
#include "core/text/Utf.h"

namespace vl::updater {
namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         c == '-' || c == '.' || c == '_' || c == '~';
}

String PercentEncode(StringView text) {
  constexpr StringView kHex = VLT("0123456789ABCDEF");
  String encoded;
  for (unsigned char c : ToUtf8(text)) {
    if (IsUnreserved(c)) {
      encoded += static_cast<Char>(c);
      continue;
    }
    encoded += '%';
    encoded += kHex[c >> 4];
    encoded += kHex[c & 0x0F];
  }
  return encoded;
}

// The base without a closing slash, so that joining never doubles one.
String WithoutClosingSlash(StringView url) {
  while (!url.empty() && url.back() == '/') url.remove_suffix(1);
  return String(url);
}

bool StartsWithIgnoringCase(StringView text, StringView prefix) {
  return text.size() > prefix.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

String MakeCheckUrl(StringView baseUrl, StringView version, StringView osName, StringView serial) {
  return WithoutClosingSlash(baseUrl) + VLT("/updatecheck.php?ver=") + PercentEncode(version) +
         VLT("&lang=kr&szos=") + PercentEncode(osName) + VLT("&sn=") + PercentEncode(serial);
}

String MakeDownloadUrl(StringView fileUrl, StringView fileName) {
  return WithoutClosingSlash(fileUrl) + VLT("/") + PercentEncode(fileName);
}

bool IsWebUrl(StringView url) {
  return StartsWithIgnoringCase(url, VLT("http://")) ||
         StartsWithIgnoringCase(url, VLT("https://"));
}

}  // namespace vl::updater
