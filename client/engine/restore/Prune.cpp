#include "client/engine/restore/Prune.h"

namespace vl {

PrunePlan PlanPrune(const IFileSystem&, const String&, int, int, const IClock&) {
  return PrunePlan();
}

PruneOutcome CarryOutPrune(IFileSystem&, const PrunePlan&) { return PruneOutcome(); }

}  // namespace vl
