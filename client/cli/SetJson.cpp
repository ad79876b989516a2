#include "client/cli/SetJson.h"

#include "core/text/JsonWriter.h"

namespace vl {
namespace {

void Text(JsonWriter& w, const char* key, const String& value) {
  w.Key(key);
  w.StringValue(StringView(value));
}

void Number(JsonWriter& w, const char* key, int64_t value) {
  w.Key(key);
  w.NumberValue(value);
}

void WriteSettings(JsonWriter& w, const CSettings& s) {
  w.BeginObject();
  Text(w, "m_strBackupPath", s.m_strBackupPath);
  Text(w, "reserved2", s.reserved2);
  Text(w, "reserved3", s.reserved3);
  Text(w, "reserved4", s.reserved4);
  Text(w, "reserved5", s.reserved5);
  Text(w, "m_strAutoConnect", s.m_strAutoConnect);
  Text(w, "reserved7", s.reserved7);
  Number(w, "reserved8", s.reserved8);
  Number(w, "m_nBackupMode", s.m_nBackupMode);
  Number(w, "m_bAutoBackup", s.m_bAutoBackup);
  Text(w, "m_strIdleTime", s.m_strIdleTime);
  Text(w, "m_strPeriod", s.m_strPeriod);
  Number(w, "m_nHistoryMode", s.m_nHistoryMode);
  Number(w, "m_dwNasAddress", s.m_dwNasAddress);
  Text(w, "m_strNasShare", s.m_strNasShare);
  Text(w, "m_strNasAccount", s.m_strNasAccount);
  Text(w, "m_strNasPassword", s.m_strNasPassword);
  Text(w, "reserved18", s.reserved18);
  Text(w, "reserved19", s.reserved19);
  Number(w, "reserved20", s.reserved20);
  Text(w, "reserved21", s.reserved21);
  w.EndObject();
}

void WriteItems(JsonWriter& w, const CSourceList& items) {
  w.BeginArray();
  for (const auto& item : items) {
    w.BeginObject();
    Text(w, "path", item->path);
    Number(w, "volumeSerial", item->volumeSerial);
    Number(w, "recognized", item->recognized);
    w.EndObject();
  }
  w.EndArray();
}

}  // namespace

std::string BackupSetToJson(const CVaultlineDoc& doc) {
  JsonWriter w;
  w.BeginObject();
  w.Key("settings");
  WriteSettings(w, doc.m_settings);
  w.Key("items");
  WriteItems(w, doc.Sources());
  w.EndObject();
  return w.Text();
}

}  // namespace vl
