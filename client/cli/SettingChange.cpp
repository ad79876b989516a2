#include "client/cli/SettingChange.h"

#include "client/cli/SettingWords.h"
#include "client/engine/TextFormat.h"
#include "client/model/SettingRanges.h"
#include "core/rules/AsciiCase.h"

namespace vl {
namespace {

// A name, the member it changes and what it takes: one of words, or an interval in range.
// A switch kept as text (autoconnect) stores the client's "OK" for on and nothing for off.
struct SettingRule {
  const Char* name;
  int32_t CSettings::*number;
  String CSettings::*text;
  const SettingWords* words;
  const IntervalRange* range;
  const Char* unit;
};

const SettingRule kRules[] = {
    {VLT("auto"), &CSettings::m_bAutoBackup, nullptr, &kSwitchWords, nullptr, nullptr},
    {VLT("mode"), &CSettings::m_nBackupMode, nullptr, &kModeWords, nullptr, nullptr},
    {VLT("period"), nullptr, &CSettings::m_strPeriod, nullptr, &kPeriodHours, VLT("hours")},
    {VLT("idle"), nullptr, &CSettings::m_strIdleTime, nullptr, &kIdleMinutes, VLT("minutes")},
    {VLT("history"), &CSettings::m_nHistoryMode, nullptr, &kHistoryWords, nullptr, nullptr},
    {VLT("autoconnect"), nullptr, &CSettings::m_strAutoConnect, &kSwitchWords, nullptr, nullptr},
};

const SettingRule* RuleNamed(const String& name) {
  for (const SettingRule& rule : kRules) {
    if (EqualsIgnoringAsciiCase(name, rule.name)) return &rule;
  }
  return nullptr;
}

String UnknownName(const String& name) {
  std::vector<StringView> names;
  for (const SettingRule& rule : kRules) names.emplace_back(rule.name);
  return VLT("settings set: there is no setting \"") + name + VLT("\"; it takes ") +
         ChoiceText(names);
}

String Allowed(const SettingRule& rule) {
  if (rule.words != nullptr) return WordChoice(*rule.words);
  return String(rule.unit) + VLT(" from ") + DecimalText(rule.range->minimum) + VLT(" to ") +
         DecimalText(rule.range->maximum);
}

bool ReadValue(const SettingRule& rule, const String& value, SettingChange& change) {
  change.number = rule.number;
  change.text = rule.text;
  if (rule.words == nullptr) {
    change.textValue = value;
    return CheckInterval(value, *rule.range) == IntervalVerdict::kAccepted;
  }
  if (!ValueOfWord(*rule.words, value, change.numberValue)) return false;
  if (rule.text != nullptr) change.textValue = change.numberValue != 0 ? VLT("OK") : String();
  return true;
}

}  // namespace

void SettingChange::ApplyTo(CSettings& settings) const {
  if (number != nullptr) settings.*number = numberValue;
  if (text != nullptr) settings.*text = textValue;
}

bool ParseSettingsArgs(const std::vector<String>& args, std::optional<SettingChange>& change,
                       String& error) {
  change.reset();
  if (args.empty()) return true;
  if (args.size() != 3 || args[0] != VLT("set")) {
    error = VLT("settings takes no arguments, or set NAME VALUE");
    return false;
  }
  const SettingRule* rule = RuleNamed(args[1]);
  if (rule == nullptr) {
    error = UnknownName(args[1]);
    return false;
  }
  SettingChange read;
  if (!ReadValue(*rule, args[2], read)) {
    error = VLT("settings set ") + String(rule->name) + VLT(" needs ") + Allowed(*rule) +
            VLT(", not \"") + args[2] + VLT("\"");
    return false;
  }
  change = read;
  return true;
}

}  // namespace vl
