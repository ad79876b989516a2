#include "client/realtime/ReadFailures.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(ReadFailures, EachReadLeadsToItsStep) {
  const struct {
    DWORD error;
    DWORD bytes;
    ReadOutcome outcome;
  } cases[] = {
      {ERROR_SUCCESS, 64, ReadOutcome::kRecords},
      {ERROR_SUCCESS, 0, ReadOutcome::kLost},  // the system's buffer overflowed
      {ERROR_NOTIFY_ENUM_DIR, 0, ReadOutcome::kLost},
      {ERROR_ACCESS_DENIED, 0, ReadOutcome::kEnd},
      {ERROR_INVALID_HANDLE, 0, ReadOutcome::kEnd},
      {ERROR_INVALID_FUNCTION, 0, ReadOutcome::kEnd},
      {ERROR_OPERATION_ABORTED, 0, ReadOutcome::kRetry},
      {ERROR_NOT_ENOUGH_MEMORY, 0, ReadOutcome::kRetry},
  };
  for (const auto& c : cases) {
    ReadFailures failures;
    EXPECT_EQ(failures.Judge(c.error, c.bytes), c.outcome) << c.error;
  }
}

// However long a passing failure lasts, the thread pauses now and then and never gives up.
TEST(ReadFailures, AFailureThatGoesOnPausesButNeverEnds) {
  ReadFailures failures;
  int pauses = 0;
  for (int read = 0; read < 100; ++read) {
    const ReadOutcome outcome = failures.Judge(ERROR_NOT_ENOUGH_MEMORY, 0);
    EXPECT_NE(outcome, ReadOutcome::kEnd);
    pauses += outcome == ReadOutcome::kPause;
  }
  EXPECT_GT(pauses, 1);
  EXPECT_LT(pauses, 50) << "a pause after nearly every failure";
}

}  // namespace
}  // namespace vl
