// What a removal takes away, for install roots from the usual to the hostile, in one world
// where the client's file names sit in every folder a wrong root could lead to.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "remover/logic/RemovalPlan.h"
#include "tests/remover/FakeRemovalFileSystem.h"

namespace vl::test {
namespace {

using remover::KnownFolders;
using Paths = std::set<String>;

const String kProfile = VLT("C:\\Users\\bob");
const String kDesktop = kProfile + VLT("\\Desktop");
const String kDocuments = kProfile + VLT("\\Documents");
const String kPrograms = kProfile + VLT("\\Start Menu\\Programs");
const String kInstall = VLT("C:\\Program Files\\Vaultline");
const String kDesktopData = kDocuments + VLT("\\Vaultline");
const String kLongRoot = VLT("D:\\") + String(300, VLT('x'));

Paths Ours(const String& folder) {
  return {remover::JoinPath(folder, VLT("Vaultline.exe")),
          remover::JoinPath(folder, VLT("VLUpdate.exe")),
          remover::JoinPath(folder, VLT("VLFilter.dll"))};
}

Paths Join(Paths a, const Paths& b) {
  a.insert(b.begin(), b.end());
  return a;
}

// Every folder a wrong root could lead to holds the client's names: program files, a set file,
// the updater's answer, and the user's own file and backups beside them.
struct World {
  World() {
    disk.AddVolume(VLT("C:\\"), 1, VLT("NTFS"));
    disk.AddVolume(VLT("D:\\"), 2, VLT("NTFS"));
    for (const String& folder : Paths{VLT("C:\\"), VLT("C:\\Windows"), VLT("C:\\Windows\\System32"),
                                 VLT("C:\\Program Files"), VLT("C:\\Users"), kProfile, kDesktop,
                                 kDocuments, kInstall, VLT("D:\\Work"), VLT("D:\\DesktopAlias"),
                                 VLT("D:\\Linked"), kLongRoot, VLT("D:\\Odd\\.."),
                                 VLT("D:\\Odd\\."), VLT("D:\\Odd.")}) {
      for (const Char* name : {VLT("Vaultline.exe"), VLT("VLUpdate.exe"), VLT("VLFilter.dll"),
                                 VLT("Config\\Default.bsf"), VLT("Temp\\Update.ini"),
                                 VLT("mine.txt"), VLT("Backup\\old.doc")})
        disk.AddFile(remover::JoinPath(folder, name), 1, 0);
    }
    for (const String& file : {kInstall + VLT("\\Config\\Old.BSF"),
                               kInstall + VLT("\\Config\\Default.bsf.new"),
                               kInstall + VLT("\\Config\\notes.txt"),
                               kInstall + VLT("\\Temp\\VLUpdate.exe"),
                               kInstall + VLT("\\Temp\\own.tmp"),
                               kInstall + VLT("\\Temp\\Temp\\VLRemove.exe"),
                               kInstall + VLT("\\Backup\\Docs\\Vaultline.exe"),
                               kDesktopData + VLT("\\Config\\Default.bsf"),
                               kDesktopData + VLT("\\Temp\\Temp\\Update.ini"),
                               kDesktop + VLT("\\Vaultline.lnk"), kDesktop + VLT("\\Other.lnk"),
                               kPrograms + VLT("\\Vaultline\\Vaultline.lnk"),
                               kPrograms + VLT("\\Vaultline\\Uninstall Vaultline.lnk"),
                               kPrograms + VLT("\\Vaultline\\Vaultline 제거.lnk"),
                               kPrograms + VLT("\\Other\\Vaultline.lnk")})
      disk.AddFile(file, 1, 0);
    fs.AddAlias(VLT("D:\\DesktopAlias"), kDesktop);
    fs.MarkLink(VLT("D:\\Linked\\Config"));
  }

  Paths Tree(const String& folder) const {
    Paths found;
    std::vector<FolderEntry> entries;
    disk.ListFolder(folder, entries);
    for (const FolderEntry& entry : entries) {
      found.insert(entry.isFolder ? entry.path + VLT('\\') : entry.path);
      if (entry.isFolder) found.merge(Tree(entry.path));
    }
    return found;
  }

  // Plans and carries out the removal; what went away.
  Paths Remove(const String& root) {
    const Paths before = Join(Tree(VLT("C:\\")), Tree(VLT("D:\\")));
    left = CarryOut(PlanRemoval(root, known, fs), fs);
    const Paths after = Join(Tree(VLT("C:\\")), Tree(VLT("D:\\")));
    Paths gone;
    for (const String& path : before) {
      if (!after.count(path)) gone.insert(path);
    }
    return gone;
  }

  FakeFileSystem disk;
  FakeRemovalFileSystem fs{disk};
  const KnownFolders known{kDesktop, kDocuments, kPrograms, VLT("C:\\Windows"), kProfile,
                           {VLT("C:\\Program Files")}, {}};
  std::vector<String> left;
};

// Always gone: the Desktop's shortcut and the Start menu's group (the remover's shortcut under
// the name a Korean installer gave it), never another shortcut.
const Paths kShortcuts{kDesktop + VLT("\\Vaultline.lnk"),
                       kPrograms + VLT("\\Vaultline\\Vaultline.lnk"),
                       kPrograms + VLT("\\Vaultline\\Uninstall Vaultline.lnk"),
                       kPrograms + VLT("\\Vaultline\\Vaultline 제거.lnk"),
                       kPrograms + VLT("\\Vaultline\\")};
// All of Documents\Vaultline, which held only what the client put there.
const Paths kDesktopDataGone{kDesktopData + VLT("\\"), kDesktopData + VLT("\\Config\\"),
                             kDesktopData + VLT("\\Config\\Default.bsf"),
                             kDesktopData + VLT("\\Temp\\"), kDesktopData + VLT("\\Temp\\Temp\\"),
                             kDesktopData + VLT("\\Temp\\Temp\\Update.ini")};

TEST(Removal, TakesOnlyWhatTheClientPutThere) {
  const struct {
    const char* what;
    String root;
    Paths gone;
  } cases[] = {
      {"the default folder", kInstall,
       Join(Ours(kInstall), {kInstall + VLT("\\Config\\Default.bsf"),
                             kInstall + VLT("\\Config\\Old.BSF"),
                             kInstall + VLT("\\Config\\Default.bsf.new"),
                             kInstall + VLT("\\Temp\\VLUpdate.exe"),
                             kInstall + VLT("\\Temp\\Update.ini"),
                             kInstall + VLT("\\Temp\\Temp\\VLRemove.exe"),
                             kInstall + VLT("\\Temp\\Temp\\")})},
      {"the Desktop in other letters", VLT("c:\\users\\BOB\\desktop"),
       Join(Ours(kDesktop), kDesktopDataGone)},
      {"the Desktop with a final backslash", kDesktop + VLT("\\"),
       Join(Ours(kDesktop), kDesktopDataGone)},
      {"the Desktop by another name", VLT("D:\\DesktopAlias"),
       Join(Ours(VLT("D:\\DesktopAlias")), kDesktopDataGone)},
      {"a drive root", VLT("C:\\"), Ours(VLT("C:\\"))},
      {"the Windows folder", VLT("C:\\WINDOWS\\"), Ours(VLT("C:\\Windows"))},
      {"a folder inside Windows", VLT("C:\\Windows\\System32"), Ours(VLT("C:\\Windows\\System32"))},
      {"Program Files", VLT("C:\\Program Files"), Ours(VLT("C:\\Program Files"))},
      {"the profile", kProfile, Ours(kProfile)},
      {"the folder of all profiles", VLT("C:\\Users"), Ours(VLT("C:\\Users"))},
      {"Documents", kDocuments, Ours(kDocuments)},
      {"the user's own folder", VLT("D:\\Work"),
       Join(Ours(VLT("D:\\Work")), {VLT("D:\\Work\\Config\\Default.bsf"), VLT("D:\\Work\\Config\\"),
                                    VLT("D:\\Work\\Temp\\Update.ini"), VLT("D:\\Work\\Temp\\")})},
      {"a folder whose Config is a link", VLT("D:\\Linked"),
       Join(Ours(VLT("D:\\Linked")), {VLT("D:\\Linked\\Temp\\Update.ini"),
                                      VLT("D:\\Linked\\Temp\\")})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(World().Remove(c.root), Join(c.gone, kShortcuts));
  }
}

TEST(Removal, AnUnusableRootTakesOnlyTheShortcuts) {
  for (const String& root :
       Paths{String(), String(VLT("Vaultline")), String(VLT("Program Files\\Vaultline")),
        String(VLT("C:Program Files\\Vaultline")), String(VLT("\\Program Files\\Vaultline")),
        String(VLT("D:\\Odd\\..")), String(VLT("D:\\Odd\\.\\")), String(VLT("D:\\Odd.")),
        String(VLT("C:\\Program Files\\\\Vaultline")), String(VLT("C:/Program Files/Vaultline")),
        VLT("\\\\?\\") + kInstall, VLT("\\\\.\\") + kInstall, String(VLT("\\\\server\\share")),
        kLongRoot, kInstall + VLT("\\Vaultline.exe"), String(VLT("C:\\Missing"))}) {
    SCOPED_TRACE(std::string(root.begin(), root.end()));
    EXPECT_EQ(World().Remove(root), kShortcuts);
  }
}

TEST(Removal, GoesOnPastFailuresAndNamesWhatIsLeft) {
  const String locked = kInstall + VLT("\\Vaultline.exe");
  const String readOnly = kInstall + VLT("\\Temp\\VLUpdate.exe");
  const String config = kDesktopData + VLT("\\Config");
  const struct {
    const char* what;
    std::function<void(FakeFileSystem&)> arrange;
    String root;
    std::vector<String> left;
    String stillGoes;
  } cases[] = {
      {"a locked and a read-only file",
       [&](FakeFileSystem& disk) {
         disk.SetLocked(locked, true);
         disk.SetRawAttributes(readOnly, kAttrReadOnly);
       },
       kInstall, {locked, readOnly}, kInstall + VLT("\\Config\\Default.bsf")},
      {"an empty folder that cannot go",
       [&](FakeFileSystem& disk) {
         disk.InjectFailure(FakeOp::RemoveFolder, kDesktopData, kSysAccessDenied);
       },
       kDesktop, {kDesktopData}, kDesktopData + VLT("\\Temp\\")},
      {"a Config that cannot be listed",
       [&](FakeFileSystem& disk) { disk.InjectFailure(FakeOp::List, config, kSysAccessDenied); },
       kDesktop, {config}, kDesktop + VLT("\\VLFilter.dll")},
      {"a file that vanishes meanwhile",
       [&](FakeFileSystem& disk) {
         disk.beforeChange = [&disk, &locked, once = true](FakeOp, const String& path) mutable {
           if (path == locked && std::exchange(once, false)) disk.RemoveFile(path);
         };
       },
       kInstall, {}, kInstall + VLT("\\VLUpdate.exe")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    World world;
    c.arrange(world.disk);
    EXPECT_TRUE(world.Remove(c.root).count(c.stillGoes));
    EXPECT_EQ(world.left, c.left);
  }
}

}  // namespace
}  // namespace vl::test
