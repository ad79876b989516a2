// The start-up decisions of the client, in process: data folder, set file, command line and
// the shell's file type entries.
#include <gtest/gtest.h>
#include <windows.h>

#include "client/app/CommandLine.h"
#include "client/app/ShellRegistration.h"
#include "client/model/StartupRules.h"
#include "client/platform/SetFileLookup.h"
#include "tests/win32/TempFolder.h"
#include "win32/handles/RegKey.h"

namespace vl {
namespace {

using test::TempFolder;
using test::WriteFileBytes;

TEST(StartupRules, ProgramFolderIsThePathBeforeTheLastBackslash) {
  EXPECT_EQ(FolderOfPath(L"C:\\Program Files\\Vaultline\\Vaultline.exe"),
            L"C:\\Program Files\\Vaultline");
  EXPECT_EQ(FolderOfPath(L"Vaultline.exe"), L"");
}

TEST(StartupRules, ProgramOnTheDesktopKeepsItsDataInDocuments) {
  EXPECT_EQ(ChooseDataFolder(L"C:\\Users\\kim\\Desktop", L"C:\\Users\\kim\\Desktop",
                             L"C:\\Users\\kim\\Documents"),
            L"C:\\Users\\kim\\Documents\\Vaultline");
}

TEST(StartupRules, ProgramBelowTheDesktopKeepsItsDataBesideIt) {
  EXPECT_EQ(ChooseDataFolder(L"C:\\Users\\kim\\Desktop\\Tools", L"C:\\Users\\kim\\Desktop",
                             L"C:\\Users\\kim\\Documents"),
            L"C:\\Users\\kim\\Desktop\\Tools");
}

TEST(StartupRules, DesktopComparisonIsCaseSensitive) {
  EXPECT_FALSE(IsOnDesktop(L"C:\\Users\\kim\\desktop", L"C:\\Users\\kim\\Desktop"));
  EXPECT_TRUE(IsOnDesktop(L"C:\\Users\\kim\\Desktop", L"C:\\Users\\kim\\Desktop"));
  EXPECT_FALSE(IsOnDesktop(L"C:\\Users\\kim\\Desktop\\", L"C:\\Users\\kim\\Desktop"));
}

TEST(StartupRules, UnknownDesktopNeverMatches) { EXPECT_FALSE(IsOnDesktop(L"", L"")); }

TEST(StartupRules, SetFileFromConfigWinsOverTheCommandLine) {
  EXPECT_EQ(ChooseSetFile(L"C:\\V\\Config\\A.bsf", L"D:\\Other.bsf"), L"C:\\V\\Config\\A.bsf");
  EXPECT_EQ(ChooseSetFile(L"", L"D:\\Other.bsf"), L"D:\\Other.bsf");
  EXPECT_EQ(ChooseSetFile(L"", L""), L"");
}

TEST(CommandLine, FirstNonFlagIsTheSetFile) {
  const StartupCommand command = ParseStartupCommand({L"/check", L"a.bsf", L"b.bsf"});
  EXPECT_EQ(command.setFile, L"a.bsf");
}

TEST(CommandLine, FlagsStartWithSlashOrDashAndNeverNameASetFile) {
  EXPECT_EQ(ParseStartupCommand({L"/dde", L"-Embedding"}).setFile, L"");
  EXPECT_EQ(ParseStartupCommand({L"-p", L"x.bsf"}).setFile, L"x.bsf");
}

TEST(CommandLine, EmptyArgumentsMeanANewSet) {
  EXPECT_TRUE(ParseStartupCommand({}).setFile.empty());
}

TEST(SetFileLookup, FoldersNamedLikeSetFilesAreSkipped) {
  TempFolder config;
  ASSERT_TRUE(CreateDirectoryW((config / L"x.bsf").c_str(), nullptr));
  EXPECT_EQ(FindFirstSetFile(config.Path()), L"");
  ASSERT_TRUE(WriteFileBytes(config / L"y.bsf", "set"));
  EXPECT_EQ(FindFirstSetFile(config.Path()), config / L"y.bsf");
}

TEST(SetFileLookup, TheFirstListedFileIsTaken) {
  TempFolder config;
  ASSERT_TRUE(WriteFileBytes(config / L"b.bsf", "set"));
  ASSERT_TRUE(WriteFileBytes(config / L"a.bsf", "set"));
  ASSERT_TRUE(WriteFileBytes(config / L"notes.txt", "other"));
  WIN32_FIND_DATAW entry{};
  HANDLE find = FindFirstFileW((config / L"*.bsf").c_str(), &entry);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  FindClose(find);
  EXPECT_EQ(FindFirstSetFile(config.Path()), config / entry.cFileName);
}

TEST(SetFileLookup, MissingConfigFolderHasNoSetFile) {
  TempFolder folder;
  EXPECT_EQ(FindFirstSetFile(folder / L"Config"), L"");
}

TEST(SetFileLookup, DotEntriesAreNotSetFiles) {
  WIN32_FIND_DATAW entry{};
  wcscpy(entry.cFileName, L"..");
  EXPECT_FALSE(IsSetFileEntry(entry));
  wcscpy(entry.cFileName, L"a.bsf");
  EXPECT_TRUE(IsSetFileEntry(entry));
  entry.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
  EXPECT_FALSE(IsSetFileEntry(entry));
}

class ShellRegistrationTest : public ::testing::Test {
 protected:
  // A private branch of the user's registry stands in for Software\Classes.
  const String kRoot = L"Software\\VaultlineTests\\Classes";
  void TearDown() override { win32::DeleteRegTree(HKEY_CURRENT_USER, L"Software\\VaultlineTests"); }

  String DefaultValue(const String& key) {
    win32::RegKey regKey;
    String value;
    if (regKey.Open(HKEY_CURRENT_USER, kRoot + L"\\" + key) != ERROR_SUCCESS) return L"<no key>";
    if (regKey.QueryString(L"", value) != ERROR_SUCCESS) return L"<no value>";
    return value;
  }
};

TEST_F(ShellRegistrationTest, WritesExtensionTypeIconAndOpenCommand) {
  const ShellFileType type = FileTypeFromDocString(
      L"Vaultline\n\nVaultline\nVaultline Files (*.bsf)\n.bsf\nVaultline.Document\n"
      L"Vaultline.Document");
  ASSERT_EQ(RegisterShellFileType(HKEY_CURRENT_USER, kRoot, type, L"C:\\V\\Vaultline.exe"),
            ERROR_SUCCESS);
  EXPECT_EQ(DefaultValue(L".bsf"), L"Vaultline.Document");
  EXPECT_EQ(DefaultValue(L"Vaultline.Document"), L"Vaultline.Document");
  EXPECT_EQ(DefaultValue(L"Vaultline.Document\\DefaultIcon"), L"C:\\V\\Vaultline.exe,0");
  EXPECT_EQ(DefaultValue(L"Vaultline.Document\\shell\\open\\command"),
            L"\"C:\\V\\Vaultline.exe\" \"%1\"");
}

TEST_F(ShellRegistrationTest, IncompleteTypeIsRefused) {
  EXPECT_EQ(RegisterShellFileType(HKEY_CURRENT_USER, kRoot, ShellFileType{}, L"C:\\V.exe"),
            ERROR_INVALID_PARAMETER);
}

}  // namespace
}  // namespace vl
