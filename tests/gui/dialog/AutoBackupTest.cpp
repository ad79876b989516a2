// Automatic backups through the real client, with the shortest times the settings allow: a
// period of 0 hours (a run at the first minute's tick) and an idle time of 0 minutes (a run
// at the first idle check). Each run backs up without a question or a report, and the timers
// come back after it.
#include <gtest/gtest.h>

#include "client/engine/RunCompletion.h"
#include "client/model/Settings.h"
#include "tests/gui/dialog/DialogStory.h"

namespace vl::test {
namespace {

// The first minute's tick, a run and the margins of a busy machine.
constexpr DWORD kPeriodicRunTimeoutMs = 100000;

class AutoBackup : public DialogStory {
 protected:
  // Starts the client on a set backing up Photos automatically in mode; the copy's folder.
  String StartAutomatic(int32_t mode) {
    m_photos = MakePhotos();
    EXPECT_TRUE(m_client.WriteSet({m_photos}, m_client.DefaultTarget(), [mode](CSettings& s) {
      s.m_bAutoBackup = 1;
      s.m_nBackupMode = mode;
      s.m_strIdleTime = L"0";
      s.m_strPeriod = L"0";
    }));
    EXPECT_NE(m_client.StartAndWaitForDialog(), nullptr) << m_client.Output();
    return m_client.DefaultTarget() + L"\\Photos";
  }

  // The first run copied Photos and said nothing.
  void ExpectSilentCopy(const String& copy) {
    EXPECT_TRUE(SameContent(m_photos + L"\\a.jpg", copy + L"\\a.jpg"));
    EXPECT_TRUE(SameContent(m_photos + L"\\Trip\\c.jpg", copy + L"\\Trip\\c.jpg"));
    EXPECT_TRUE(m_client.NoBoxWithin());
    EXPECT_EQ(m_client.WaitForReport(kGuiQuietMs), nullptr);
  }

  String m_photos;
};

TEST_F(AutoBackup, PeriodicRunComesAtTheMinuteTickAndTheTimerIsArmedAgain) {
  const String copy = StartAutomatic(kPeriodicMode);
  ASSERT_TRUE(m_client.WaitForRunDone(DONE_OK, kPeriodicRunTimeoutMs)) << m_client.Output();
  EXPECT_EQ(m_client.CountTrace(L"[VAULTLINE]m_dwMinutes = 1, m_strPeriod = 0"), 1u)
      << m_client.Output();
  ExpectSilentCopy(copy);
  // Armed at start-up and again when the run ended.
  EXPECT_TRUE(m_client.Program().WaitForOutputCount(L"[VAULTLINE][Frame] backup timer 4 armed",
                                                     2))
      << m_client.Output();
}

TEST_F(AutoBackup, IdleRunComesAtTheFirstCheckAndChecksGoOnAfterIt) {
  const String copy = StartAutomatic(kIdleMode);
  ASSERT_TRUE(m_client.WaitForRunDone(DONE_OK, 30000)) << m_client.Output();
  ExpectSilentCopy(copy);
  // The next check finds the user still away and starts a run with nothing to do.
  EXPECT_TRUE(m_client.WaitForRunDone(DONE_NOTHING, 30000)) << m_client.Output();
  EXPECT_TRUE(m_client.NoBoxWithin());
}

}  // namespace
}  // namespace vl::test
