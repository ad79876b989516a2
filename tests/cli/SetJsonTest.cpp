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
      "    \"m_strBackupPath\": \"C:\\\\VL\\\\Backup\",\n"
      "    \"reserved2\": \"\",\n"
      "    \"reserved3\": \"\",\n"
      "    \"reserved4\": \"\",\n"
      "    \"reserved5\": \"\",\n"
      "    \"m_strAutoConnect\": \"\",\n"
      "    \"reserved7\": \"\",\n"
      "    \"reserved8\": 1,\n"
      "    \"m_nBackupMode\": 2,\n"
      "    \"m_bAutoBackup\": 0,\n"
      "    \"m_strIdleTime\": \"10\",\n"
      "    \"m_strPeriod\": \"4\",\n"
      "    \"m_nHistoryMode\": 0,\n"
      "    \"m_dwNasAddress\": 3232235521,\n"
      "    \"m_strNasShare\": \"\",\n"
      "    \"m_strNasAccount\": \"\",\n"
      "    \"m_strNasPassword\": \"\",\n"
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

TEST(SetJson, AnEmptyListIsAnEmptyArray) {
  CSourceList items;
  CVaultlineDoc doc(items);
  const std::string json = BackupSetToJson(doc);
  EXPECT_NE(json.find("\"items\": []"), std::string::npos) << json;
}

}  // namespace
}  // namespace vl
