#pragma once
// `vlbackup settings set NAME VALUE`: one of the settings the settings dialog offers, named and
// given as a user types them, read into one checked change of CSettings.
#include <cstdint>
#include <optional>
#include <vector>

#include "client/model/Settings.h"

namespace vl {

// A checked change of one member, so that applying it cannot fail.
struct SettingChange {
  int32_t CSettings::*number = nullptr;  // the member that takes numberValue, or
  String CSettings::*text = nullptr;     // the member that takes textValue
  int32_t numberValue = 0;
  String textValue;

  void ApplyTo(CSettings& settings) const;
};

// The arguments of the settings verb: none (print the settings; change is left empty) or
// set NAME VALUE, both in any ASCII letter case. The intervals take the dialog's ranges and are
// kept as typed, as the dialog keeps them. False with one line naming what is wrong and what
// is allowed.
bool ParseSettingsArgs(const std::vector<String>& args, std::optional<SettingChange>& change,
                       String& error);

}  // namespace vl
