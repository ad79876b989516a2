#include "client/cli/VersionLookup.h"

#include "client/cli/CliFailure.h"
#include "client/cli/FullPath.h"
#include "client/cli/PlanRun.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "win32/ResourceTexts.h"
#include "win32/SystemMessage.h"

namespace vl {

String RestoreMessageLine(TextId message, const String& path, const FsResult& result) {
  const EnglishTexts english;
  const ResourceTexts texts(english);
  String line = FormatText(texts.Text(message), {path});
  if (!result.Ok()) {
    const String reason = win32::SystemMessageText(result.systemCode);
    line += VLT(" (") + (reason.empty() ? VLT("system error ") + DecimalText(result.systemCode)
                                        : reason) + VLT(")");
  }
  return line;
}

bool LookUpVersions(const IFileSystem& fs, const IDriveSet& drives, LoadedSet& set,
                    const String& path, VersionList& list) {
  const String target = PlanTargetFolder(set.doc.m_settings, set.dataFolder);
  list = FindVersions(fs, drives, set.items, target, FullPathOf(path));
  if (list.refusal != 0) {
    Fail(RestoreMessageLine(list.refusal, list.sourcePath, FsResult()));
    return false;
  }
  if (list.result.Ok()) return true;
  Fail(RestoreMessageLine(IDS_RESTORE_READ_FAILED, list.targetPath, list.result));
  return false;
}

}  // namespace vl
