#include "client/engine/RunState.h"

namespace vl {

void CRunState::ClearLists() {
  jobList.clear();
  errorList.clear();
  deletedList.clear();
  skippedItems.clear();
}

void CRunState::BeginRun() {
  cancelRequested = false;
  running = true;
  stats = RunStats{};
}

void CRunState::EndRun() {
  running = false;
  automaticStart = false;
  synchronize = false;
}

void CRunState::AddError(const String& path, const String& message, uint32_t systemCode) {
  errorList.push_back(std::make_unique<CErrorItem>(path, message, systemCode));
  ++stats.errorCount;
}

}  // namespace vl
