// The check, the download and putting in place, against fakes that break the way real servers,
// disks and users do.
#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "tests/updater/FakeUpdateServices.h"
#include "updater/logic/PauseGate.h"
#include "updater/logic/PutInPlace.h"
#include "updater/logic/Sha256.h"
#include "updater/logic/UpdateCheck.h"
#include "updater/logic/UpdateDownload.h"

namespace vl::updater {
namespace {

using test::FakeResponse;

const String kCheckUrl = VLT("http://svc/updatecheck.php?ver=1");
const String kAnswerPath = VLT("C:\\App\\Temp\\Update.ini");

String Hex(const std::string& data) {
  Sha256 hash;
  hash.Update(reinterpret_cast<const uint8_t*>(data.data()), data.size());
  return DigestToHex(hash.Finish());
}

class UpdateStepsTest : public testing::Test {
 protected:
  CheckOutcome Check() {
    UpdateServices services{http, files, installed, view};
    return RunCheck({kCheckUrl, folders}, services, queue);
  }
  bool Download() {
    UpdateServices services{http, files, installed, view};
    return RunDownload(queue, folders, services);
  }
  // A queued file and what the server sends for it.
  CUpdateInfo& Queue(const String& name, const std::string& content, const FakeResponse& response) {
    CUpdateInfo info;
    info.m_strFileName = name;
    info.m_nSize = static_cast<int64_t>(content.size());
    info.m_strUrl = VLT("http://rel");
    info.m_strDestination = JoinPath(folders.install, name);
    http.responses[VLT("http://rel/") + name] = response;
    queue.files.push_back(info);
    queue.totalBytes += content.size();
    return queue.files.back();
  }

  UpdateFolders folders{VLT("C:\\App"), VLT("C:\\Windows"), VLT("C:\\App\\Temp")};
  test::FakeHttp http;
  test::FakeWorkFiles files;
  test::FakeInstalled installed;
  test::FakeView view;
  UpdateQueue queue;
};

const std::string kAnswer =
    "[VAULTLINE_UPDATE_RETURN]\nID_RESULT=1\nID_FILE_COUNT=1\n[FILE_INFO_0]\nFILE_SIZE=3\n"
    "FILE_VER=2.0\nFILE_NAME=Vaultline.exe\nFILE_URL=http://rel\n";

TEST_F(UpdateStepsTest, AnAcceptedCheckQueuesTheFilesAndKeepsTheAnswer) {
  http.responses[kCheckUrl] = {kAnswer, {}, {}};
  EXPECT_EQ(Check(), CheckOutcome::Accepted);
  EXPECT_EQ(view.asked, 1);
  ASSERT_EQ(queue.files.size(), 1u);
  EXPECT_EQ(queue.files[0].m_strDestination, VLT("C:\\App\\Vaultline.exe"));
  EXPECT_EQ(files.files[kAnswerPath], kAnswer);
}

TEST_F(UpdateStepsTest, EveryWayACheckEndsWithoutDownloading) {
  const struct {
    const char* what;
    bool connected;
    bool folderFails;
    bool answerFileFails;
    std::optional<FakeResponse> response;
    std::optional<int> stopAtCheck;
    bool answerYes;
    CheckOutcome outcome;
    int asked;
  } cases[] = {
      {"offline", false, false, false, FakeResponse{kAnswer}, {}, true, CheckOutcome::Offline, 0},
      {"no folder", true, true, false, FakeResponse{kAnswer}, {}, true,
       CheckOutcome::NoWorkFolder, 0},
      {"no answer file", true, false, true, FakeResponse{kAnswer}, {}, true,
       CheckOutcome::NoAnswer, 0},
      {"unreachable", true, false, false, std::nullopt, {}, true, CheckOutcome::NoAnswer, 0},
      {"broken off", true, false, false, FakeResponse{kAnswer, 10}, {}, true,
       CheckOutcome::NoAnswer, 0},
      {"too large", true, false, false, FakeResponse{kAnswer + std::string(kMaxAnswerBytes, ';')},
       {}, true, CheckOutcome::NoAnswer, 0},
      {"result 0", true, false, false, FakeResponse{"[VAULTLINE_UPDATE_RETURN]\nID_RESULT=0\n"},
       {}, true, CheckOutcome::NoUpdate, 0},
      {"not an answer", true, false, false, FakeResponse{std::string("\0\xff<html>", 8)}, {},
       true, CheckOutcome::NoUpdate, 0},
      {"cancelled", true, false, false, FakeResponse{kAnswer}, 0, true, CheckOutcome::Cancelled,
       0},
      {"declined", true, false, false, FakeResponse{kAnswer}, {}, false, CheckOutcome::Declined,
       1},
  };
  for (const auto& c : cases) {
    http = {};
    files = {};
    view = {};
    http.connected = c.connected;
    files.folderFails = c.folderFails;
    if (c.answerFileFails) files.createFails.insert(kAnswerPath);
    if (c.response) http.responses[kCheckUrl] = *c.response;
    view.stopAtCheck = c.stopAtCheck;
    view.answerYes = c.answerYes;
    EXPECT_EQ(Check(), c.outcome) << c.what;
    EXPECT_EQ(view.asked, c.asked) << c.what;
  }
}

TEST_F(UpdateStepsTest, OnlyWholeDownloadsAreMarkedAndTheRestCarryOn) {
  const std::string content = "new client";
  const std::string longer = content + std::string(3 * kDownloadBlockBytes, 'x');
  const struct {
    const char* what;
    FakeResponse response;
    String digest;
    bool whole;
  } cases[] = {
      {"whole", {content, {}, content.size()}, VLT(""), true},
      {"whole, no length announced", {content}, VLT(""), true},
      {"digest matches", {content}, Hex(content), true},
      {"digest differs", {content}, Hex("other"), false},
      {"broken off", {content, 4, content.size()}, VLT(""), false},
      {"ended before the announced length", {content, {}, content.size() + 5}, VLT(""), false},
      {"shorter than the entry's size", {content.substr(0, 4)}, VLT(""), false},
      {"longer than the entry's size", {longer}, VLT(""), false},
  };
  for (const auto& c : cases) {
    http = {};
    files = {};
    queue = {};
    Queue(VLT("Vaultline.exe"), content, c.response).m_strSha256 = c.digest;
    Queue(VLT("Next.dat"), "next", {"next"});
    EXPECT_TRUE(Download()) << c.what;
    EXPECT_EQ(queue.files[0].m_bDownloaded, c.whole) << c.what;
    EXPECT_EQ(files.files.count(VLT("C:\\App\\Temp\\Vaultline.exe")), c.whole ? 1u : 0u)
        << c.what;
    EXPECT_TRUE(queue.files[1].m_bDownloaded) << c.what;
    // Nothing is read past the block that went beyond the entry's size.
    EXPECT_LE(http.served, kDownloadBlockBytes + 4) << c.what;
  }
}

TEST_F(UpdateStepsTest, AFileTheServerDoesNotHaveIsSkipped) {
  Queue(VLT("Gone.dll"), "gone", {"gone"});
  Queue(VLT("Next.dat"), "next", {"next"});
  http.responses.erase(VLT("http://rel/Gone.dll"));
  EXPECT_TRUE(Download());
  EXPECT_FALSE(queue.files[0].m_bDownloaded);
  EXPECT_TRUE(queue.files[1].m_bDownloaded);
  EXPECT_EQ(files.files.count(VLT("C:\\App\\Temp\\Gone.dll")), 0u);
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
    EXPECT_FALSE(queue.files[0].m_bDownloaded) << c.what;
    EXPECT_FALSE(queue.files[1].m_bDownloaded) << c.what;
    EXPECT_TRUE(files.files.empty()) << c.what;
    EXPECT_EQ(http.requested.size(), c.createFails ? 0u : 1u) << c.what;
  }
}

TEST_F(UpdateStepsTest, ProgressFollowsTheBytesOfAllFiles) {
  const std::string big(2 * kDownloadBlockBytes, 'b');
  Queue(VLT("A.dat"), big, {big});
  Queue(VLT("B.dat"), big, {big});
  ASSERT_TRUE(Download());
  EXPECT_EQ(view.progress, (std::vector<int>{25, 50, 75, 100}));
}

TEST_F(UpdateStepsTest, AnEmptyQueueDownloadsNothing) { EXPECT_FALSE(Download()); }

TEST_F(UpdateStepsTest, OnlyWholeFilesArePutInPlaceAndAFileInUseStopsNoOther) {
  Queue(VLT("A.dat"), "a", {"a"}).m_bDownloaded = true;
  Queue(VLT("Broken.dat"), "b", {"b"});
  Queue(VLT("InUse.dll"), "c", {"c"}).m_bDownloaded = true;
  Queue(VLT("D.dat"), "d", {"d"}).m_bDownloaded = true;
  test::FakePlacer placer;
  placer.refused.insert(VLT("C:\\App\\InUse.dll"));
  EXPECT_EQ(PutFilesInPlace(queue, folders, placer, view), 2);
  const std::vector<std::pair<String, String>> expected = {
      {VLT("C:\\App\\Temp\\A.dat"), VLT("C:\\App\\A.dat")},
      {VLT("C:\\App\\Temp\\D.dat"), VLT("C:\\App\\D.dat")}};
  EXPECT_EQ(placer.placed, expected);

  test::FakePlacer cancelled;
  view.stopAtCheck = 1;
  EXPECT_EQ(PutFilesInPlace(queue, folders, cancelled, view), 1);
}

TEST(PauseGateTest, AWorkerWaitsWhileTheQuestionIsOpen) {
  for (bool cancel : {false, true}) {
    PauseGate gate;
    gate.Pause();
    std::future<bool> stop = std::async(std::launch::async, [&] { return gate.ShouldStop(); });
    EXPECT_EQ(stop.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);
    if (cancel) gate.Cancel();
    gate.Resume();
    ASSERT_EQ(stop.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(stop.get(), cancel);
  }
}

}  // namespace
}  // namespace vl::updater
