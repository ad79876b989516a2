// The drive watchers on real drives. run-in-watch-prefix.sh makes the prefix and names its
// drives in the environment: a watched fixed drive (D:) holding items\old\deep, made before
// any Wine process opened it, and a network drive (E:) that must not be watched.
#include <windows.h>

#include <gtest/gtest.h>

#include "client/realtime/DriveWatchSet.h"
#include "client/realtime/FolderWarmup.h"
#include "client/realtime/WatchDefaults.h"
#include "tests/realtime/WatchInbox.h"

namespace vl::test {
namespace {

String Env(const wchar_t* name) {
  wchar_t value[8] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, 8);
  return length == 0 || length >= 8 ? String() : String(value, length);
}

bool WriteText(const String& path, const char* text) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
  return CloseHandle(file) && ok;
}

// Makes each folder of chain below root that is not there yet.
bool MakeFolders(const String& root, const std::vector<const wchar_t*>& chain) {
  String path = root;
  for (const wchar_t* name : chain) {
    path += name;
    if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
    path += L"\\";
  }
  return true;
}

class WatchPrefix : public ::testing::Test {
 protected:
  void SetUp() override {
    const String watched = Env(L"VL_TEST_WATCHED");
    const String unwatched = Env(L"VL_TEST_UNWATCHED");
    if (watched.size() != 1 || unwatched.size() != 1) {
      GTEST_FAIL() << "run through run-in-watch-prefix.sh, which makes the drives";
    }
    root = watched + L":\\";
    otherRoot = unwatched + L":\\";
  }

  DriveWatchOptions Options(WakeDrive wake = &WakeByFile) const {
    return {{root + L"Windows", root + L"Program Files"}, &FixedDriveRoots, std::move(wake)};
  }

  // A thread's first read may come a little after Start: write in the root (watched without a
  // warm-up) until a change is seen.
  void WaitUntilWatching(WatchInbox& inbox) {
    for (int probe = 0; probe < 50; ++probe) {
      const String path = root + L"probe" + std::to_wstring(probe) + L".txt";
      ASSERT_TRUE(WriteText(path, "probe"));
      if (inbox.WaitFor(path, 100)) return;
    }
    FAIL() << "no change was ever reported";
  }

  String root;
  String otherRoot;
};

TEST_F(WatchPrefix, ChangesBelowTheFixedDriveAreReportedWithTheirFullPaths) {
  ASSERT_EQ(GetDriveTypeW(otherRoot.c_str()), static_cast<UINT>(DRIVE_REMOTE));
  EXPECT_EQ(FixedDriveRoots(), (std::vector<String>{L"C:\\", root}));
  WatchInbox inbox;
  CDriveWatchSet watchers(Options());
  CFolderWarmup warmup(true);
  EXPECT_FALSE(watchers.Start(nullptr)) << "no window to free the paths";
  ASSERT_TRUE(watchers.Start(inbox.Window()));
  EXPECT_TRUE(watchers.IsRunning());
  WaitUntilWatching(inbox);
  warmup.Start({root + L"items"});
  warmup.Wait();

  ASSERT_TRUE(WriteText(root + L"items\\a.txt", "a"));
  ASSERT_TRUE(inbox.WaitFor(root + L"items\\a.txt"));
  EXPECT_EQ(inbox.FirstAction(root + L"items\\a.txt"), static_cast<WPARAM>(FILE_ACTION_ADDED));
  ASSERT_TRUE(MakeFolders(root, {L"items", L"new"}));
  ASSERT_TRUE(WriteText(root + L"items\\new\\b.txt", "b"));
  EXPECT_TRUE(inbox.WaitFor(root + L"items\\new\\b.txt"));
  ASSERT_TRUE(WriteText(root + L"items\\old\\deep\\c.txt", "c"));
  EXPECT_TRUE(inbox.WaitFor(root + L"items\\old\\deep\\c.txt")) << "the warm-up missed it";

  ASSERT_TRUE(WriteText(otherRoot + L"usb.txt", "not watched"));
  ASSERT_TRUE(WriteText(root + L"items\\after-usb.txt", "d"));
  ASSERT_TRUE(inbox.WaitFor(root + L"items\\after-usb.txt"));
  EXPECT_FALSE(inbox.Saw(otherRoot + L"usb.txt"));
}

TEST_F(WatchPrefix, ExcludedFoldersAndRecycleBinsAreNeverPosted) {
  WatchInbox inbox;
  CDriveWatchSet watchers(Options());
  watchers.Start(inbox.Window());
  WaitUntilWatching(inbox);
  const std::vector<std::vector<const wchar_t*>> excluded = {
      {L"Windows", L"Temp"}, {L"WindowsX", L"Temp"}, {L"$Recycle.Bin", L"S-1-5-21"},
      {L"$RECYCLE.BIN", L"S-1-5-22"}, {L"Recycler", L"S-1-5-23"}};
  for (const auto& chain : excluded) {
    ASSERT_TRUE(MakeFolders(root, chain));
    ASSERT_TRUE(WriteText(root + chain[0] + L"\\" + chain[1] + L"\\x.txt", "x"));
  }
  // The same shape outside every excluded folder, written last: once it is seen, the
  // excluded changes have had their chance.
  ASSERT_TRUE(MakeFolders(root, {L"Windowz", L"Temp"}));
  ASSERT_TRUE(WriteText(root + L"Windowz\\Temp\\x.txt", "x"));
  ASSERT_TRUE(inbox.WaitFor(root + L"Windowz\\Temp\\x.txt"));
  for (const auto& chain : excluded) {
    EXPECT_FALSE(inbox.Saw(root + chain[0] + L"\\" + chain[1] + L"\\x.txt")) << chain[0];
  }
}

TEST_F(WatchPrefix, StopEndsEveryBlockingReadPromptly) {
  const struct {
    const char* how;
    WakeDrive wake;
  } cases[] = {
      {"with the wake-up file", &WakeByFile},
      {"where no wake-up file can be made", [](const String&) { return false; }},
  };
  for (const auto& c : cases) {
    WatchInbox inbox;
    CDriveWatchSet watchers(Options(c.wake));
    watchers.Start(inbox.Window());
    WaitUntilWatching(inbox);
    const DWORD start = GetTickCount();
    watchers.Stop();
    EXPECT_LT(GetTickCount() - start, 1500u) << c.how;
    EXPECT_FALSE(watchers.IsRunning());

    inbox.Take();
    const size_t before = inbox.Changes().size();
    ASSERT_TRUE(WriteText(root + L"items\\after-stop.txt", "late"));
    Sleep(300);
    inbox.Take();
    EXPECT_EQ(inbox.Changes().size(), before) << c.how << ": posted after Stop";
    for (const SeenChange& change : inbox.Changes()) {
      const bool inRoot = change.path.find(L'\\', root.size()) == String::npos;
      EXPECT_FALSE(inRoot && change.path.size() == root.size() + 32) << "a wake-up file";
    }
  }
}

}  // namespace
}  // namespace vl::test
