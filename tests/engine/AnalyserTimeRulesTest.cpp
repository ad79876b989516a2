// Which time rule the analysis applies depends on the two volumes: equal seconds on the same
// file system, the forgiving minute rule between different ones, and equal seconds again
// between two shares, whose file systems both read as unknown.
#include <gtest/gtest.h>

#include "tests/engine/AnalyserFixture.h"

namespace vl::test {
namespace {

class AnalyserTimeRulesTest : public AnalyserFixture {
 protected:
  AnalyserTimeRulesTest() { fs.AddVolume(VLT("\\\\nas\\other"), 0x5252, VLT("NTFS")); }

  // In sourceFolder and targetFolder\S, one file per case: the target written `offset` seconds
  // after the source, and, when untouched, never read since (last access = last write).
  void AddCases(const String& sourceFolder, const String& targetFolder) {
    AddPair(sourceFolder, targetFolder, VLT("equal"), 0, false);
    AddPair(sourceFolder, targetFolder, VLT("hour"), 3600, false);
    AddPair(sourceFolder, targetFolder, VLT("min61"), 61, false);
    AddPair(sourceFolder, targetFolder, VLT("s59read"), 59, false);
    AddPair(sourceFolder, targetFolder, VLT("s59untouched"), 59, true);
    AddPair(sourceFolder, targetFolder, VLT("s59older"), -59, true);
  }

  void AddPair(const String& sourceFolder, const String& targetFolder, const String& name,
               int64_t offset, bool untouched) {
    const String target = targetFolder + VLT("\\S\\") + name;
    fs.AddFile(sourceFolder + VLT("\\") + name, 1, kWritten);
    fs.AddFile(target, 1, kWritten + offset);
    const int64_t written = kWritten + offset;
    fs.SetRawTimes(target, FakeTimes{written, untouched ? written : written + 7, written});
  }

  // The changed-file line the tree shows for one case.
  static std::string Changed(const std::string& source, const std::string& target,
                             const std::string& name) {
    return "  CHANGED_FILE F old \"" + name + "\" 1 " + source + "\\" + name + " > " + target +
           "\\S\\" + name + "\n";
  }
};

TEST_F(AnalyserTimeRulesTest, FromNtfsToAShareMinutesAndAnUntouchedNewerTargetCountAsSame) {
  AddCases(VLT("C:\\S"), VLT("\\\\nas\\share\\B"));
  EXPECT_EQ(Analyse(VLT("C:\\S"), VLT("\\\\nas\\share\\B")),
            "EXISTING_FOLDER D old \"S\" 0 C:\\S > \\\\nas\\share\\B\\S\n" +
                Changed("C:\\S", "\\\\nas\\share\\B", "s59read") +
                Changed("C:\\S", "\\\\nas\\share\\B", "s59older"));
}

TEST_F(AnalyserTimeRulesTest, OnOneFileSystemOnlyEqualSecondsCount) {
  AddCases(VLT("C:\\S"), VLT("T:\\B"));
  std::string expected = "EXISTING_FOLDER D old \"S\" 0 C:\\S > T:\\B\\S\n";
  for (const char* name : {"hour", "min61", "s59read", "s59untouched", "s59older"}) {
    expected += Changed("C:\\S", "T:\\B", name);
  }
  EXPECT_EQ(Analyse(VLT("C:\\S"), VLT("T:\\B")), expected);
}

TEST_F(AnalyserTimeRulesTest, BetweenTwoSharesOnlyEqualSecondsCount) {
  AddCases(VLT("\\\\nas\\other\\S"), VLT("\\\\nas\\share\\B"));
  std::string expected =
      "EXISTING_FOLDER D old \"S\" 0 \\\\nas\\other\\S > \\\\nas\\share\\B\\S\n";
  for (const char* name : {"hour", "min61", "s59read", "s59untouched", "s59older"}) {
    expected += Changed("\\\\nas\\other\\S", "\\\\nas\\share\\B", name);
  }
  EXPECT_EQ(Analyse(VLT("\\\\nas\\other\\S"), VLT("\\\\nas\\share\\B")), expected);
}

}  // namespace
}  // namespace vl::test
