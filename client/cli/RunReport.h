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

// texts' text for id, or the built-in English (EnglishTexts) when the table has none.
String ReportText(const ITextProvider& texts, uint32_t id);

// The report's result line, or the message (IDS_MSG_NOTHING_TO_BACK_UP, IDS_MSG_JOB_CANCELLED)
// that stands for the whole report.
String ResultLine(RunCompletion code, const CRunState& state, const ITextProvider& texts);

// The result line, "Label: value" lines for the six figures and, when there are errors, a
// header and one "path<TAB>message" row per error in the order they happened. After a run that
// did nothing or was cancelled only the message line.
String RunReportText(RunCompletion code, const CRunState& state, const ITextProvider& texts);

// The same as one JSON document (UTF-8): "completion" is "done", "nothing" or "cancelled".
std::string RunReportJson(RunCompletion code, const CRunState& state,
                          const ITextProvider& texts);

}  // namespace vl
