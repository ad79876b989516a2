#include "win32/Guid.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>

namespace vl::win32 {

String StripGuidPunctuation(const String& registryForm) {
  String text = registryForm;
  text.erase(std::remove_if(text.begin(), text.end(),
                            [](wchar_t c) { return c == L'{' || c == L'}' || c == L'-'; }),
             text.end());
  return text;
}

String MakeGuidText() {
  GUID guid{};
  if (FAILED(CoCreateGuid(&guid))) return String();
  wchar_t buffer[MAX_PATH] = {};
  if (StringFromGUID2(guid, buffer, MAX_PATH) == 0) return String();
  return StripGuidPunctuation(buffer);
}

}  // namespace vl::win32
