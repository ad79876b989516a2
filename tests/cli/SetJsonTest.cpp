#include "client/cli/SetJson.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(SetJson, NamesEverySlotAndEscapesTextAsUtf8) {
  CSourceList items;
  CVaultlineDoc doc(items);
  doc.OnNewDocument(VLT("C:\\VL"));
  doc.m_settings.m_nBackupMode = 2;
  doc.m_settings.m_dwNasAddress = 0xC0A80001u;  // first octet in the top byte
  doc.m_settings.reserved21 = VLT("keep \"me\"");
  auto item = std::make_unique<CSource>();
  item->path = VLT("D:\\\u00C9t\u00E9\\\uD55C");
  item->volumeSerial = 0xFFFFFFFFu;
  item->recognized = 1;
  items.AddTail(std::move(item));

  const std::string expected =
      "{\n"
      "  \"settings\": {\n"
      "    \"backupPath\": \"C:\\\\VL\\\\Backup\",\n"
      "    \"historyMode\": 0,\n"
      "    \"backupMode\": 2,\n"
      "    \"autoBackup\": 0,\n"
      "    \"idleTime\": \"10\",\n"
      "    \"period\": \"4\",\n"
      "    \"autoConnect\": \"\",\n"
      "    \"nasAddress\": 3232235521,\n"
      "    \"nasAddressDotted\": \"192.168.0.1\",\n"
      "    \"nasShare\": \"\",\n"
      "    \"nasAccount\": \"\",\n"
      "    \"nasPassword\": \"\",\n"
      "    \"reserved2\": \"\",\n"
      "    \"reserved3\": \"\",\n"
      "    \"reserved4\": \"\",\n"
      "    \"reserved5\": \"\",\n"
      "    \"reserved7\": \"\",\n"
      "    \"reserved8\": 1,\n"
      "    \"reserved18\": \"\",\n"
      "    \"reserved19\": \"\",\n"
      "    \"reserved20\": 0,\n"
      "    \"reserved21\": \"keep \\\"me\\\"\"\n"
      "  },\n"
      "  \"items\": [\n"
      "    {\n"
      "      \"path\": \"D:\\\\\xC3\x89t\xC3\xA9\\\\\xED\x95\x9C\",\n"
      "      \"volumeSerial\": 4294967295,\n"
      "      \"recognized\": 1\n"
      "    }\n"
      "  ]\n"
      "}\n";
  EXPECT_EQ(BackupSetToJson(doc), expected);
}

// Distinct values in every setting, so that two keys swapped would show.
TEST(SetJson, EachKeyShowsItsOwnSetting) {
  CSourceList items;
  CVaultlineDoc doc(items);
  CSettings& s = doc.m_settings;
  s.m_strBackupPath = VLT("E:\\Target");
  s.m_nHistoryMode = 1;
  s.m_nBackupMode = 2;
  s.m_bAutoBackup = 3;
  s.m_strIdleTime = VLT("15");
  s.m_strPeriod = VLT("6");
  s.m_strAutoConnect = VLT("OK");
  s.m_dwNasAddress = 0x0A00FF01u;
  s.m_strNasShare = VLT("share");
  s.m_strNasAccount = VLT("admin");
  s.reserved3 = VLT("three");
  s.reserved8 = 8;
  s.reserved20 = 20;
  const std::string json = BackupSetToJson(doc);
  for (const char* member :
       {"\"backupPath\": \"E:\\\\Target\"", "\"historyMode\": 1", "\"backupMode\": 2",
        "\"autoBackup\": 3", "\"idleTime\": \"15\"", "\"period\": \"6\"",
        "\"autoConnect\": \"OK\"", "\"nasAddress\": 167837441",
        "\"nasAddressDotted\": \"10.0.255.1\"", "\"nasShare\": \"share\"",
        "\"nasAccount\": \"admin\"", "\"reserved3\": \"three\"", "\"reserved8\": 8",
        "\"reserved20\": 20"}) {
    EXPECT_NE(json.find(member), std::string::npos) << member << "\n" << json;
  }
}

TEST(SetJson, TheNasPasswordNeverAppears) {
  struct Case {
    const Char* password;
    const char* shown;
  };
  for (const Case& c : {Case{VLT(""), "\"nasPassword\": \"\""},
                        Case{VLT("s3cret"), "\"nasPassword\": \"***\""},
                        Case{VLT("a\"b\\c \uD55C"), "\"nasPassword\": \"***\""}}) {
    CSourceList items;
    CVaultlineDoc doc(items);
    doc.m_settings.m_strNasPassword = c.password;
    const std::string json = BackupSetToJson(doc);
    EXPECT_NE(json.find(c.shown), std::string::npos) << json;
    EXPECT_EQ(json.find("s3cret"), std::string::npos) << json;
    EXPECT_EQ(json.find("\xED\x95\x9C"), std::string::npos) << json;
  }
}

TEST(SetJson, DottedAddressesPutTheMostSignificantByteFirst) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0u, "0.0.0.0"},
      {0x7F000005u, "127.0.0.5"},
      {0xC0A80001u, "192.168.0.1"},
      {0x0100FF0Au, "1.0.255.10"},
      {0xFFFFFFFFu, "255.255.255.255"},
  };
  for (const auto& [address, dotted] : cases) EXPECT_EQ(DottedAddress(address), dotted);
}

TEST(SetJson, AnEmptyListIsAnEmptyArray) {
  CSourceList items;
  CVaultlineDoc doc(items);
  const std::string json = BackupSetToJson(doc);
  EXPECT_NE(json.find("\"items\": []"), std::string::npos) << json;
}

}  // namespace
}  // namespace vl
