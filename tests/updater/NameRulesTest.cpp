// The rules that keep every write inside the install folder, the Windows folder's remover and the
// working folder, and the addresses the updater asks for.
#include <gtest/gtest.h>

#include "updater/logic/FileNameRule.h"
#include "updater/logic/UpdatePaths.h"
#include "updater/logic/UpdateUrls.h"

namespace vl::updater {
namespace {

TEST(FileNameRuleTest, OnlyPlainNamesOfOneFile) {
  const struct {
    String name;
    bool plain;
  } cases[] = {
      {VLT("Vaultline.exe"), true},
      {VLT("read me.txt"), true},
      {VLT("\uD55C\uAE00.dll"), true},
      {VLT("console.exe"), true},
      {VLT("COM10"), true},
      {String(255, 'n'), true},
      {VLT(""), false},
      {String(256, 'n'), false},
      {VLT(".."), false},
      {VLT("..\\Vaultline.exe"), false},
      {VLT("a..b.exe"), false},
      {VLT("sub\\x.exe"), false},
      {VLT("sub/x.exe"), false},
      {VLT("\\\\server\\share\\x.exe"), false},
      {VLT("C:x.exe"), false},
      {VLT("x.exe:stream"), false},
      {VLT("x.exe."), false},
      {VLT("x.exe "), false},
      {VLT("*.exe"), false},
      {VLT("a|b"), false},
      {VLT("tab\there"), false},
      {String(VLT("nul\0.exe"), 8), false},
      {VLT("NUL"), false},
      {VLT("nul.txt"), false},
      {VLT("aux .dll"), false},
      {VLT("com1.exe"), false},
      {VLT("COM\u00B9"), false},
      {VLT("CONOUT$"), false},
      {String(1, static_cast<Char>(0xD800)) + VLT(".exe"), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsPlainFileName(c.name), c.plain) << testing::PrintToString(c.name);
  }
}

TEST(UpdatePathsTest, TheRemoverGoesToTheWindowsFolderAndTheRestBesideTheClient) {
  const UpdateFolders folders{VLT("C:\\Program Files\\Vaultline"), VLT("C:\\Windows\\"),
                              VLT("C:\\Program Files\\Vaultline\\Temp")};
  const struct {
    String name;
    String destination;
  } cases[] = {
      {VLT("VLRemove.exe"), VLT("C:\\Windows\\VLRemove.exe")},
      {VLT("vlremove.EXE"), VLT("C:\\Windows\\VLRemove.exe")},
      {VLT("VLRemove.exe.bak"), VLT("C:\\Program Files\\Vaultline\\VLRemove.exe.bak")},
      {VLT("Vaultline.exe"), VLT("C:\\Program Files\\Vaultline\\Vaultline.exe")},
  };
  for (const auto& c : cases) {
    String destination;
    ASSERT_TRUE(DestinationFor(c.name, folders, destination));
    EXPECT_EQ(destination, c.destination);
  }
  String workPath;
  ASSERT_TRUE(WorkPathFor(VLT("Vaultline.exe"), folders, workPath));
  EXPECT_EQ(workPath, VLT("C:\\Program Files\\Vaultline\\Temp\\Vaultline.exe"));
}

TEST(UpdatePathsTest, APathTooLongForTheSystemGoesNowhere) {
  const String folder = VLT("C:\\") + String(240, 'f');  // 243 characters
  const UpdateFolders folders{folder, VLT("C:\\Windows"), VLT("C:\\w")};
  String path;
  EXPECT_TRUE(DestinationFor(String(15, 'n'), folders, path));   // 259 characters
  EXPECT_FALSE(DestinationFor(String(16, 'n'), folders, path));  // 260
  EXPECT_TRUE(DestinationFor(VLT("VLRemove.exe"), folders, path));
  const UpdateFolders deepWork{VLT("C:\\i"), VLT("C:\\w"), folder};
  EXPECT_FALSE(WorkPathFor(String(255, 'n'), deepWork, path));
}

TEST(UpdateUrlsTest, QueryAndDownloadAddresses) {
  EXPECT_EQ(MakeCheckUrl(VLT("http://h/svc/"), VLT("1.0.0.1"), VLT("Windows 7"), VLT("a&b=c")),
            VLT("http://h/svc/updatecheck.php?ver=1.0.0.1&lang=kr&szos=Windows%207&sn=a%26b%3Dc"));
  EXPECT_EQ(MakeCheckUrl(VLT("http://h"), VLT(""), VLT("\uD55C"), VLT("")),
            VLT("http://h/updatecheck.php?ver=&lang=kr&szos=%ED%95%9C&sn="));
  EXPECT_EQ(MakeDownloadUrl(VLT("http://h/rel"), VLT("read me.txt")),
            VLT("http://h/rel/read%20me.txt"));
  EXPECT_EQ(MakeDownloadUrl(VLT("http://h/rel/"), VLT("a.exe")), VLT("http://h/rel/a.exe"));
}

TEST(UpdateUrlsTest, OnlyWebAddressesAreFetched) {
  for (StringView url : {VLT("http://h/x"), VLT("HTTPS://h/x")}) EXPECT_TRUE(IsWebUrl(url));
  for (StringView url : {VLT("http://"), VLT("file:///C:/Windows/x"), VLT("ftp://h/x"),
                         VLT("\\\\server\\share\\x")})
    EXPECT_FALSE(IsWebUrl(url)) << testing::PrintToString(String(url));
}

}  // namespace
}  // namespace vl::updater
