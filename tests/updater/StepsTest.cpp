// The check and the download against fakes that fail where a real machine cannot be made to
// fail under test: no connection, a working folder or file that cannot be made, a full disk.
// What a hostile server can do is proved end to end on real files (vlupdate_test.py).
#include <gtest/gtest.h>

#include "tests/updater/FakeUpdateServices.h"
#include "updater/logic/UpdateCheck.h"
#include "updater/logic/UpdateDownload.h"

namespace vl::updater {
namespace {

using test::FakeResponse;

const String kCheckUrl = VLT("http://svc/updatecheck.php?ver=1");
const std::string kAnswer =
    "[VAULTLINE_UPDATE_RETURN]\nID_RESULT=1\nID_FILE_COUNT=1\n[FILE_INFO_0]\nFILE_SIZE=3\n"
    "FILE_VER=2.0\nFILE_NAME=Vaultline.exe\nFILE_URL=http://rel\n";

class UpdateStepsTest : public testing::Test {
 protected:
  UpdateServices Services() { return UpdateServices{http, files, installed, view}; }
  CheckOutcome Check() {
    UpdateServices services = Services();
    return RunCheck({kCheckUrl, folders}, services, queue);
  }
  bool Download() {
    UpdateServices services = Services();
    return RunDownload(queue, folders, services);
  }
  void Queue(const String& name, const std::string& content, const FakeResponse& response) {
    CUpdateInfo info;
    info.m_strFileName = name;
    info.m_nSize = static_cast<int64_t>(content.size());
    info.m_strUrl = VLT("http://rel");
    http.responses[VLT("http://rel/") + name] = response;
    queue.files.push_back(info);
    queue.totalBytes += content.size();
  }

  UpdateFolders folders{VLT("C:\\App"), VLT("C:\\Windows"), VLT("C:\\App\\Temp")};
  test::FakeHttp http;
  test::FakeWorkFiles files;
  test::FakeInstalled installed;
  test::FakeView view;
  UpdateQueue queue;
};

TEST_F(UpdateStepsTest, ACheckAsksOnlyWithAWholeAnswerKeptInTheWorkingFolder) {
  const struct {
    const char* what;
    bool connected, folderFails, answerFileFails;
    FakeResponse response;
    CheckOutcome outcome;
  } cases[] = {
      {"offline", false, false, false, {kAnswer}, CheckOutcome::Offline},
      {"no working folder", true, true, false, {kAnswer}, CheckOutcome::NoWorkFolder},
      {"no answer file", true, false, true, {kAnswer}, CheckOutcome::NoAnswer},
      {"broken off", true, false, false, {kAnswer, 10}, CheckOutcome::NoAnswer},
      {"accepted", true, false, false, {kAnswer}, CheckOutcome::Accepted},
  };
  for (const auto& c : cases) {
    http = {};
    files = {};
    view = {};
    http.connected = c.connected;
    files.folderFails = c.folderFails;
    if (c.answerFileFails) files.createFails.insert(VLT("C:\\App\\Temp\\Update.ini"));
    http.responses[kCheckUrl] = c.response;
    EXPECT_EQ(Check(), c.outcome) << c.what;
    EXPECT_EQ(view.asked, c.outcome == CheckOutcome::Accepted ? 1 : 0) << c.what;
  }
  EXPECT_EQ(files.files[VLT("C:\\App\\Temp\\Update.ini")], kAnswer);
}

TEST_F(UpdateStepsTest, ALongerBodyIsNotReadOnAndTheNextFileStillComes) {
  const std::string content = "new client";
  Queue(VLT("Vaultline.exe"), content, {content + std::string(3 * kDownloadBlockBytes, 'x')});
  Queue(VLT("Next.dat"), "next", {"next"});
  EXPECT_TRUE(Download());
  EXPECT_FALSE(queue.files[0].m_bDownloaded);
  EXPECT_EQ(files.files.count(VLT("C:\\App\\Temp\\Vaultline.exe")), 0u);
  EXPECT_TRUE(queue.files[1].m_bDownloaded);
  EXPECT_LE(http.served, kDownloadBlockBytes + 4);
}

TEST_F(UpdateStepsTest, ALocalFileThatCannotBeMadeOrWrittenOrACancelEndsTheDownload) {
  const std::string big(3 * kDownloadBlockBytes, 'b');
  const struct {
    const char* what;
    bool createFails;
    size_t diskRoom;
    std::optional<int> stopAtCheck;
  } cases[] = {
      {"cannot create", true, SIZE_MAX, {}},
      {"disk full", false, kDownloadBlockBytes, {}},
      {"cancelled after the first block", false, SIZE_MAX, 1},
  };
  for (const auto& c : cases) {
    http = {};
    files = {};
    view = {};
    queue = {};
    Queue(VLT("Big.dat"), big, {big});
    Queue(VLT("Next.dat"), "next", {"next"});
    if (c.createFails) files.createFails.insert(VLT("C:\\App\\Temp\\Big.dat"));
    files.diskRoom = c.diskRoom;
    view.stopAtCheck = c.stopAtCheck;
    EXPECT_FALSE(Download()) << c.what;
    EXPECT_FALSE(queue.files[0].m_bDownloaded || queue.files[1].m_bDownloaded) << c.what;
    EXPECT_TRUE(files.files.empty()) << c.what;
  }
}

TEST_F(UpdateStepsTest, ProgressFollowsTheBytesOfAllFiles) {
  const std::string big(2 * kDownloadBlockBytes, 'b');
  Queue(VLT("A.dat"), big, {big});
  Queue(VLT("B.dat"), big, {big});
  ASSERT_TRUE(Download());
  EXPECT_EQ(view.progress, (std::vector<int>{25, 50, 75, 100}));
}

}  // namespace
}  // namespace vl::updater
