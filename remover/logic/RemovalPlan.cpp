#include "remover/logic/RemovalPlan.h"

#include "core/rules/AsciiCase.h"
#include "remover/logic/KeptFolders.h"

namespace vl::remover {
namespace {

// The client's program files; VLFilter.dll came with earlier releases.
constexpr StringView kProgramFiles[] = {VLT("Vaultline.exe"), VLT("VLUpdate.exe"),
                                        VLT("VLFilter.dll")};
// What lands in Temp: the client's copy of the updater, which runs from there, and the
// updater's working files (its answer from the service and the release's downloads), which
// it keeps in a Temp beside itself. It removes them when it is done; a run that was killed
// leaves them.
constexpr StringView kTempFiles[] = {VLT("VLUpdate.exe"), VLT("Update.ini"), VLT("Vaultline.exe"),
                                     VLT("VLFilter.dll"), VLT("VLRemove.exe")};
// The set files: the client loads any *.bsf in Config; a save that broke off leaves *.bsf.new.
constexpr StringView kSetFileEndings[] = {VLT(".bsf"), VLT(".bsf.new")};
constexpr StringView kShortcut = VLT("Vaultline.lnk");
// The installer names the remover's shortcut in the language it ran in (its string 117), and
// the remover may run in another: every translation is looked for.
constexpr StringView kGroupShortcuts[] = {kShortcut, VLT("Uninstall Vaultline.lnk"),
                                          VLT("Vaultline 제거.lnk"),
                                          VLT("Vaultline のアンインストール.lnk")};
constexpr StringView kGroupName = VLT("Vaultline");

bool EndsWithIgnoringAsciiCase(StringView name, StringView ending) {
  return name.size() > ending.size() &&
         EqualsIgnoringAsciiCase(name.substr(name.size() - ending.size()), ending);
}

bool IsSetFileName(StringView name) {
  for (StringView ending : kSetFileEndings) {
    if (EndsWithIgnoringAsciiCase(name, ending)) return true;
  }
  return false;
}

class Planner {
 public:
  Planner(const KnownFolders& known, const IRemovalFileSystem& fs) : m_known(known), m_fs(fs) {}

  void InstallFolder(const String& installRoot) {
    m_plan.rootProblem = CheckInstallRootText(installRoot);
    if (m_plan.rootProblem != RootProblem::None) return;
    const String install = WithoutFinalBackslash(installRoot);
    if (m_fs.KindOf(install) != EntryKind::Folder) {
      m_plan.rootProblem = RootProblem::NotAFolder;
      return;
    }
    for (StringView name : kProgramFiles) File(install, name);
    DataFolder(DataFolderOf(install));
  }

  void Shortcuts() {
    if (!m_known.desktop.empty()) File(m_known.desktop, kShortcut);
    if (m_known.programs.empty()) return;
    const String group = JoinPath(m_known.programs, kGroupName);
    if (m_fs.KindOf(group) != EntryKind::Folder) return;
    for (StringView name : kGroupShortcuts) File(group, name);
    m_plan.foldersIfEmpty.push_back(group);
  }

  RemovalPlan Take() { return std::move(m_plan); }

 private:
  String DataFolderOf(const String& install) const {
    if (m_known.desktop.empty() || !m_fs.SameFolder(install, m_known.desktop)) return install;
    return m_known.documents.empty() ? String() : JoinPath(m_known.documents, kGroupName);
  }

  void DataFolder(const String& data) {
    if (!IsOurs(data)) return;
    const String config = JoinPath(data, VLT("Config"));
    const String temp = JoinPath(data, VLT("Temp"));
    const String work = JoinPath(temp, VLT("Temp"));
    if (IsOurs(config)) SetFiles(config);
    const bool tempIsOurs = IsOurs(temp);
    if (tempIsOurs && IsOurs(work)) TempFiles(work);
    if (tempIsOurs) TempFiles(temp);
    m_plan.foldersIfEmpty.push_back(data);
  }

  // A real folder that is not one to keep; nothing in any other is touched.
  bool IsOurs(const String& folder) const {
    return m_fs.KindOf(folder) == EntryKind::Folder && !IsKeptFolder(folder, m_known, m_fs);
  }

  void SetFiles(const String& config) {
    std::vector<String> names;
    if (!m_fs.ListFileNames(config, names)) m_plan.unreadable.push_back(config);
    for (const String& name : names) {
      if (IsSetFileName(name)) m_plan.files.push_back(JoinPath(config, name));
    }
    m_plan.foldersIfEmpty.push_back(config);
  }

  void TempFiles(const String& temp) {
    for (StringView name : kTempFiles) File(temp, name);
    m_plan.foldersIfEmpty.push_back(temp);
  }

  void File(const String& folder, StringView name) {
    String path = JoinPath(folder, name);
    if (m_fs.KindOf(path) == EntryKind::File) m_plan.files.push_back(std::move(path));
  }

  const KnownFolders& m_known;
  const IRemovalFileSystem& m_fs;
  RemovalPlan m_plan;
};

bool IsFailure(const FsResult& result, bool folder) {
  if (result.Ok() || result.Missing()) return false;
  return !(folder && result.error == FsError::NotEmpty);
}

}  // namespace

RemovalPlan PlanRemoval(const String& installRoot, const KnownFolders& known,
                        const IRemovalFileSystem& fs) {
  Planner planner(known, fs);
  planner.InstallFolder(installRoot);
  planner.Shortcuts();
  return planner.Take();
}

std::vector<String> CarryOut(const RemovalPlan& plan, IRemovalFileSystem& fs) {
  std::vector<String> left = plan.unreadable;
  for (const String& file : plan.files) {
    if (IsFailure(fs.RemoveFile(file), false)) left.push_back(file);
  }
  for (const String& folder : plan.foldersIfEmpty) {
    if (IsFailure(fs.RemoveEmptyFolder(folder), true)) left.push_back(folder);
  }
  return left;
}

}  // namespace vl::remover
