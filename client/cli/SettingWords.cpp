#include "client/cli/SettingWords.h"

#include <iterator>

#include "client/engine/SafeReplace.h"
#include "client/model/Settings.h"
#include "core/rules/AsciiCase.h"

namespace vl {
namespace {

constexpr SettingWord kSwitch[] = {{VLT("on"), 1}, {VLT("off"), 0}};
constexpr SettingWord kModes[] = {
    {VLT("periodic"), kPeriodicMode}, {VLT("idle"), kIdleMode}, {VLT("realtime"), kRealTimeMode}};
constexpr SettingWord kHistory[] = {{VLT("archive"), HISTORY_MODE_ARCHIVE},
                                    {VLT("overwrite"), HISTORY_MODE_OVERWRITE}};

}  // namespace

const SettingWords kSwitchWords{kSwitch, std::size(kSwitch)};
const SettingWords kModeWords{kModes, std::size(kModes)};
const SettingWords kHistoryWords{kHistory, std::size(kHistory)};

const Char* WordFor(const SettingWords& words, int32_t value) {
  for (const SettingWord& word : words) {
    if (word.value == value) return word.text;
  }
  return nullptr;
}

bool ValueOfWord(const SettingWords& words, StringView text, int32_t& value) {
  for (const SettingWord& word : words) {
    if (EqualsIgnoringAsciiCase(text, word.text)) {
      value = word.value;
      return true;
    }
  }
  return false;
}

String ChoiceText(const std::vector<StringView>& choices) {
  String text;
  for (size_t i = 0; i < choices.size(); ++i) {
    if (i > 0) text += i + 1 == choices.size() ? VLT(" or ") : VLT(", ");
    text += choices[i];
  }
  return text;
}

String WordChoice(const SettingWords& words) {
  std::vector<StringView> texts;
  for (const SettingWord& word : words) texts.emplace_back(word.text);
  return ChoiceText(texts);
}

}  // namespace vl
