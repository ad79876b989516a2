#pragma once
// Stand-ins for the platform's pieces of real-time backup: the tick count, the long-path
// conversion and the debug trace.
#include <map>
#include <memory>
#include <vector>

#include "client/engine/TickSource.h"
#include "client/engine/realtime/ChangeEvent.h"
#include "client/engine/realtime/ChangeQueue.h"
#include "client/engine/realtime/RealTimeScope.h"

namespace vl::test {

struct FakeTicks : ITickSource {
  uint32_t now = 1000;
  uint32_t TickCount() const override { return now; }
};

// Paths it knows convert to their form here; any other converts to itself.
struct FakeLongNames : ILongPathNames {
  std::map<String, String> forms;
  String LongPathOf(const String& path) const override {
    const auto found = forms.find(path);
    return found == forms.end() ? path : found->second;
  }
};

struct RecordingTrace : IRealTimeTrace {
  std::vector<String> lines;
  void Trace(const String& line) override { lines.push_back(line); }
};

inline std::unique_ptr<CHANGE_EVENT> MakeEvent(const Char* action, const String& source,
                                               const String& destination = String(),
                                               const Char* verdict = CHANGE_VERDICT_PASS) {
  auto event = MakeChangeEvent();
  SetChangeText(event->action, action);
  SetChangeText(event->sourcePath, source);
  SetChangeText(event->destinationPath, destination);
  SetChangeText(event->verdict, verdict);
  SetChangeText(event->operation, CHANGE_OPERATION);
  return event;
}

}  // namespace vl::test
