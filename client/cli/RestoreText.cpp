#include "client/cli/RestoreText.h"

#include "client/cli/CliFailure.h"
#include "client/engine/TextFormat.h"
#include "client/engine/restore/HistoryName.h"
#include "core/text/JsonWriter.h"

namespace vl {
namespace {

bool IsRefusal(TextId message) {
  switch (message) {
    case IDS_RESTORE_EXISTS:
    case IDS_RESTORE_INTO_HISTORY:
    case IDS_RESTORE_INTO_SOURCE:
    case IDS_RESTORE_IN_TARGET:
    case IDS_RESTORE_NOTHING: return true;
    default: return false;
  }
}

String CopiesText(size_t count) {
  return DecimalText(static_cast<int64_t>(count)) +
         (count == 1 ? VLT(" history copy") : VLT(" history copies"));
}

}  // namespace

String VersionLabel(const FileVersion& version) {
  if (version.current) return VLT("current");
  String label = FormatHistoryStamp(version.stamp);
  if (version.number > 1) label += VLT("_") + DecimalText(version.number);
  return label;
}

String VersionLines(const VersionList& list) {
  String text;
  for (const FileVersion& version : list.versions) {
    text += VersionLabel(version) + VLT('\t') +
            DecimalText(static_cast<int64_t>(version.size)) + VLT('\t') + version.path +
            VLT('\n');
  }
  return text;
}

std::string VersionsJson(const VersionList& list) {
  JsonWriter json;
  json.BeginObject();
  json.Key("source");
  json.StringValue(StringView(list.sourcePath));
  json.Key("target");
  json.StringValue(StringView(list.targetPath));
  json.Key("folder");
  json.BoolValue(list.isFolder);
  json.Key("versions");
  json.BeginArray();
  for (const FileVersion& version : list.versions) {
    json.BeginObject();
    json.Key("version");
    json.StringValue(StringView(VersionLabel(version)));
    json.Key("size");
    json.NumberValue(version.size);
    json.Key("lastWriteTime");
    json.NumberValue(version.lastWriteTime);
    json.Key("path");
    json.StringValue(StringView(version.path));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.TakeText() + "\n";
}

String StampFromArgument(StringView argument) {
  String stamp;
  for (Char c : argument) {
    if (c != VLT('-') && c != VLT(' ') && c != VLT(':')) stamp += c;
  }
  return stamp;
}

int RestoreExitStatus(const RestoreOutcome& outcome) {
  if (outcome.Ok()) return kExitOk;
  const bool refused = outcome.files == 0 && outcome.failures <= 1 && IsRefusal(outcome.message);
  return refused ? kExitFailed : kExitErrors;
}

String PruneSummary(const PrunePlan& plan, const PruneOutcome& done, bool dryRun) {
  const size_t files = dryRun ? plan.remove.size() : done.files;
  const uint64_t bytes = dryRun ? plan.bytes : done.bytes;
  const size_t kept = plan.keptFiles + (dryRun ? 0 : plan.remove.size() - done.files);
  return (dryRun ? VLT("would remove: ") : VLT("removed: ")) + CopiesText(files) + VLT(", ") +
         DecimalText(static_cast<int64_t>(bytes)) + VLT(" bytes\nkept: ") + CopiesText(kept) +
         VLT("\n");
}

}  // namespace vl
