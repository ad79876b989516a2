#pragma once
// The analysis of a backup run: compares an item with its copy under the target folder and
// builds the jobs that make the copy match, changing nothing on disk. Jobs are appended in
// the order they are found (a folder's copies before its deletions, a subfolder's whole
// subtree where the subfolder is met), which is the order the run executes them in.
//
// Nothing is taken for missing unless a complete listing says so: a folder that cannot be
// listed, on either side, becomes an error record and nothing below it is copied or deleted.
#include <cstdint>
#include <vector>

#include "client/engine/RunState.h"
#include "client/engine/SameFile.h"
#include "client/engine/TextProvider.h"
#include "core/base/String.h"

namespace vl {

class CJobItem;
class CRunProgress;
class CSource;
class FolderIndex;
class IFileSystem;
struct FolderEntry;

class CAnalyser {
 public:
  CAnalyser(const IFileSystem& fs, CRunState& run, CRunProgress& progress,
            const ITextProvider& texts);

  // Appends the item's top-level job, if it needs one, to jobList; uses the item's
  // sourceExists, targetExists, mirror and targetFolder (never walked into). name is empty
  // for a drive or share root. Returns 1.
  int AnalyseItem(const CSource& item, const String& sourcePath, const String& name,
                  const String& targetPath, JobList& jobList);

  // The walkers append one folder job, with its subtree, to list; the target folder is
  // parentTargetPath [\] name.
  void WalkNewFolder(const String& sourcePath, const String& name,
                     const String& parentTargetPath, JobList& list, const CSource& item);
  void WalkBothFolders(const String& sourcePath, const String& name,
                       const String& parentTargetPath, JobList& list, const CSource& item);
  // For a target folder whose source is gone: everything below it becomes a deletion. A
  // target folder that cannot be listed gets no job, only an error record.
  void WalkTargetOnlyFolder(const String& sourcePath, const String& name,
                            const String& parentTargetPath, JobList& list, const CSource& item,
                            uint32_t action);

 private:
  void AnalyseFileItem(const CSource& item, const String& sourcePath, const String& name,
                       const String& targetPath, JobList& jobList);
  void AnalyseFolderItem(const CSource& item, const String& sourcePath, const String& name,
                         const String& targetPath, JobList& jobList);
  void AnalyseExistingFolderItem(const CSource& item, const String& sourcePath,
                                 const String& name, const String& targetPath,
                                 JobList& jobList);
  bool ReadsAsFolder(const String& path) const;
  bool BeginWalk(const String& sourcePath, const String& name);
  CJobItem& Append(JobList& list, uint32_t action, const String& name, const String& sourcePath,
                   const String& targetPath, uint64_t size);
  void AppendPartialRemoval(JobList& list, const FolderEntry& entry);
  bool ListOrRecord(const String& folder, std::vector<FolderEntry>& entries);
  void RecordError(const String& path, TextId text, uint32_t systemCode = 0);
  bool IsSkippedSource(const FolderEntry& entry) const;

  // A file where the target has a folder, and the other way round: only a synchronizing run
  // replaces the target entry (deleting it as synchronizing deletes); any other run records
  // the clash, since copying either way would lose one of them.
  void ReplaceFolderByFile(const String& sourcePath, const String& name,
                           const String& parentTargetPath, uint64_t size, JobList& list,
                           const CSource& item);
  void ReplaceFileByFolder(const String& sourcePath, const String& name,
                           const String& parentTargetPath, uint64_t targetSize, JobList& list,
                           const CSource& item);

  void FillNewFolder(const String& sourcePath, const String& targetPath, CJobItem& folder,
                     const CSource& item);
  void FillBothFolders(const String& sourcePath, const String& targetPath, CJobItem& folder,
                       const CSource& item);
  void RemovePartials(const FolderIndex& target, CJobItem& folder);
  void CopyPass(const FolderIndex& source, const FolderIndex& target, CJobItem& folder,
                const CSource& item);
  void CompareFolder(const FolderEntry& entry, const FolderIndex& target, JobList& list,
                     const CSource& item);
  void CompareFile(const FolderEntry& entry, const FolderIndex& target, JobList& list,
                   const CSource& item);
  void DeletePass(const FolderIndex& source, const FolderIndex& target, CJobItem& folder,
                  const CSource& item);

  const IFileSystem& m_fs;
  CRunState& m_run;
  CRunProgress& m_progress;
  const ITextProvider& m_texts;
  VolumeNameCache m_volumes;
  String m_targetKey;   // the run's target folder, folded, so that no walk enters it
  String m_targetName;  // its last name
};

}  // namespace vl
