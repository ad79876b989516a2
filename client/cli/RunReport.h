#pragma once
// What `vlbackup run` prints when a run has ended: what the report dialog shows after a run
// that did something, or the message the dialog shows instead after a run that did nothing or
// was cancelled; and the exit status that goes with it.
#include <string>

#include "client/engine/RunCompletion.h"
#include "client/engine/RunState.h"
#include "core/base/String.h"

namespace vl {

class ITextProvider;

// The string-table texts of the report that the engine's English set lacks.
enum ReportTextId : uint32_t {
  IDS_COLUMN_FILE_NAME = 148,  // "File Name"
  IDS_COLUMN_ERROR = 149,      // "Error"
  IDS_REPORT_SUCCESS = 150,    // "The process has been completed successfully"
  IDS_REPORT_ERROR = 151,      // "Error occurred"
};

// texts' text for id, or the built-in English when the table has none.
String ReportText(const ITextProvider& texts, uint32_t id);

// The report's result line, or the message 145 / 146 that stands for the whole report.
String ResultLine(RunCompletion code, const CRunState& state, const ITextProvider& texts);

// The result line, "Label: value" lines for the six figures and, when there are errors, a
// header and one "path<TAB>message" row per error in the order they happened. After a run that
// did nothing or was cancelled only the message line.
String RunReportText(RunCompletion code, const CRunState& state, const ITextProvider& texts);

// The same as one JSON document (UTF-8): "completion" is "done", "nothing" or "cancelled".
std::string RunReportJson(RunCompletion code, const CRunState& state,
                          const ITextProvider& texts);

}  // namespace vl
