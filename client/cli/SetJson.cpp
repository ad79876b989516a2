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

void WriteNas(JsonWriter& w, const CSettings& s) {
  Text(w, "autoConnect", s.m_strAutoConnect);
  Number(w, "nasAddress", s.m_dwNasAddress);
  w.Key("nasAddressDotted");
  w.StringValue(DottedAddress(s.m_dwNasAddress));
  Text(w, "nasShare", s.m_strNasShare);
  Text(w, "nasAccount", s.m_strNasAccount);
  Text(w, "nasPassword", MaskedPassword(s.m_strNasPassword));
}

// Slots the client carries through without reading them, named by their place in the stored
// order: a script comparing two sets, or checking what a newer client left there, needs them.
void WriteReserved(JsonWriter& w, const CSettings& s) {
  Text(w, "reserved2", s.reserved2);
  Text(w, "reserved3", s.reserved3);
  Text(w, "reserved4", s.reserved4);
  Text(w, "reserved5", s.reserved5);
  Text(w, "reserved7", s.reserved7);
  Number(w, "reserved8", s.reserved8);
  Text(w, "reserved18", s.reserved18);
  Text(w, "reserved19", s.reserved19);
  Number(w, "reserved20", s.reserved20);
  Text(w, "reserved21", s.reserved21);
}

void WriteSettings(JsonWriter& w, const CSettings& s) {
  w.BeginObject();
  Text(w, "backupPath", s.m_strBackupPath);
  Number(w, "historyMode", s.m_nHistoryMode);
  Number(w, "backupMode", s.m_nBackupMode);
  Number(w, "autoBackup", s.m_bAutoBackup);
  Text(w, "idleTime", s.m_strIdleTime);
  Text(w, "period", s.m_strPeriod);
  WriteNas(w, s);
  WriteReserved(w, s);
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

String MaskedPassword(const String& password) {
  return password.empty() ? String() : String(VLT("***"));
}

std::string DottedAddress(uint32_t address) {
  std::string dotted;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!dotted.empty()) dotted += '.';
    dotted += std::to_string((address >> shift) & 0xFFu);
  }
  return dotted;
}

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
