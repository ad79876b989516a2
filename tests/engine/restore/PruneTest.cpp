// Pruning history: which copies each rule lets go, that nothing but a history copy in a history
// folder is ever touched, and what a removal that fails leaves.
#include "client/engine/restore/Prune.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/engine/restore/RestoreFixture.h"

namespace vl::test {
namespace {

const String kDocs = VLT("T:\\B\\Docs\\_VLHistory\\");
const String kDeep = VLT("T:\\B\\Docs\\Sub\\_vlhistory\\");

class PruneTest : public RestoreFixture {
 protected:
  PruneTest() {
    fs.AddFile(VLT("T:\\B\\Docs\\a.txt"), 1, kBackedUp);
    // The clock says 2026-12-09 10:00:00.
    for (const Char* name : {VLT("a_VL20261209090000.txt"), VLT("A_VL20261201000000_2.TXT"),
                             VLT("a_VL20261201000000.txt"), VLT("a_VL20251001000000.txt"),
                             VLT("b_VL20251001000000.txt"), VLT("notes_VL2026.txt"),
                             VLT("c_VL20261308000000.txt")}) {
      fs.AddFile(kDocs + name, 10, kBackedUp);
    }
    fs.AddFile(kDeep + VLT("d_VL20200101000000"), 10, kBackedUp);
    fs.AddFile(VLT("T:\\B\\Docs\\e_VL20200101000000.txt"), 10, kBackedUp);  // not in history
  }

  std::set<String> Removed(int keep, int days) {
    std::set<String> names;
    for (const FileVersion& copy : PlanPrune(fs, kTarget, keep, days, clock).remove) {
      names.insert(copy.path);
    }
    return names;
  }
};

TEST_F(PruneTest, EachRuleAloneAndBothTogether) {
  struct Case {
    int keep;
    int days;
    std::set<String> removed;
  } const cases[] = {
      {-1, -1, {}},
      {1, -1,
       {kDocs + VLT("A_VL20261201000000_2.TXT"), kDocs + VLT("a_VL20261201000000.txt"),
        kDocs + VLT("a_VL20251001000000.txt")}},
      {3, -1, {kDocs + VLT("a_VL20251001000000.txt")}},
      {-1, 30,
       {kDocs + VLT("a_VL20251001000000.txt"), kDocs + VLT("b_VL20251001000000.txt"),
        kDeep + VLT("d_VL20200101000000")}},
      {-1, 8, {kDocs + VLT("a_VL20251001000000.txt"), kDocs + VLT("b_VL20251001000000.txt"),
               kDeep + VLT("d_VL20200101000000"), kDocs + VLT("A_VL20261201000000_2.TXT"),
               kDocs + VLT("a_VL20261201000000.txt")}},
      {-1, 9, {kDocs + VLT("a_VL20251001000000.txt"), kDocs + VLT("b_VL20251001000000.txt"),
               kDeep + VLT("d_VL20200101000000")}},
      {1, 30, {kDocs + VLT("a_VL20251001000000.txt")}},
      {0, -1,
       {kDocs + VLT("a_VL20261209090000.txt"), kDocs + VLT("A_VL20261201000000_2.TXT"),
        kDocs + VLT("a_VL20261201000000.txt"), kDocs + VLT("a_VL20251001000000.txt"),
        kDocs + VLT("b_VL20251001000000.txt"), kDeep + VLT("d_VL20200101000000")}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Removed(c.keep, c.days), c.removed) << c.keep << " " << c.days;
  }
}

TEST_F(PruneTest, CarryingOutRemovesThePlanAndNamesWhatStayed) {
  PrunePlan plan = PlanPrune(fs, kTarget, 0, -1, clock);
  EXPECT_EQ(plan.keptFiles, 0u);
  ASSERT_EQ(plan.remove.size(), 6u);
  const String locked = kDocs + VLT("b_VL20251001000000.txt");
  fs.SetLocked(locked, true);
  FileVersion foreign;
  foreign.path = VLT("T:\\B\\Docs\\e_VL20200101000000.txt");
  plan.remove.push_back(foreign);  // a plan that no longer names a history copy
  const PruneOutcome outcome = CarryOutPrune(fs, plan);
  EXPECT_EQ(outcome.files, 5u);
  EXPECT_EQ(outcome.bytes, 50u);
  EXPECT_EQ(outcome.failedPaths, std::vector<String>{locked});
  EXPECT_FALSE(outcome.result.Ok());
  EXPECT_TRUE(fs.Exists(VLT("T:\\B\\Docs\\a.txt")));
  EXPECT_TRUE(fs.Exists(foreign.path));
  EXPECT_TRUE(fs.Exists(kDocs + VLT("notes_VL2026.txt")));
  EXPECT_TRUE(fs.Exists(kDocs + VLT("c_VL20261308000000.txt")));
}

}  // namespace
}  // namespace vl::test
