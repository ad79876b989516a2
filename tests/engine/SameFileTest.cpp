#include "client/engine/SameFile.h"

#include <gtest/gtest.h>

#include "tests/support/FakeFileSystem.h"

namespace vl {
namespace {

using test::FakeTimes;

constexpr int64_t kSourceWrite = 1'394'010'422;

// A source on a local NTFS volume against targets on a local NTFS volume (D:), a FAT32 disk
// (F:) and shares, with the file times each test chooses.
class SameFileTest : public ::testing::Test {
 protected:
  SameFileTest() {
    fs.AddVolume(VLT("C:\\"), 1, VLT("NTFS"));
    fs.AddVolume(VLT("D:\\"), 2, VLT("ntfs"));
    fs.AddVolume(VLT("F:\\"), 3, VLT("FAT32"));
    fs.AddVolume(VLT("\\\\nas\\share"), 4, VLT("NTFS"));
    fs.AddVolume(VLT("\\\\nas\\other"), 5, VLT("NTFS"));
  }

  // Source and target files, the target written `offset` seconds after the source.
  bool Same(const String& source, const String& target, int64_t offset, bool targetUntouched) {
    fs.AddFile(source, 10, kSourceWrite);
    fs.AddFile(target, 10, kSourceWrite + offset);
    const int64_t access = targetUntouched ? kSourceWrite + offset : kSourceWrite + offset + 5;
    fs.SetRawTimes(target, FakeTimes{kSourceWrite, access, kSourceWrite + offset});
    return IsSameFile(fs, source, target);
  }

  bool ToShare(int64_t offset, bool targetUntouched = false) {
    return Same(VLT("C:\\a.txt"), VLT("\\\\nas\\share\\a.txt"), offset, targetUntouched);
  }

  test::FakeFileSystem fs;
};

TEST_F(SameFileTest, SameFileSystemNeedsEqualSecondsWhateverTheSizes) {
  fs.AddFile(VLT("C:\\a.txt"), 10, kSourceWrite);
  fs.AddFile(VLT("D:\\a.txt"), 99, kSourceWrite);
  EXPECT_TRUE(IsSameFile(fs, VLT("C:\\a.txt"), VLT("D:\\a.txt")));
  EXPECT_FALSE(Same(VLT("C:\\b.txt"), VLT("D:\\b.txt"), 60, true));
  EXPECT_FALSE(Same(VLT("C:\\c.txt"), VLT("D:\\c.txt"), -1, true));
}

TEST_F(SameFileTest, ToAShareWholeMinutesAndHoursCountAsEqual) {
  EXPECT_TRUE(ToShare(3600));
  EXPECT_TRUE(ToShare(-3600));
  EXPECT_TRUE(ToShare(60));
}

TEST_F(SameFileTest, ToAShareUpToTwoSecondsPastAMinuteCountAsEqual) {
  EXPECT_TRUE(ToShare(61));
  EXPECT_TRUE(ToShare(-2));
  EXPECT_FALSE(ToShare(3));
  EXPECT_FALSE(ToShare(58));
}

TEST_F(SameFileTest, FiftyNineSecondsCountOnlyForAnUntouchedNewerTarget) {
  EXPECT_FALSE(ToShare(59, false));
  EXPECT_TRUE(ToShare(59, true));
  EXPECT_FALSE(ToShare(-59, true)) << "an older target is not the same file";
}

TEST_F(SameFileTest, BetweenTwoSharesOnlyEqualTimesCount) {
  EXPECT_TRUE(Same(VLT("\\\\nas\\other\\a.txt"), VLT("\\\\nas\\share\\a.txt"), 0, false));
  EXPECT_FALSE(Same(VLT("\\\\nas\\other\\b.txt"), VLT("\\\\nas\\share\\b.txt"), 3600, true));
  EXPECT_FALSE(Same(VLT("\\\\nas\\other\\c.txt"), VLT("\\\\nas\\share\\c.txt"), 59, true));
}

TEST_F(SameFileTest, NtfsToFatForgivesTheTwoSecondRounding) {
  EXPECT_TRUE(Same(VLT("C:\\a.txt"), VLT("F:\\a.txt"), 2, false));
  EXPECT_FALSE(Same(VLT("C:\\b.txt"), VLT("F:\\b.txt"), 3, false));
}

TEST_F(SameFileTest, AMissingFileIsNeverTheSame) {
  fs.AddFile(VLT("C:\\a.txt"), 10, kSourceWrite);
  EXPECT_FALSE(IsSameFile(fs, VLT("C:\\a.txt"), VLT("\\\\nas\\share\\none.txt")));
  EXPECT_FALSE(IsSameFile(fs, VLT("C:\\none.txt"), VLT("C:\\a.txt")));
}

TEST_F(SameFileTest, EachVolumeIsAskedOnceWhenTheCacheIsShared) {
  VolumeNameCache volumes(fs);
  fs.AddFile(VLT("C:\\a.txt"), 1, kSourceWrite);
  fs.AddFile(VLT("D:\\a.txt"), 1, kSourceWrite);
  fs.AddFile(VLT("c:\\b.txt"), 1, kSourceWrite);
  fs.AddFile(VLT("D:\\b.txt"), 1, kSourceWrite);
  EXPECT_TRUE(IsSameFile(fs, volumes, VLT("C:\\a.txt"), VLT("D:\\a.txt")));
  EXPECT_TRUE(IsSameFile(fs, volumes, VLT("c:\\b.txt"), VLT("D:\\b.txt")));
  EXPECT_EQ(fs.VolumeQueries(), 2u);
}

TEST(ComparisonRoot, IsTheFirstThreeCharacters) {
  EXPECT_EQ(ComparisonRoot(VLT("C:\\Work\\a.txt")), VLT("C:\\"));
  EXPECT_EQ(ComparisonRoot(VLT("\\\\nas\\share\\a.txt")), VLT("\\\\n"));
}

}  // namespace
}  // namespace vl
