// The change-event handler's filters and the one-second merge of the change queue.
#include "client/engine/realtime/ChangeQueue.h"

#include <gtest/gtest.h>

#include <map>

#include "client/engine/TickSource.h"
#include "tests/engine/realtime/RealTimeFakes.h"

namespace vl::test {
namespace {

class ChangeQueueTest : public ::testing::Test {
 protected:
  ChangeDisposition Accept(const Char* action, const String& source,
                           const String& destination = String(),
                           const Char* verdict = CHANGE_VERDICT_PASS,
                           const String& backupFolder = VLT("T:\\B")) {
    auto event = MakeEvent(action, source, destination, verdict);
    return queue.Accept(*event, backupFolder);
  }

  FakeLongNames longNames;
  FakeTicks ticks;
  CChangeQueue queue{longNames, ticks};
};

TEST_F(ChangeQueueTest, FiltersDiscardWhatMustNeverBeBackedUp) {
  using D = ChangeDisposition;
  struct Case {
    const Char* action;
    const Char* source;
    const Char* destination;
    const Char* verdict;
    const Char* backupFolder;
    D expected;
  };
  const Char* W = CHANGE_ACTION_CREATE_WRITE;
  const Char* R = CHANGE_ACTION_RENAME;
  const Char* P = CHANGE_VERDICT_PASS;
  const Char* B = VLT("T:\\B");
  const Case cases[] = {
      {W, VLT("C:\\Data\\a.txt"), VLT(""), P, B, D::Queued},
      {W, VLT("C:\\Data\\a.txt"), VLT(""), VLT("BLOCK"), B, D::Blocked},
      {W, VLT("C:\\Data\\a.txt"), VLT(""), VLT("block"), B, D::Blocked},
      {W, VLT("C:\\Data\\~$report.docx"), VLT(""), P, B, D::ReservedName},
      {W, VLT("C:\\Data\\$secret"), VLT(""), P, B, D::ReservedName},
      {W, VLT("C:\\Data\\a$b~$c"), VLT(""), P, B, D::Queued},
      {W, VLT("C:\\$Dir\\a.txt"), VLT(""), P, B, D::Queued},
      {R, VLT("C:\\Data\\a.docx"), VLT("C:\\Data\\~$a.docx"), P, B, D::ReservedName},
      {W, VLT("C:\\Data\\abc123.tmp"), VLT(""), P, B, D::TempFile},
      {W, VLT("C:\\Data\\ABC123.TMP"), VLT(""), P, B, D::TempFile},
      {W, VLT("C:\\Data\\a.Tmp"), VLT(""), P, B, D::TempFile},
      {W, VLT("C:\\Data\\.tmp"), VLT(""), P, B, D::Queued},
      // The part before the extension ends where the extension's text first occurs.
      {W, VLT("C:\\Data\\tmp.tmp"), VLT(""), P, B, D::Queued},
      {W, VLT("C:\\Data\\a.tmpx"), VLT(""), P, B, D::Queued},
      {W, VLT("C:\\Data\\a.temp"), VLT(""), P, B, D::Queued},
      {R, VLT("C:\\Data\\a.txt"), VLT("C:\\Data\\a.tmp"), P, B, D::TempFile},
      {R, VLT("C:\\Data\\a.tmp"), VLT("C:\\Data\\a.txt"), P, B, D::TempFile},
      {W, VLT("T:\\B\\Data\\a.txt"), VLT(""), P, B, D::InBackupFolder},
      {W, VLT("C:\\x\\T:\\B"), VLT(""), P, B, D::InBackupFolder},
      {R, VLT("C:\\Data\\a.txt"), VLT("T:\\B\\a.txt"), P, B, D::InBackupFolder},
      {W, VLT("t:\\b\\Data\\a.txt"), VLT(""), P, B, D::Queued},  // a case-sensitive search
      {W, VLT("C:\\Data\\a.txt"), VLT(""), P, VLT(""), D::Queued},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Accept(c.action, c.source, c.destination, c.verdict, c.backupFolder), c.expected)
        << "case " << (&c - cases);
    ticks.now += kChangeMergeMs;  // no merging between cases
  }
  EXPECT_EQ(queue.Count(), 9u);
}

TEST_F(ChangeQueueTest, PathsTakeTheirLongFormsWhereThoseDiffer) {
  longNames.forms[VLT("C:\\DATA~1\\REPORT~1.DOC")] = VLT("C:\\Data Files\\Report 2014.doc");
  longNames.forms[VLT("C:\\Data\\a.txt")] = VLT("C:\\DATA\\A.TXT");  // same ignoring case
  longNames.forms[VLT("C:\\Data\\long.txt")] = VLT("C:\\") + String(260, VLT('l'));
  longNames.forms[VLT("C:\\BACKUP~1\\x.txt")] = VLT("C:\\Backup Target\\x.txt");

  auto event = MakeEvent(CHANGE_ACTION_RENAME, VLT("C:\\DATA~1\\REPORT~1.DOC"),
                         VLT("C:\\Data\\a.txt"));
  EXPECT_EQ(queue.Accept(*event, VLT("T:\\B")), ChangeDisposition::Queued);
  EXPECT_EQ(GetChangeText(event->sourcePath), VLT("C:\\Data Files\\Report 2014.doc"))
      << "the block is updated too";
  const CHANGE_RECORD record = queue.Records().at(0);
  EXPECT_EQ(GetChangeText(record.event.sourcePath), VLT("C:\\Data Files\\Report 2014.doc"));
  EXPECT_EQ(GetChangeText(record.sourceName), VLT("Report 2014.doc"));
  EXPECT_EQ(GetChangeText(record.sourceFolder), VLT("C:\\Data Files"));
  EXPECT_EQ(GetChangeText(record.event.destinationPath), VLT("C:\\Data\\a.txt"));

  ticks.now += kChangeMergeMs;
  event = MakeEvent(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\long.txt"));
  EXPECT_EQ(queue.Accept(*event, VLT("T:\\B")), ChangeDisposition::Queued);
  EXPECT_EQ(GetChangeText(event->sourcePath), VLT("C:\\Data\\long.txt")) << "too long: kept";
  event = MakeEvent(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\failed.txt"));
  EXPECT_EQ(queue.Accept(*event, VLT("T:\\B")), ChangeDisposition::Queued);
  EXPECT_EQ(GetChangeText(event->sourcePath), VLT("C:\\Data\\failed.txt"));

  // The backup folder is looked for in the long form.
  EXPECT_EQ(Accept(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\BACKUP~1\\x.txt"), String(),
                   CHANGE_VERDICT_PASS, VLT("C:\\Backup Target")),
            ChangeDisposition::InBackupFolder);
}

TEST_F(ChangeQueueTest, ChangesWithinASecondOfARecordMergeIntoIt) {
  struct Case {
    uint32_t start;
    uint32_t later;  // ms after start
    const Char* secondPath;
    ChangeDisposition expected;
  };
  using D = ChangeDisposition;
  const Case cases[] = {
      {5000, 999, VLT("C:\\Data\\a.txt"), D::Merged},
      {5000, 1000, VLT("C:\\Data\\a.txt"), D::Queued},
      {5000, 10, VLT("c:\\DATA\\A.TXT"), D::Merged},
      {5000, 10, VLT("C:\\Data\\b.txt"), D::Queued},
      // Across the wrap of the tick counter.
      {0xFFFFFE00u, 0x300, VLT("C:\\Data\\a.txt"), D::Merged},
      {0xFFFFFE00u, 0x400, VLT("C:\\Data\\a.txt"), D::Queued},
  };
  for (const Case& c : cases) {
    FakeTicks caseTicks;
    CChangeQueue caseQueue(longNames, caseTicks);
    caseTicks.now = c.start;
    auto first = MakeEvent(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\a.txt"));
    ASSERT_EQ(caseQueue.Accept(*first, String()), D::Queued);
    caseTicks.now = c.start + c.later;
    auto second = MakeEvent(CHANGE_ACTION_CREATE_WRITE, c.secondPath);
    EXPECT_EQ(caseQueue.Accept(*second, String()), c.expected) << "case " << (&c - cases);
    const std::vector<CHANGE_RECORD> records = caseQueue.Records();
    EXPECT_EQ(records.size(), c.expected == D::Merged ? 1u : 2u);
    if (c.expected == D::Merged) {
      EXPECT_EQ(records[0].tick, c.start + c.later);
    }
  }
}

TEST_F(ChangeQueueTest, ABurstStaysOneRecordWhileItGoesOn) {
  for (int i = 0; i < 10; ++i) {
    Accept(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\a.txt"));
    ticks.now += 900;
  }
  ASSERT_EQ(queue.Count(), 1u);
  EXPECT_EQ(queue.Records()[0].tick, 8100u + 1000u);
}

// Keeping the older action would be wrong; the newer one is what the file now is: a file deleted and
// made again at once (as editors save) must be copied.
TEST_F(ChangeQueueTest, AMergedRecordTakesTheNewerAction) {
  Accept(CHANGE_ACTION_DELETE, VLT("C:\\Data\\a.txt"));
  ticks.now += 400;
  EXPECT_EQ(Accept(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\a.txt")), ChangeDisposition::Merged);
  ASSERT_EQ(queue.Count(), 1u);
  EXPECT_EQ(GetChangeText(queue.Records()[0].event.action), CHANGE_ACTION_CREATE_WRITE);
  EXPECT_EQ(queue.Records()[0].tick, 1400u);
}

TEST_F(ChangeQueueTest, PutBackRecordsComeBeforeArrivals) {
  Accept(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\a.txt"));
  Accept(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\b.txt"));
  std::vector<CHANGE_RECORD> taken = queue.TakeAll();
  ASSERT_EQ(taken.size(), 2u);
  EXPECT_TRUE(queue.IsEmpty());
  Accept(CHANGE_ACTION_CREATE_WRITE, VLT("C:\\Data\\c.txt"));
  queue.PutBack(std::move(taken));
  std::vector<String> order;
  for (const CHANGE_RECORD& record : queue.Records()) order.push_back(GetChangeText(record.sourceName));
  EXPECT_EQ(order, (std::vector<String>{VLT("a.txt"), VLT("b.txt"), VLT("c.txt")}));
}

}  // namespace
}  // namespace vl::test
