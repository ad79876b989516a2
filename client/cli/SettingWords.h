#pragma once
// The words vlbackup's settings command uses for the settings the set keeps as numbers, in
// both directions: the same word is printed and read back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/base/String.h"

namespace vl {

struct SettingWord {
  const Char* text;
  int32_t value;
};

// A fixed list of words, in the order they are offered.
struct SettingWords {
  const SettingWord* first;
  size_t count;
  const SettingWord* begin() const { return first; }
  const SettingWord* end() const { return first + count; }
};

extern const SettingWords kSwitchWords;   // off 0, on 1
extern const SettingWords kModeWords;     // periodic, idle, realtime: m_nBackupMode
extern const SettingWords kHistoryWords;  // archive, overwrite: m_nHistoryMode

// The word for value; null when value has none.
const Char* WordFor(const SettingWords& words, int32_t value);

// The value of text, in any ASCII letter case ("ON" is "on", as a Windows user may type it).
bool ValueOfWord(const SettingWords& words, StringView text, int32_t& value);

// "a, b or c": what a refusal says is allowed.
String ChoiceText(const std::vector<StringView>& choices);
String WordChoice(const SettingWords& words);

}  // namespace vl
