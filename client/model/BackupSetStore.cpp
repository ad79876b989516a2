// Loading and saving set files through the store, with the framework's messages on failure.
#include "client/model/BackupSetFile.h"
#include "client/model/PathJoin.h"
#include "core/text/Placeholder.h"

namespace vl {

bool LoadBackupSet(ISetFileStore& store, const String& path, CVaultlineDoc& doc, String& message,
                   const CodePageDecoder& decoder) {
  std::vector<uint8_t> bytes;
  const StoreResult read = store.ReadAll(path, bytes);
  if (!read.Ok()) {
    message = StoreErrorMessage(read.error, path, false);
    return false;
  }
  if (!ParseBackupSet(bytes, path, doc, message, decoder)) return false;
  doc.SetPathName(path);
  doc.SetModifiedFlag(false);
  return true;
}

// A set without a path has never been written: it goes to the default file, but an existing
// default file is never overwritten by a set that was not loaded from it.
SaveOutcome SaveBackupSet(CVaultlineDoc& doc, ISetFileStore& store, const String& dataFolder,
                          String& message) {
  const bool hasPath = !doc.GetPathName().empty();
  const String path = hasPath ? doc.GetPathName()
                              : model::JoinPath(dataFolder, VLT("Config\\Default.bsf"));
  if (!hasPath && store.FileExists(path)) return SaveOutcome::SkippedExisting;
  const StoreResult written = store.WriteReplacing(path, StoreBackupSet(doc));
  if (!written.Ok()) {
    message = StoreErrorMessage(written.error, path, true);
    return SaveOutcome::Failed;
  }
  doc.SetPathName(path);
  doc.SetModifiedFlag(false);
  return SaveOutcome::Written;
}

String StoreErrorMessage(StoreError error, const String& fileName, bool saving) {
  switch (error) {
    case StoreError::None: return String();
    case StoreError::NotFound: return ReplacePlaceholder(VLT("%1 was not found."), fileName);
    case StoreError::AccessDenied:
      return ReplacePlaceholder(VLT("Access to %1 was denied."), fileName);
    case StoreError::SharingViolation:
      return ReplacePlaceholder(VLT("Sharing violation while accessing %1."), fileName);
    case StoreError::DiskFull: return VLT("Destination disk drive is full.");
    default: return saving ? VLT("Failed to save document.") : VLT("Unexpected file format.");
  }
}

}  // namespace vl
