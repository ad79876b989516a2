#include "tests/support/FileSystemContract.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "client/model/PathJoin.h"

namespace vl::test {
namespace {

// 5 March 2014, 09:07:02 and nearby, as local status seconds; clear of summer-time changes.
constexpr int64_t kWritten = 1'394'010'422;
constexpr int64_t kCreated = kWritten - 86'400;
constexpr int64_t kAccessed = kWritten + 3'600;

FileStatus StatusOf(IFileSystem& fs, const String& path) {
  FileStatus status;
  EXPECT_TRUE(fs.GetStatus(path, status));
  return status;
}

bool Exists(IFileSystem& fs, const String& path) {
  FileStatus status;
  return fs.GetStatus(path, status).Ok();
}

// A failed query that says the path does not exist, the one failure a run may act on as
// "gone".
bool ReportedMissing(IFileSystem& fs, const String& path) {
  FileStatus status;
  return fs.GetStatus(path, status).Missing();
}

std::vector<FolderEntry> SortedListing(IFileSystem& fs, const String& folder) {
  std::vector<FolderEntry> entries;
  EXPECT_TRUE(fs.ListFolder(folder, entries));
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return entries;
}

auto Fields(const FileStatus& status) {
  return std::make_tuple(status.attributes, status.size, status.creationTime,
                         status.lastAccessTime, status.lastWriteTime);
}

// Bytes that differ from one chunk of a copy to the next, so that a chunk out of place shows.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

String Upper(String text) {
  for (Char& c : text) {
    if (c >= VLT('a') && c <= VLT('z')) c = static_cast<Char>(c - 0x20);
  }
  return text;
}

}  // namespace

std::string FsContractTargetName(const ::testing::TestParamInfo<FsContractTarget>& info) {
  return info.param.name;
}

void FileSystemContract::SetUp() { m_world = GetParam().make(); }

String FileSystemContract::Path(StringView relative) const {
  return model::JoinPath(m_world->Root(), relative);
}

String FileSystemContract::Seed(StringView relative, const std::string& bytes) {
  const String path = Path(relative);
  m_world->WriteFile(path, bytes);
  return path;
}

// --- status ---

TEST_P(FileSystemContract, StatusOfAFileGivesItsSizeAndOnlyTheLowAttributeBits) {
  const String file = Seed(VLT("a.txt"), "hello");
  const FileStatus status = StatusOf(Fs(), file);
  EXPECT_FALSE(status.IsFolder());
  EXPECT_EQ(status.size, 5u);
  EXPECT_EQ(status.attributes & ~static_cast<uint32_t>(kAttrStatusMask), 0u);
}

TEST_P(FileSystemContract, StatusOfAFolderShowsTheDirectoryBit) {
  ASSERT_TRUE(Fs().CreateFolder(Path(VLT("sub"))).Ok());
  EXPECT_TRUE(StatusOf(Fs(), Path(VLT("sub"))).IsFolder());
}

TEST_P(FileSystemContract, StatusOfAMissingPathFails) {
  const String file = Seed(VLT("a.txt"), "x");
  EXPECT_TRUE(ReportedMissing(Fs(), Path(VLT("missing.txt"))));
  EXPECT_TRUE(ReportedMissing(Fs(), Path(VLT("missing\\a.txt"))));
  EXPECT_FALSE(Exists(Fs(), model::JoinPath(file, VLT("below.txt"))));
}

TEST_P(FileSystemContract, NamesMatchInAnyLetterCase) {
  Seed(VLT("Mixed.Txt"), "x");
  EXPECT_TRUE(Exists(Fs(), Path(VLT("MIXED.TXT"))));
  EXPECT_TRUE(Exists(Fs(), Upper(Path(VLT("mixed.txt")))));
}

TEST_P(FileSystemContract, PathsCountUpTo259CharactersAndNotFrom260) {
  const String folder = Path(VLT("long"));
  ASSERT_TRUE(Fs().CreateFolder(folder).Ok());
  // The name must fit the 255-character limit of one name, the folder the one of CreateFolder.
  ASSERT_LT(folder.size(), 248u) << "scratch root too long for this test";
  const size_t nameLength = kMaxPathChars - 1 - (folder.size() + 1);
  const String fits = model::JoinPath(folder, String(nameLength, VLT('f')));
  const String tooLong = model::JoinPath(folder, String(nameLength + 1, VLT('g')));
  m_world->WriteFile(fits, "259");
  m_world->WriteFile(tooLong, "260");
  ASSERT_EQ(fits.size(), 259u);
  EXPECT_TRUE(Exists(Fs(), fits));
  EXPECT_TRUE(ReportedMissing(Fs(), tooLong));
  EXPECT_EQ(SortedListing(Fs(), folder).size(), 2u) << "the listing still shows both";
}

// --- listing ---

TEST_P(FileSystemContract, ListingGivesNamesFullPathsKindsAndSizes) {
  Seed(VLT("b.bin"), std::string(1000, 'b'));
  ASSERT_TRUE(Fs().CreateFolder(Path(VLT("a"))).Ok());
  const std::vector<FolderEntry> entries = SortedListing(Fs(), m_world->Root());
  ASSERT_EQ(entries.size(), 2u) << "no . or .. entries";
  EXPECT_EQ(entries[0].name, VLT("a"));
  EXPECT_EQ(entries[0].path, Path(VLT("a")));
  EXPECT_TRUE(entries[0].isFolder);
  EXPECT_EQ(entries[1].name, VLT("b.bin"));
  EXPECT_EQ(entries[1].path, Path(VLT("b.bin")));
  EXPECT_FALSE(entries[1].isFolder);
  EXPECT_EQ(entries[1].size, 1000u);
}

TEST_P(FileSystemContract, ListingGivesEachEntryTheStatusAQueryOfItsPathGives) {
  const String file = Seed(VLT("b.txt"), "listed");
  const String folder = Path(VLT("a"));
  ASSERT_TRUE(Fs().CreateFolder(folder).Ok());
  for (const String& path : {file, folder}) {
    ASSERT_TRUE(Fs().SetFileTimes(path, kCreated, kAccessed, kWritten).Ok());
  }
  ASSERT_TRUE(Fs().SetAttributes(file, kAttrReadOnly | kAttrHidden | kAttrArchive).Ok());
  ASSERT_TRUE(Fs().SetAttributes(folder, kAttrHidden).Ok());
  const std::vector<FolderEntry> entries = SortedListing(Fs(), m_world->Root());
  ASSERT_EQ(entries.size(), 2u);
  for (const FolderEntry& entry : entries) {
    SCOPED_TRACE(entry.isFolder ? "folder" : "file");
    const FileStatus status = StatusOf(Fs(), entry.path);
    EXPECT_EQ(Fields(entry.Status()), Fields(status));
    EXPECT_EQ(status.lastAccessTime, kAccessed);
    EXPECT_NE(status.attributes & kAttrHidden, 0u);
  }
  EXPECT_NE(entries[1].Status().attributes & kAttrReadOnly, 0u);
}

TEST_P(FileSystemContract, ListingAFolderGivenWithAFinalBackslashDoesNotDoubleIt) {
  Seed(VLT("a.txt"), "x");
  const std::vector<FolderEntry> entries = SortedListing(Fs(), m_world->Root() + VLT('\\'));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].path, Path(VLT("a.txt")));
}

TEST_P(FileSystemContract, ListingAnEmptyFolderSucceedsWithNoEntries) {
  ASSERT_TRUE(Fs().CreateFolder(Path(VLT("empty"))).Ok());
  EXPECT_TRUE(SortedListing(Fs(), Path(VLT("empty"))).empty());
}

TEST_P(FileSystemContract, ListingAMissingFolderOrAFileFails) {
  const String file = Seed(VLT("a.txt"), "x");
  std::vector<FolderEntry> entries;
  EXPECT_TRUE(Fs().ListFolder(Path(VLT("missing")), entries).Missing());
  EXPECT_FALSE(Fs().ListFolder(file, entries));
  EXPECT_TRUE(entries.empty());
}

TEST_P(FileSystemContract, ExclusiveReadProbeFailsOnlyWhereAnotherProgramHoldsTheFile) {
  const String free = Seed(VLT("free.txt"), "x");
  const String held = Seed(VLT("held.txt"), "y");
  m_world->HoldOpen(held);
  EXPECT_TRUE(Fs().ProbeExclusiveRead(free).Ok());
  EXPECT_TRUE(Fs().ProbeExclusiveRead(free).Ok()) << "the probe closes what it opened";
  const FsResult locked = Fs().ProbeExclusiveRead(held);
  EXPECT_EQ(locked.error, FsError::AccessDenied);
  EXPECT_EQ(locked.systemCode, uint32_t{kSysSharingViolation});
  EXPECT_TRUE(Fs().ProbeExclusiveRead(Path(VLT("none.txt"))).Missing());
  EXPECT_EQ(Read(held), "y") << "the file itself is untouched";
}

// --- volumes ---

TEST_P(FileSystemContract, TheScratchVolumeHasASerialAndAFileSystemName) {
  VolumeInfo info;
  ASSERT_TRUE(Fs().GetVolumeInfo(m_world->Root().substr(0, 3), info));
  EXPECT_FALSE(info.fileSystemName.empty());
}

TEST_P(FileSystemContract, TheFirstThreeCharactersOfAUncPathAreNoVolume) {
  VolumeInfo info;
  EXPECT_FALSE(Fs().GetVolumeInfo(VLT("\\\\s"), info));
}

// --- folders ---

TEST_P(FileSystemContract, CreateFolderMakesOneLevelOnly) {
  EXPECT_TRUE(Fs().CreateFolder(Path(VLT("one"))).Ok());
  EXPECT_EQ(Fs().CreateFolder(Path(VLT("one"))).error, FsError::AlreadyExists);
  EXPECT_EQ(Fs().CreateFolder(Path(VLT("two\\three"))).error, FsError::NotFound);
  EXPECT_FALSE(Exists(Fs(), Path(VLT("two"))));
}

TEST_P(FileSystemContract, RemoveFolderRemovesOnlyAnEmptyFolder) {
  ASSERT_TRUE(Fs().CreateFolder(Path(VLT("full"))).Ok());
  Seed(VLT("full\\a.txt"), "x");
  const FsResult notEmpty = Fs().RemoveFolder(Path(VLT("full")));
  EXPECT_EQ(notEmpty.error, FsError::NotEmpty);
  EXPECT_NE(notEmpty.systemCode, 0u);
  ASSERT_TRUE(Fs().RemoveFile(Path(VLT("full\\a.txt"))).Ok());
  EXPECT_TRUE(Fs().RemoveFolder(Path(VLT("full"))).Ok());
  EXPECT_FALSE(Exists(Fs(), Path(VLT("full"))));
  EXPECT_EQ(Fs().RemoveFolder(Path(VLT("full"))).error, FsError::NotFound);
}

// --- copying into place ---

TEST_P(FileSystemContract, CopyIntoPlaceBringsDataAttributesAndAllThreeTimes) {
  const std::string sizes[] = {std::string(), "payload", Pattern((5u << 20) / 2)};
  for (size_t i = 0; i < std::size(sizes); ++i) {
    SCOPED_TRACE(sizes[i].size());
    const String name = VLT("f") + String(1, static_cast<Char>(VLT('0') + i));
    const String source = Seed(name + VLT(".src"), sizes[i]);
    ASSERT_TRUE(Fs().SetFileTimes(source, kCreated, kAccessed, kWritten).Ok());
    ASSERT_TRUE(Fs().SetAttributes(source, kAttrReadOnly | kAttrHidden | kAttrArchive).Ok());
    // Taken before reading, which may move the source's last-access time; a platform that
    // keeps no creation time of its own reports the last-write time there.
    const FileStatus original = StatusOf(Fs(), source);
    ASSERT_EQ(original.lastAccessTime, kAccessed);
    const String partial = Path(name + VLT(".part"));
    const String target = Path(name + VLT(".txt"));
    ASSERT_TRUE(Fs().CopyIntoPlace(source, partial, target, nullptr, nullptr).Ok());
    EXPECT_EQ(Fields(StatusOf(Fs(), target)), Fields(original));
    EXPECT_NE(original.attributes & kAttrReadOnly, 0u);
    EXPECT_NE(original.attributes & kAttrHidden, 0u);
    EXPECT_TRUE(Read(target) == sizes[i]);
    EXPECT_TRUE(ReportedMissing(Fs(), partial));
  }
}

TEST_P(FileSystemContract, CopyIntoPlaceTakesATargetWhoseOldVersionMadeWay) {
  const String source = Seed(VLT("src.txt"), "new");
  const String target = Seed(VLT("dst.txt"), "old, longer");
  const String aside = Path(VLT("dst.old"));
  const MakeWayFn moveAside = [&] { return Fs().MoveFileTo(target, aside); };
  ASSERT_TRUE(Fs().CopyIntoPlace(source, Path(VLT("dst.part")), target, nullptr, moveAside));
  EXPECT_EQ(Read(target), "new");
  EXPECT_EQ(Read(aside), "old, longer");
  EXPECT_TRUE(ReportedMissing(Fs(), Path(VLT("dst.part"))));
}

TEST_P(FileSystemContract, CopyIntoPlaceLeavesAFileUnderTheTakenPartialNameAlone) {
  const String source = Seed(VLT("src.txt"), "new");
  const String partial = Seed(VLT("dst.part"), "left over");
  const FsResult result =
      Fs().CopyIntoPlace(source, partial, Path(VLT("dst.txt")), nullptr, nullptr);
  EXPECT_EQ(result.error, FsError::AlreadyExists);
  EXPECT_EQ(Read(partial), "left over");
  EXPECT_FALSE(Exists(Fs(), Path(VLT("dst.txt"))));
}

// Whatever fails, the partial name is free again and the target as it was; the old target
// makes way only for a complete new version. The source is read-only, which the partial copy
// may already carry when the failure comes.
TEST_P(FileSystemContract, AFailedCopyIntoPlaceLeavesNothingUnderThePartialName) {
  const String source = Seed(VLT("src.bin"), Pattern(300 * 1024));
  ASSERT_TRUE(Fs().SetAttributes(source, kAttrReadOnly | kAttrArchive).Ok());
  const String taken = Seed(VLT("taken.txt"), "theirs");
  const String partial = Path(VLT("dst.part"));
  const String target = Path(VLT("dst.bin"));
  const CopyProgressFn cancel = [](const CopyProgressInfo&) { return false; };
  const FsResult refusal = FsFailure(kSysSharingViolation);
  const struct {
    const char* what;
    String source, partial, target;
    CopyProgressFn progress;
    FsResult madeWay;
    FsResult expected;  // a systemCode of 0: whichever the system gives
    bool reachesMakeWay;
  } cases[] = {
      {"missing source", Path(VLT("none.bin")), partial, target, nullptr, {},
       {FsError::NotFound, 0}, false},
      {"missing folder", source, Path(VLT("none\\dst.part")), target, nullptr, {},
       {FsError::NotFound, 0}, false},
      {"cancelled", source, partial, target, cancel, {}, FsFailure(kSysRequestAborted), false},
      {"refused to make way", source, partial, target, nullptr, refusal, refusal, true},
      {"target taken", source, partial, taken, nullptr, {}, {FsError::AlreadyExists, 0}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    int calls = 0;
    const MakeWayFn makeWay = [&] {
      ++calls;
      return c.madeWay;
    };
    const FsResult result = Fs().CopyIntoPlace(c.source, c.partial, c.target, c.progress, makeWay);
    EXPECT_EQ(result.error, c.expected.error);
    if (c.expected.systemCode != 0) {
      EXPECT_EQ(result.systemCode, c.expected.systemCode);
    }
    EXPECT_EQ(calls, c.reachesMakeWay ? 1 : 0);
    EXPECT_TRUE(ReportedMissing(Fs(), c.partial));
  }
  EXPECT_FALSE(Exists(Fs(), target));
  EXPECT_EQ(Read(taken), "theirs");
  EXPECT_TRUE(Exists(Fs(), source));
}

TEST_P(FileSystemContract, CopyProgressGrowsToTheFileSize) {
  const std::string bytes = Pattern(3 << 20);
  const String source = Seed(VLT("big.bin"), bytes);
  std::vector<uint64_t> seen;
  const CopyProgressFn progress = [&seen, &bytes](const CopyProgressInfo& info) {
    EXPECT_EQ(info.streamSize, bytes.size());
    seen.push_back(info.streamTransferred);
    return true;
  };
  ASSERT_TRUE(
      Fs().CopyIntoPlace(source, Path(VLT("copy.part")), Path(VLT("copy.bin")), progress, nullptr));
  ASSERT_GT(seen.size(), 1u);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(seen.back(), bytes.size());
}

// --- moving and deleting ---

TEST_P(FileSystemContract, MoveRenamesAndKeepsTheLastWriteTime) {
  const String source = Seed(VLT("old.txt"), "data");
  ASSERT_TRUE(Fs().SetFileTimes(source, kCreated, kAccessed, kWritten).Ok());
  ASSERT_TRUE(Fs().CreateFolder(Path(VLT("hist"))).Ok());
  const String target = Path(VLT("hist\\old_1.txt"));
  ASSERT_TRUE(Fs().MoveFileTo(source, target).Ok());
  EXPECT_FALSE(Exists(Fs(), source));
  EXPECT_EQ(Read(target), "data");
  EXPECT_EQ(StatusOf(Fs(), target).lastWriteTime, kWritten);
}

TEST_P(FileSystemContract, MoveOntoAnExistingFileFailsAndKeepsBoth) {
  const String source = Seed(VLT("a.txt"), "a");
  const String target = Seed(VLT("b.txt"), "b");
  EXPECT_EQ(Fs().MoveFileTo(source, target).error, FsError::AlreadyExists);
  EXPECT_EQ(Read(source), "a");
  EXPECT_EQ(Read(target), "b");
}

TEST_P(FileSystemContract, MoveOfAMissingFileFailsAsNotFound) {
  EXPECT_EQ(Fs().MoveFileTo(Path(VLT("none.txt")), Path(VLT("b.txt"))).error,
            FsError::NotFound);
}

TEST_P(FileSystemContract, RemoveFileRefusesAReadOnlyFile) {
  const String file = Seed(VLT("ro.txt"), "x");
  ASSERT_TRUE(Fs().SetAttributes(file, kAttrReadOnly).Ok());
  EXPECT_EQ(Fs().RemoveFile(file).error, FsError::AccessDenied);
  EXPECT_TRUE(Exists(Fs(), file));
  ASSERT_TRUE(Fs().SetAttributes(file, kAttrArchive).Ok());
  EXPECT_TRUE(Fs().RemoveFile(file).Ok());
  EXPECT_FALSE(Exists(Fs(), file));
  EXPECT_EQ(Fs().RemoveFile(file).error, FsError::NotFound);
}

// --- attributes and times ---

TEST_P(FileSystemContract, AttributesCanBeSetAndCleared) {
  const String file = Seed(VLT("a.txt"), "x");
  ASSERT_TRUE(Fs().SetAttributes(file, kAttrReadOnly | kAttrHidden).Ok());
  EXPECT_EQ(StatusOf(Fs(), file).attributes & (kAttrReadOnly | kAttrHidden),
            static_cast<uint32_t>(kAttrReadOnly | kAttrHidden));
  ASSERT_TRUE(Fs().SetAttributes(file, kAttrArchive).Ok());
  EXPECT_EQ(StatusOf(Fs(), file).attributes & (kAttrReadOnly | kAttrHidden), 0u);
}

TEST_P(FileSystemContract, TimesReadBackAsSetInWholeSeconds) {
  const String file = Seed(VLT("a.txt"), "x");
  ASSERT_TRUE(Fs().SetFileTimes(file, kCreated, kAccessed, kWritten).Ok());
  const FileStatus status = StatusOf(Fs(), file);
  EXPECT_EQ(status.creationTime, m_world->KeepsCreationTimes() ? kCreated : kWritten);
  EXPECT_EQ(status.lastAccessTime, kAccessed);
  EXPECT_EQ(status.lastWriteTime, kWritten);
}

TEST_P(FileSystemContract, OperationsOnMissingPathsFailAsNotFound) {
  const String missing = Path(VLT("none.txt"));
  EXPECT_EQ(Fs().SetAttributes(missing, kAttrArchive).error, FsError::NotFound);
  EXPECT_EQ(Fs().SetFileTimes(missing, kCreated, kAccessed, kWritten).error, FsError::NotFound);
}

}  // namespace vl::test
