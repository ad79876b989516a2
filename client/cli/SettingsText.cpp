#include "client/cli/SettingsText.h"

#include "client/cli/SetJson.h"
#include "client/cli/SettingWords.h"
#include "client/engine/SafeReplace.h"
#include "client/engine/TextFormat.h"
#include "core/rules/AsciiCase.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

String Line(const Char* name, String value) {
  for (Char& c : value) {
    if (c < 0x20 || c == 0x7F) c = static_cast<Char>(kReplacementChar);
  }
  return String(name) + VLT(": ") + value + VLT("\n");
}

const Char* Switch(bool on) { return WordFor(kSwitchWords, on ? 1 : 0); }

String ModeText(int32_t mode) {
  const Char* word = WordFor(kModeWords, mode);
  return word != nullptr ? String(word) : DecimalText(mode);
}

const Char* HistoryText(int32_t mode) {
  const bool archive = mode == HISTORY_MODE_ARCHIVE;
  return WordFor(kHistoryWords, archive ? HISTORY_MODE_ARCHIVE : HISTORY_MODE_OVERWRITE);
}

String NasText(uint32_t address) {
  return address == 0 ? String(VLT("none")) : FromUtf8(DottedAddress(address));
}

}  // namespace

String SettingsText(const CSettings& s) {
  const bool autoConnect = EqualsIgnoringAsciiCase(s.m_strAutoConnect, VLT("OK"));
  return Line(VLT("auto"), Switch(s.m_bAutoBackup != 0)) +
         Line(VLT("mode"), ModeText(s.m_nBackupMode)) + Line(VLT("period"), s.m_strPeriod) +
         Line(VLT("idle"), s.m_strIdleTime) + Line(VLT("history"), HistoryText(s.m_nHistoryMode)) +
         Line(VLT("autoconnect"), Switch(autoConnect)) + Line(VLT("target"), s.m_strBackupPath) +
         Line(VLT("nas"), NasText(s.m_dwNasAddress)) + Line(VLT("share"), s.m_strNasShare) +
         Line(VLT("account"), s.m_strNasAccount) +
         Line(VLT("password"), MaskedPassword(s.m_strNasPassword));
}

}  // namespace vl
