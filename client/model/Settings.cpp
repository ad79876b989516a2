#include "client/model/Settings.h"

#include "client/model/PathJoin.h"
#include "core/archive/Archive.h"

namespace vl {
namespace {

// Visits the members in their stored order with one operation for both directions, so the
// order is written down once.
template <typename Settings, typename Visit>
void ForEachStored(Settings& s, Visit&& visit) {
  visit(s.m_strBackupPath);
  visit(s.reserved2), visit(s.reserved3), visit(s.reserved4), visit(s.reserved5);
  visit(s.m_strAutoConnect);
  visit(s.reserved7);
  visit(s.reserved8);
  visit(s.m_nBackupMode);  // the mode comes before the switch
  visit(s.m_bAutoBackup);
  visit(s.m_strIdleTime);
  visit(s.m_strPeriod);
  visit(s.m_nHistoryMode);
  visit(s.m_dwNasAddress);
  visit(s.m_strNasShare);
  visit(s.m_strNasAccount);
  visit(s.m_strNasPassword);
  visit(s.reserved18), visit(s.reserved19);
  visit(s.reserved20);
  visit(s.reserved21);
}

}  // namespace

void CSettings::SetDefaults(const String& dataFolder) {
  *this = CSettings();
  m_strBackupPath = model::JoinPath(dataFolder, VLT("Backup"));
  reserved8 = 1;
  m_strIdleTime = VLT("10");
  m_strPeriod = VLT("4");
}

void CSettings::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    Store(ar);
  } else {
    Load(ar);
  }
}

void CSettings::Store(CArchive& ar) const {
  ForEachStored(*this, [&ar](const auto& member) { ar << member; });
}

void CSettings::Load(CArchive& ar) {
  ForEachStored(*this, [&ar](auto& member) { ar >> member; });
}

}  // namespace vl
