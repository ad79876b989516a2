#pragma once
// What the report dialog shows of a run: the result line, its colour and the six figures.
#include <cstddef>
#include <cstdint>

#include "client/engine/RunStats.h"
#include "core/base/String.h"
#include "resources/client/resource.h"

namespace vl {

constexpr uint32_t kReportSuccessColour = 0xFF0000;  // blue (0x00BBGGRR)
constexpr uint32_t kReportErrorColour = 0x0000FF;    // red
constexpr uint32_t kReportValueColour = 0x828282;    // grey

struct ReportFigures {
  uint32_t resultTextId = IDS_REPORT_SUCCESS;
  uint32_t resultColour = kReportSuccessColour;
  String files;       // fileCount
  String folders;     // folderCount
  String newCopies;   // copiedNew
  String updates;     // copiedChanged
  String totalSize;   // FormatSize(totalBytes)
  String elapsed;     // FormatElapsed(endTime - startTime)
};

// errorRecords: the number of records in the run's error list.
ReportFigures MakeReportFigures(const RunStats& stats, size_t errorRecords);

}  // namespace vl
