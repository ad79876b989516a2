#include "client/platform/CodePage.h"

#include <climits>

namespace vl::platform {

String DecodeCodePage(const std::string& bytes, UINT codePage) {
  // Set files are capped far below INT_MAX, so the length always fits the API's int.
  if (bytes.empty() || bytes.size() > INT_MAX) return String();
  const int inLength = static_cast<int>(bytes.size());
  const int outLength = MultiByteToWideChar(codePage, 0, bytes.data(), inLength, nullptr, 0);
  if (outLength <= 0) return String();
  String text(static_cast<size_t>(outLength), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), inLength, text.data(), outLength);
  return text;
}

CodePageDecoder MakeAnsiDecoder() {
  return [](const std::string& bytes) { return DecodeCodePage(bytes, CP_ACP); };
}

}  // namespace vl::platform
