#include <gtest/gtest.h>

#include "client/cli/SetJson.h"
#include "client/cli/SettingChange.h"
#include "client/cli/SettingsText.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

// Every member, reserved slots included, so that a change of the wrong member shows.
std::string Json(const CSettings& settings) {
  CSourceList items;
  CVaultlineDoc doc(items);
  doc.m_settings = settings;
  return BackupSetToJson(doc);
}

// A start that differs from what each case sets.
CSettings Start() {
  CSettings s;
  s.SetDefaults(VLT("C:\\VL"));
  s.m_bAutoBackup = 1;
  s.m_nBackupMode = 2;
  s.m_nHistoryMode = 1;
  s.m_strAutoConnect = VLT("ok");
  return s;
}

TEST(SettingsArgs, EachNameChangesItsOwnMemberAndPrintsBackAsGiven) {
  using S = CSettings;
  const struct {
    String name, value, printed;
    void (*expect)(CSettings&);
  } cases[] = {
      {VLT("auto"), VLT("OFF"), VLT("auto: off"), [](S& s) { s.m_bAutoBackup = 0; }},
      {VLT("MODE"), VLT("Idle"), VLT("mode: idle"), [](S& s) { s.m_nBackupMode = 1; }},
      {VLT("period"), VLT("24"), VLT("period: 24"), [](S& s) { s.m_strPeriod = VLT("24"); }},
      {VLT("period"), VLT(" 07"), VLT("period:  07"), [](S& s) { s.m_strPeriod = VLT(" 07"); }},
      {VLT("idle"), VLT("120"), VLT("idle: 120"), [](S& s) { s.m_strIdleTime = VLT("120"); }},
      {VLT("history"), VLT("archive"), VLT("history: archive"), [](S& s) { s.m_nHistoryMode = 0; }},
      {VLT("autoconnect"), VLT("on"), VLT("autoconnect: on"),
       [](S& s) { s.m_strAutoConnect = VLT("OK"); }},
  };
  for (const auto& c : cases) {
    std::optional<SettingChange> change;
    String error;
    ASSERT_TRUE(ParseSettingsArgs({VLT("set"), c.name, c.value}, change, error)) << ToUtf8(error);
    CSettings changed = Start();
    change->ApplyTo(changed);
    CSettings expected = Start();
    c.expect(expected);
    EXPECT_EQ(Json(changed), Json(expected)) << ToUtf8(c.name) << " " << ToUtf8(c.value);
    EXPECT_NE(SettingsText(changed).find(c.printed + VLT("\n")), String::npos) << ToUtf8(c.printed);
  }
}

TEST(SettingsArgs, RefusalsSayWhatIsWrongAndWhatIsAllowed) {
  const struct {
    std::vector<String> args;
    String error;  // empty: only that there is one
  } cases[] = {
      {{VLT("show")}, VLT("settings takes no arguments, or set NAME VALUE")},
      {{VLT("set"), VLT("auto")}, VLT("")},
      {{VLT("set"), VLT("colour"), VLT("red")},
       VLT("settings set: there is no setting \"colour\"; it takes auto, mode, period, idle, "
           "history or autoconnect")},
      {{VLT("set"), VLT("period"), VLT("25")},
       VLT("settings set period needs hours from 1 to 24, not \"25\"")},
      {{VLT("set"), VLT("mode"), VLT("weekly")},
       VLT("settings set mode needs periodic, idle or realtime, not \"weekly\"")},
      {{VLT("set"), VLT("autoconnect"), VLT("OK")}, VLT("")},
      {{VLT("set"), VLT("auto"), VLT("\uFF2F\uFF2E")}, VLT("")},  // full-width "ON"
      {{VLT("set"), VLT("mode"), VLT("real time")}, VLT("")},
      {{VLT("set"), VLT("period"), VLT("")}, VLT("")},
      {{VLT("set"), VLT("period"), VLT("four")}, VLT("")},
      {{VLT("set"), VLT("period"), VLT("4294967300")}, VLT("")},  // 4 if wrapped to 32 bits
      {{VLT("set"), VLT("idle"), VLT("0")}, VLT("")},
  };
  for (const auto& c : cases) {
    std::optional<SettingChange> change = SettingChange{};
    String error;
    EXPECT_FALSE(ParseSettingsArgs(c.args, change, error)) << ToUtf8(c.args.back());
    EXPECT_FALSE(change.has_value());
    EXPECT_FALSE(error.empty());
    if (!c.error.empty()) {
      EXPECT_EQ(ToUtf8(error), ToUtf8(c.error));
    }
  }
}

TEST(SettingsText, ShowsNumbersAsTheClientReadsThemAndNeverThePassword) {
  CSettings s;
  s.m_bAutoBackup = 3;
  s.m_nBackupMode = 7;
  s.m_nHistoryMode = 5;
  s.m_strAutoConnect = VLT("oK");
  s.m_dwNasAddress = 0x7F000005u;
  s.m_strNasShare = VLT("a\r\npassword: x");
  s.m_strNasPassword = VLT("secret");
  EXPECT_EQ(SettingsText(s), VLT("auto: on\nmode: 7\nperiod: \nidle: \nhistory: overwrite\n"
                                 "autoconnect: on\ntarget: \nnas: 127.0.0.5\n"
                                 "share: a\uFFFD\uFFFDpassword: x\naccount: \npassword: ***\n"));
  s.m_dwNasAddress = 0;
  EXPECT_NE(SettingsText(s).find(VLT("\nnas: none\n")), String::npos);
}

}  // namespace
}  // namespace vl
