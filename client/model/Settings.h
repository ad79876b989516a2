#pragma once
#include <cstdint>

#include "core/base/String.h"

namespace vl {

class CArchive;

// CSettings::m_nBackupMode: when automatic backups start.
constexpr int32_t kPeriodicMode = 0;
constexpr int32_t kIdleMode = 1;
constexpr int32_t kRealTimeMode = 2;

// Real-time backup is on: automatic backup in real-time mode.
constexpr bool IsRealTimeBackup(int32_t autoBackup, int32_t backupMode) {
  return autoBackup != 0 && backupMode == kRealTimeMode;
}

// The user's settings, stored in this order (reserved slots are carried through unchanged).
class CSettings {
 public:
  String m_strBackupPath;         // 1
  String reserved2, reserved3, reserved4, reserved5;
  String m_strAutoConnect;        // 6: "OK" means connect the NAS share at start
  String reserved7;
  int32_t reserved8 = 0;
  int32_t m_nBackupMode = 0;      // 9: 0 periodic, 1 idle time, 2 real time
  int32_t m_bAutoBackup = 0;      // 10
  String m_strIdleTime;           // 11: minutes as decimal text
  String m_strPeriod;             // 12: hours as decimal text
  int32_t m_nHistoryMode = 0;     // 13: 0 keep history, 1 overwrite
  uint32_t m_dwNasAddress = 0;    // 14: first octet in bits 24-31
  String m_strNasShare;           // 15
  String m_strNasAccount;         // 16
  String m_strNasPassword;        // 17
  String reserved18, reserved19;
  int32_t reserved20 = 0;
  String reserved21;

  // Member 2: the identifier the client passes on to the updater (which sends it as "sn").
  const String& UpdateIdentifier() const { return reserved2; }

  // The values of a new set; the backup target is the data folder's Backup folder.
  void SetDefaults(const String& dataFolder);
  void Serialize(CArchive& ar);
  // The two directions of Serialize; storing leaves the settings as they are.
  void Store(CArchive& ar) const;
  void Load(CArchive& ar);
};

}  // namespace vl
