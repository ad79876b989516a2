#pragma once
// Whether a target file is an unchanged copy of its source file. Only last-write times are
// compared, never sizes; between different file systems the rule forgives what copying to a
// share does to a time stamp (rounding to two seconds, whole hours of time-zone or summer-time
// skew), and a target whose times all say "written once, never read since" and that is not
// older than the source.
#include <map>

#include "core/base/String.h"

namespace vl {

class IFileSystem;
struct FileStatus;

// The root whose volume decides a path's file system: its first three characters (C:\ ...).
// A UNC path's first three characters name no volume, so a share's file system reads as empty.
String ComparisonRoot(StringView path);

// File-system names by comparison root, each volume asked once: an analysis compares many
// files on the same two volumes.
class VolumeNameCache {
 public:
  explicit VolumeNameCache(const IFileSystem& fs) : m_fs(fs) {}
  // The file-system name of the volume of path's comparison root; empty when the query fails.
  const String& NameFor(StringView path);

 private:
  const IFileSystem& m_fs;
  std::map<String, String> m_names;  // by folded root
};

// The time rule between two files already known to exist on file systems named sourceFs and
// targetFs.
bool TimesCountAsSame(StringView sourceFs, StringView targetFs, const FileStatus& source,
                      const FileStatus& target);

bool IsSameFile(const IFileSystem& fs, VolumeNameCache& volumes, const String& sourcePath,
                const String& targetPath);
// The same rule on statuses already at hand, as the folder listings give them.
bool IsSameFile(VolumeNameCache& volumes, const String& sourcePath, const FileStatus& source,
                const String& targetPath, const FileStatus& target);
bool IsSameFile(const IFileSystem& fs, const String& sourcePath, const String& targetPath);

}  // namespace vl
