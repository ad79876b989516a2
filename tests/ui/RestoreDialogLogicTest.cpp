// The restore dialog's decisions over the in-memory file system: what a pick lists, when a
// restore asks first, where it goes, what it refuses while something runs, and that a replace
// keeps what it replaced. The worker runs the real restore when the test lets it finish.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "client/engine/ReportFormat.h"
#include "client/engine/TextProvider.h"
#include "client/model/SourceList.h"
#include "client/ui/logic/RestoreDialogLogic.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeFileSystem.h"
#include "tests/ui/CallLog.h"

namespace vl::test {
namespace {

constexpr int64_t kOld = 1'700'000'000;
constexpr int64_t kNew = 1'700'086'400;
const String kSource = VLT("C:\\Docs\\a.txt");
const String kCurrent = VLT("T:\\B\\Docs\\a.txt");
const String kKept = VLT("T:\\B\\Docs\\_VLHistory\\a_VL20231114221320.txt");

class RecordingView : public IRestoreDialogView {
 public:
  explicit RecordingView(CallLog& log) : m_log(log) {}
  std::vector<bool> answers;  // in order; a question beyond them is a failure
  std::optional<String> browseResult;
  std::vector<VersionRow> rows;
  int selected = -1;
  bool restoreEnabled = false;
  String sourcePath = VLT("unset");

  void ShowMessage(TextId id, const String& insert) override { Box("message", id, insert); }
  void ShowFailure(TextId id, const String& insert) override { Box("failure", id, insert); }
  bool AskYesNo(TextId id, const String& insert) override {
    Box("ask", id, insert);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question " << id;
      return false;
    }
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  bool BrowseForSource(String& chosen) override { return Browse("browse source", {}, chosen); }
  bool BrowseForFolder(const String& initial, String& chosen) override {
    return Browse("browse folder", initial, chosen);
  }
  void ShowSourcePath(const String& path) override { sourcePath = path; }
  void ShowVersions(const std::vector<VersionRow>& shown) override { rows = shown; }
  void SelectVersion(int row) override { selected = row; }
  int SelectedVersion() const override { return selected; }
  void EnableRestore(bool enable) override { restoreEnabled = enable; }
  void ShowBusy(bool busy) override { m_log.Add(busy ? "busy" : "idle"); }

 private:
  void Box(const char* kind, TextId id, const String& insert) {
    m_log.Add(std::string(kind) + " " + std::to_string(id) + " " + Narrow(insert));
  }
  bool Browse(const char* kind, const String& initial, String& chosen) {
    m_log.Add(std::string(kind) + " [" + Narrow(initial) + "]");
    if (browseResult) chosen = *browseResult;
    return browseResult.has_value();
  }
  CallLog& m_log;
};

// Holds the job until the test finishes it, as a worker thread would until its copy is done.
class HeldWorker : public IRestoreWorker {
 public:
  std::optional<RestoreJob> job;
  bool refuses = false;
  bool Start(RestoreJob started) override {
    if (refuses) return false;
    job = std::move(started);
    return true;
  }
};

class RestoreDialog : public ::testing::Test {
 protected:
  RestoreDialog() {
    fs.AddVolume(VLT("C:\\"), 0xC0C0, VLT("NTFS"));
    fs.AddVolume(VLT("T:\\"), 0x7070, VLT("NTFS"));
    fs.AddFileWithContent(kSource, "mine now", kNew + 100);
    fs.AddFileWithContent(kCurrent, "backed up", kNew);
    fs.AddFileWithContent(kKept, "kept", kOld);
    auto item = std::make_unique<CSource>();
    item->path = VLT("C:\\Docs");
    item->volumeSerial = 0xC0C0;
    items.AddTail(std::move(item));
    clock.now = LocalTime{2026, 12, 9, 10, 0, 0};
    logic.Open();
    log.Clear();
  }
  // Lets the held copy run on the fake and hands its outcome back.
  void Finish() {
    ASSERT_TRUE(worker.job.has_value());
    const RestoreJob job = std::move(*worker.job);
    worker.job.reset();
    logic.OnRestoreDone(
        RestoreVersion(fs, clock, job.list, job.version, job.destination, job.replace));
  }
  std::string Box(const char* kind, TextId id, const String& insert) {
    return std::string(kind) + " " + std::to_string(id) + " " + Narrow(insert);
  }

  FakeFileSystem fs;
  FakeClock clock;
  CSourceList items;
  EnglishTexts texts;
  CallLog log;
  RecordingView view{log};
  HeldWorker worker;
  bool backupRunning = false;
  CRestoreDialogLogic logic{RestoreSetting{fs, fs, items, VLT("T:\\B"), [this] {
                              return backupRunning;
                            }},
                            view, worker, texts};
};

TEST_F(RestoreDialog, APickListsTheCurrentCopyFirstAndSelectsIt) {
  logic.DropPaths({kSource, VLT("C:\\Docs\\ignored.txt")});
  EXPECT_EQ(view.sourcePath, kSource);
  ASSERT_EQ(view.rows.size(), 2u);
  EXPECT_EQ(view.rows[0].version, VLT("Current backup"));
  EXPECT_EQ(view.rows[0].modified, LocalTimeText(kNew));
  EXPECT_EQ(view.rows[0].size, FormatSize(9));
  EXPECT_EQ(view.rows[1].version, VLT("2023-11-14 22:13:20"));
  EXPECT_EQ(view.selected, 0);
  EXPECT_TRUE(view.restoreEnabled);
  EXPECT_TRUE(log.Entries().empty());
}

TEST_F(RestoreDialog, APickWithoutVersionsSaysWhyAndLeavesNothingToRestore) {
  fs.AddFile(VLT("C:\\Docs\\new.txt"), 3, kNew);
  fs.AddFile(VLT("C:\\Other\\b.txt"), 3, kNew);
  const struct {
    String path;
    TextId message;
  } cases[] = {
      {VLT("C:\\Docs\\new.txt"), IDS_MSG_NO_VERSIONS},       // never backed up
      {VLT("C:\\Other\\b.txt"), IDS_RESTORE_NOT_BELOW_ITEM},  // not in the set
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Narrow(c.path));
    logic.Pick(kSource);  // something listed before
    log.Clear();
    logic.Pick(c.path);
    EXPECT_EQ(log.Entries(), std::vector<std::string>{Box("message", c.message, c.path)});
    EXPECT_TRUE(view.rows.empty());
    EXPECT_TRUE(view.sourcePath.empty());
    EXPECT_FALSE(view.restoreEnabled);
    logic.RestoreToPlace();
    EXPECT_FALSE(worker.job.has_value());
  }
}

TEST_F(RestoreDialog, RestoringOntoTheFileYouHaveAsksAndKeepsItWhenReplaced) {
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "yes" : "no");
    logic.Pick(kSource);
    view.selected = 1;  // the kept copy
    logic.SelectionChanged();
    log.Clear();
    view.answers = {yes};
    logic.RestoreToPlace();
    EXPECT_EQ(log.Only({"ask"}),
              std::vector<std::string>{Box("ask", IDS_ASK_RESTORE_REPLACE, kSource)});
    ASSERT_EQ(worker.job.has_value(), yes);
    if (!yes) {
      EXPECT_EQ(fs.Content(kSource), "mine now");
      continue;
    }
    EXPECT_TRUE(worker.job->replace);
    ASSERT_NO_FATAL_FAILURE(Finish());
    EXPECT_EQ(fs.Content(kSource), "kept");
    EXPECT_TRUE(log.Has(Box("message", IDS_MSG_RESTORED, kSource)));
    // What was there now is one more version, and the restored one stays selected.
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(logic.Versions().versions[static_cast<size_t>(view.selected)].path, kKept);
  }
}

TEST_F(RestoreDialog, RestoringToAFolderStartsBesideTheSourceAndAsksOnlyWhenTaken) {
  fs.AddFolder(VLT("C:\\Out"));
  logic.Pick(kSource);
  logic.RestoreToFolder();  // cancelled
  EXPECT_FALSE(worker.job.has_value());
  view.browseResult = VLT("C:\\Out");
  logic.RestoreToFolder();
  EXPECT_EQ(log.Only({"browse", "ask"}),
            (std::vector<std::string>{"browse folder [C:\\Docs]", "browse folder [C:\\Docs]"}));
  ASSERT_TRUE(worker.job.has_value());
  EXPECT_FALSE(worker.job->replace);
  ASSERT_NO_FATAL_FAILURE(Finish());
  EXPECT_EQ(fs.Content(VLT("C:\\Out\\a.txt")), "backed up");
  EXPECT_EQ(fs.Content(kSource), "mine now");
}

TEST_F(RestoreDialog, NothingStartsWhileABackupOrAnotherRestoreRuns) {
  fs.RemoveFile(kSource);
  logic.Pick(kSource);
  backupRunning = true;
  logic.RestoreToPlace();
  EXPECT_EQ(log.Entries(), std::vector<std::string>{Box("message", IDS_MSG_JOB_IN_PROGRESS, {})});
  EXPECT_FALSE(worker.job.has_value());

  backupRunning = false;
  logic.RestoreToPlace();
  ASSERT_TRUE(worker.job.has_value());
  EXPECT_FALSE(view.restoreEnabled);
  log.Clear();
  worker.job.reset();
  logic.RestoreToPlace();
  logic.DropPaths({VLT("C:\\Docs")});
  view.browseResult = VLT("C:\\Docs");
  logic.BrowseForSource();
  EXPECT_FALSE(worker.job.has_value());
  EXPECT_EQ(view.sourcePath, kSource);
  EXPECT_FALSE(logic.CanClose());
  EXPECT_EQ(log.Entries(), std::vector<std::string>{Box("message", IDS_MSG_JOB_IN_PROGRESS, {})});
  logic.OnRestoreDone(RestoreOutcome{});
  EXPECT_TRUE(logic.CanClose());
  EXPECT_TRUE(view.restoreEnabled);
}

TEST_F(RestoreDialog, AFailedRestoreNamesWhatFailedAndReportsNoSuccess) {
  fs.RemoveFile(kSource);
  logic.Pick(kSource);
  fs.InjectFailure(FakeOp::Copy, kCurrent, kSysAccessDenied);
  logic.RestoreToPlace();
  ASSERT_NO_FATAL_FAILURE(Finish());
  EXPECT_FALSE(fs.Exists(kSource));
  EXPECT_EQ(log.Only({"message", "failure"}).size(), 1u);
  EXPECT_EQ(log.Only({"failure"}).size(), 1u);

  worker.refuses = true;
  log.Clear();
  logic.RestoreToPlace();
  EXPECT_EQ(log.Entries(),
            std::vector<std::string>{Box("failure", IDS_MSG_RESTORE_FAILED, kSource)});
  EXPECT_TRUE(logic.CanClose());
}

TEST(VersionRowText, LocalTimesOnEitherSideOfTheEpochAndLeapDays) {
  const struct {
    int64_t seconds;
    const Char* text;
  } cases[] = {
      {0, VLT("1970-01-01 00:00:00")},
      {-1, VLT("1969-12-31 23:59:59")},
      {951'782'400, VLT("2000-02-29 00:00:00")},
      {1'709'251'199, VLT("2024-02-29 23:59:59")},
      {4'102'444'800, VLT("2100-01-01 00:00:00")},
  };
  for (const auto& c : cases) EXPECT_EQ(LocalTimeText(c.seconds), c.text) << c.seconds;
}

}  // namespace
}  // namespace vl::test
