#include "client/cli/RunReport.h"

#include <utility>
#include <vector>

#include "client/engine/ReportFormat.h"
#include "client/engine/TextFormat.h"
#include "client/engine/TextProvider.h"
#include "core/text/JsonWriter.h"

namespace vl {
namespace {

bool HasErrors(const CRunState& state) {
  return state.stats.errorCount != 0 || !state.errorList.empty();
}

// The dialog's six figures, labelled as its template labels them.
// A count goes into the JSON as a number, a formatted figure as its text.
struct Figure {
  const char* jsonKey;
  const Char* label;
  String value;
  bool isCount;
  int64_t count;
};

Figure Count(const char* key, const Char* label, int64_t count) {
  return {key, label, DecimalText(count), true, count};
}

Figure Formatted(const char* key, const Char* label, String value) {
  return {key, label, std::move(value), false, 0};
}

std::vector<Figure> Figures(const RunStats& s) {
  return {Count("file", VLT("File"), s.fileCount),
          Count("folder", VLT("Folder"), s.folderCount),
          Count("newBackup", VLT("New Backup"), s.copiedNew),
          Count("update", VLT("Update"), s.copiedChanged),
          Formatted("totalSize", VLT("Total Size"), FormatSize(s.totalBytes)),
          Formatted("estimatedTime", VLT("Estimated time"),
                    FormatElapsed(s.endTime - s.startTime))};
}

void WriteFigure(JsonWriter& w, const Figure& figure) {
  w.Key(figure.jsonKey);
  if (figure.isCount) {
    w.NumberValue(figure.count);
  } else {
    w.StringValue(StringView(figure.value));
  }
}

String LabelledLine(const Char* label, const String& value) {
  return String(label) + VLT(": ") + value + VLT('\n');
}

// What a run did to the target that the figures do not name, and the items it could not reach.
String DeletedAndSkippedLines(const CRunState& state) {
  String lines;
  for (const DeletedEntry& entry : state.deletedList) {
    lines += LabelledLine(entry.isFolder ? VLT("Deleted folder") : VLT("Deleted file"),
                          entry.path);
  }
  for (const String& path : state.skippedItems) {
    lines += LabelledLine(VLT("Not on this computer"), path);
  }
  return lines;
}

String ErrorRows(const CRunState& state, const ITextProvider& texts) {
  if (state.errorList.empty()) return String();
  String rows = ReportText(texts, IDS_COLUMN_FILE_NAME) + VLT('\t') +
                ReportText(texts, IDS_COLUMN_ERROR) + VLT('\n');
  for (const auto& error : state.errorList) {
    rows += error->path + VLT('\t') + error->message + VLT('\n');
  }
  return rows;
}

const char* CompletionName(RunCompletion code) {
  switch (code) {
    case DONE_NOTHING: return "nothing";
    case DONE_CANCELLED: return "cancelled";
    default: return "done";
  }
}

void WriteError(JsonWriter& w, const CErrorItem& error, const SystemMessageFn& systemMessage) {
  const bool hasCode = error.systemCode != 0 && systemMessage;
  w.BeginObject();
  w.Key("path");
  w.StringValue(StringView(error.path));
  w.Key("message");
  w.StringValue(StringView(error.message));
  w.Key("systemCode");
  w.NumberValue(static_cast<int64_t>(error.systemCode));
  w.Key("systemMessage");
  w.StringValue(StringView(hasCode ? systemMessage(error.systemCode) : String()));
  w.EndObject();
}

void WriteErrors(JsonWriter& w, const ErrorList& errors, const SystemMessageFn& systemMessage) {
  w.Key("errors");
  w.BeginArray();
  for (const auto& error : errors) WriteError(w, *error, systemMessage);
  w.EndArray();
}

void WriteDeleted(JsonWriter& w, const std::vector<DeletedEntry>& deleted) {
  w.Key("deleted");
  w.BeginArray();
  for (const DeletedEntry& entry : deleted) {
    w.BeginObject();
    w.Key("path");
    w.StringValue(StringView(entry.path));
    w.Key("folder");
    w.BoolValue(entry.isFolder);
    w.EndObject();
  }
  w.EndArray();
}

void WriteSkipped(JsonWriter& w, const std::vector<String>& skipped) {
  w.Key("skipped");
  w.BeginArray();
  for (const String& path : skipped) w.StringValue(StringView(path));
  w.EndArray();
}

}  // namespace

String ReportText(const ITextProvider& texts, uint32_t id) {
  String text = texts.Text(id);
  return text.empty() ? EnglishTexts().Text(id) : text;
}

String ResultLine(RunCompletion code, const CRunState& state, const ITextProvider& texts) {
  if (code == DONE_CANCELLED) return texts.Text(IDS_MSG_JOB_CANCELLED);
  if (code == DONE_NOTHING) return texts.Text(IDS_MSG_NOTHING_TO_BACK_UP);
  return ReportText(texts, HasErrors(state) ? IDS_REPORT_ERROR : IDS_REPORT_SUCCESS);
}

String RunReportText(RunCompletion code, const CRunState& state, const ITextProvider& texts) {
  String text = ResultLine(code, state, texts) + VLT('\n');
  if (code == DONE_OK) {
    for (const Figure& figure : Figures(state.stats)) {
      text += LabelledLine(figure.label, figure.value);
    }
    text += ErrorRows(state, texts);
  }
  return text + DeletedAndSkippedLines(state);
}

std::string RunReportJson(RunCompletion code, const CRunState& state,
                          const ITextProvider& texts, const SystemMessageFn& systemMessage) {
  JsonWriter w;
  w.BeginObject();
  w.Key("completion");
  w.StringValue(std::string_view(CompletionName(code)));
  w.Key("result");
  w.StringValue(StringView(ResultLine(code, state, texts)));
  for (const Figure& figure : Figures(state.stats)) WriteFigure(w, figure);
  w.Key("totalBytes");
  w.NumberValue(state.stats.totalBytes);
  w.Key("elapsedSeconds");
  w.NumberValue(state.stats.endTime - state.stats.startTime);
  WriteErrors(w, state.errorList, systemMessage);
  WriteDeleted(w, state.deletedList);
  WriteSkipped(w, state.skippedItems);
  w.EndObject();
  return w.TakeText();
}

}  // namespace vl
