// "/check" end to end: with an updater installed the client starts a copy of it from the data
// folder's Temp with its four arguments and ends; without one it starts as usual.
#include <gtest/gtest.h>

#include <vector>

#include "client/app/OsName.h"
#include "client/model/Settings.h"
#include "tests/gui/frame/FrameTestSupport.h"
#include "tests/gui/harness/Tray.h"
#include "tests/win32/ProgramCopy.h"
#include "tests/win32/TempFolder.h"
#include "win32/VersionInfo.h"

namespace vl::test {
namespace {

// The stand-in updater's record: its own path, then its arguments.
std::vector<String> ReadUpdaterRecord(const String& path) {
  std::string bytes;
  std::vector<String> lines;
  if (!ReadFileBytes(path, bytes)) return lines;
  const String text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
  for (size_t start = 0, end; (end = text.find(L'\n', start)) != String::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

String OrNull(const String& value) { return value.empty() ? String(L"NULL") : value; }

TEST(UpdateLaunch, StartsTheTemporaryUpdaterCopyWithFourArgumentsAndEnds) {
  auto client = MakeClient();
  const String folder = client->Folder().Path();
  ASSERT_FALSE(InstallProgram(WindowsPathOfUnixPath(VL_FAKE_UPDATER_EXE), folder,
                              L"VLUpdate.exe").empty());
  ASSERT_TRUE(::CreateDirectoryW((client->Folder() / L"Config").c_str(), nullptr));
  // An identifier with a blank must still arrive as one argument.
  ASSERT_TRUE(WriteSetFile(client->Folder() / L"Config\\Default.bsf", folder + L"\\Backup",
                           [](CSettings& s) { s.reserved2 = L"SN-42 B"; }));
  ASSERT_TRUE(client->Start({L"/CHECK"}));
  ASSERT_TRUE(client->Process().WaitForExit(kGuiStartTimeoutMs)) << client->OutputForFailure();

  const String record = folder + L"\\Temp\\updater-run.txt";
  std::vector<String> lines;
  client->Process().WaitUntil([&] { return (lines = ReadUpdaterRecord(record)).size() >= 5; },
                              kGuiStepTimeoutMs);
  ASSERT_EQ(lines.size(), 5u) << client->OutputForFailure();
  EXPECT_EQ(_wcsicmp(lines[0].c_str(), (folder + L"\\Temp\\VLUpdate.exe").c_str()), 0)
      << Narrow(lines[0]);
  EXPECT_EQ(lines[1], folder);
  const String version = win32::ReadProductVersion(client->ExePath());
  EXPECT_FALSE(version.empty());
  EXPECT_EQ(lines[2], version);
  EXPECT_EQ(lines[3], OrNull(GetOsName()));
  EXPECT_EQ(lines[4], L"SN-42 B");
}

TEST(UpdateLaunch, WithoutAnUpdaterTheClientStartsAsUsual) {
  auto client = MakeClient();
  ASSERT_TRUE(client->Start({L"/check"}));
  ASSERT_TRUE(client->Process().WaitForOutput(kTraceStartupDone, kGuiStartTimeoutMs))
      << client->OutputForFailure();
  HWND frame = client->WaitForWindow(nullptr, kMainFrameTitle);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(TrayIconPresent(frame));
  EXPECT_TRUE(client->WaitForOutputCount(kTraceOpen, 1)) << client->OutputForFailure();
  EXPECT_TRUE(client->WaitForOutputCount(L"[VAULTLINE][Dialog] shown", 1))
      << client->OutputForFailure();
  EXPECT_FALSE(client->Process().HasExited());
}

}  // namespace
}  // namespace vl::test
