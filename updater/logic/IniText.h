#pragma once
// The update service answers with an INI file. It is read the way the system's profile functions
// read one: section and key names in any letter case, blanks around names and values dropped, a
// value in matching quotes taken without them, lines that start with ';' ignored, key lines
// before the first section ignored. A key given twice in a section (a repeated section header
// continues the section) counts the first time.
#include <map>
#include <string_view>

#include "core/base/String.h"

namespace vl::updater {

class IniText {
 public:
  // bytes is UTF-8, with or without a byte-order mark; a malformed sequence reads as U+FFFD.
  static IniText Parse(std::string_view bytes);

  bool HasSection(StringView section) const;
  // The value, or empty when the section or the key is missing.
  String Value(StringView section, StringView key) const;

 private:
  using Keys = std::map<String, String>;

  void ParseLine(StringView line, Keys*& section);

  // Both maps are keyed by the ASCII-folded name.
  std::map<String, Keys> m_sections;
};

}  // namespace vl::updater
