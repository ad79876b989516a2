#pragma once
// What `vlbackup run` prints when a run has ended: what the report dialog shows after a run
// that did something, or the message the dialog shows instead after a run that did nothing or
// was cancelled; and the exit status that goes with it.
#include <cstdint>
#include <functional>
#include <string>

#include "client/engine/RunCompletion.h"
#include "client/engine/RunState.h"
#include "core/base/String.h"

namespace vl {

class ITextProvider;

// The system's own text for a platform error code (GetLastError on Windows). The report asks
// only for codes other than 0.
using SystemMessageFn = std::function<String(uint32_t systemCode)>;

// texts' text for id, or the built-in English (EnglishTexts) when the table has none.
String ReportText(const ITextProvider& texts, uint32_t id);

// The report's result line, or the message (IDS_MSG_NOTHING_TO_BACK_UP, IDS_MSG_JOB_CANCELLED)
// that stands for the whole report.
String ResultLine(RunCompletion code, const CRunState& state, const ITextProvider& texts);

// The result line, "Label: value" lines for the six figures and, when there are errors, a
// header and one "path<TAB>message" row per error in the order they happened. After a run that
// did nothing or was cancelled only the message line. Then, whatever the completion (a
// cancelled run may have deleted some), "Deleted folder: path" or "Deleted file: path" for each
// deletion in order and "Not on this computer: path" for each item skipped.
String RunReportText(RunCompletion code, const CRunState& state, const ITextProvider& texts);

// The same as one JSON document (UTF-8): "completion" is "done", "nothing" or "cancelled";
// each error carries its system code and systemMessage's text for it ("" for code 0).
std::string RunReportJson(RunCompletion code, const CRunState& state,
                          const ITextProvider& texts, const SystemMessageFn& systemMessage);

}  // namespace vl
