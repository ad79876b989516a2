#include "client/ui/logic/ReportFigures.h"

#include "client/engine/ReportFormat.h"
#include "client/engine/TextFormat.h"

namespace vl {
namespace {

// Two's-complement wrap-around rather than signed overflow: times that were never set properly
// must still give some text.
int64_t Span(int64_t start, int64_t end) {
  return static_cast<int64_t>(static_cast<uint64_t>(end) - static_cast<uint64_t>(start));
}

}  // namespace

ReportFigures MakeReportFigures(const RunStats& stats, size_t errorRecords) {
  // A failure may be counted without a record (or recorded without a count); either one means
  // the run did not go cleanly.
  const bool failed = stats.errorCount != 0 || errorRecords != 0;
  ReportFigures figures;
  figures.resultTextId = failed ? IDS_REPORT_ERROR : IDS_REPORT_SUCCESS;
  figures.resultColour = failed ? kReportErrorColour : kReportSuccessColour;
  figures.files = DecimalText(stats.fileCount);
  figures.folders = DecimalText(stats.folderCount);
  figures.newCopies = DecimalText(stats.copiedNew);
  figures.updates = DecimalText(stats.copiedChanged);
  figures.totalSize = FormatSize(stats.totalBytes);
  figures.elapsed = FormatElapsed(Span(stats.startTime, stats.endTime));
  return figures;
}

}  // namespace vl
