#include "client/model/Source.h"

#include "core/archive/Archive.h"
#include "core/fs/FileSystem.h"

namespace vl {

String CSource::GetItemName() const {
  const size_t slash = path.rfind(VLT('\\'));
  if (slash == String::npos) return path;
  String name = path.substr(slash + 1);
  // A drive root such as D:\ has nothing after its backslash and goes by its whole path.
  return name.empty() ? path : name;
}

String CSource::MakeTargetPath() const {
  const String name = GetItemName();
  if (name == path) return targetFolder;
  if (!targetFolder.empty() && targetFolder.back() == VLT('\\')) return targetFolder + name;
  return targetFolder + VLT('\\') + name;
}

bool CSource::IsFile(const IFileSystem& fs) const {
  FileStatus status;
  return !path.empty() && fs.GetStatus(path, status) && !status.IsFolder();
}

void CSource::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    Store(ar);
  } else {
    Load(ar);
  }
}

void CSource::Store(CArchive& ar) const { ar << volumeSerial << path << recognized; }

void CSource::Load(CArchive& ar) { ar >> volumeSerial >> path >> recognized; }

}  // namespace vl
