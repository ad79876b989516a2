#pragma once
// The processing side of real-time backup: one pass over the change queue applies what has
// settled to the backup target. A pass takes the waiting records out of the queue, works on
// them without holding the queue's lock (the user-interface thread goes on queueing), and puts
// back in front of what arrived meanwhile those it could not do yet. Each record is looked at
// once per pass.
#include <cstdint>
#include <functional>
#include <mutex>

#include "client/engine/realtime/ChangeEvent.h"
#include "client/engine/realtime/RealTimeScope.h"
#include "core/base/String.h"

namespace vl {

class CChangeQueue;
class IClock;
class IFileSystem;
class ITickSource;
class VolumeNameCache;

// A record waits this long after its last reported change before it is applied.
constexpr uint32_t kChangeSettleMs = 3000;

enum class ChangeOutcome {
  Done,     // applied, or nothing to do: the record leaves the queue
  NotDone,  // not yet (too young, the file is held, a copy failed): it goes back
  Dropped,  // can never be done: it leaves the queue with a debug line saying why
};

// Between records of a pass: pause (the caller sleeps 10 ms) and whether to stop; a stopped
// pass puts back every record it did not look at. Either may be empty.
struct PassControl {
  std::function<void()> pause;
  std::function<bool()> stopRequested;
};

class CChangeProcessor {
 public:
  // trace may be null (no debug lines).
  CChangeProcessor(IFileSystem& fs, const IClock& clock, const ITickSource& ticks,
                   CChangeQueue& queue, IRealTimeTrace* trace)
      : m_fs(fs), m_clock(clock), m_ticks(ticks), m_queue(queue), m_trace(trace) {}

  // From the user-interface thread whenever the items or settings change; each pass works on
  // the copy it takes at its start.
  void SetScope(RealTimeScope scope);
  RealTimeScope Scope() const;

  // One pass (the processing thread runs one every 500 ms while no backup run is active).
  void ProcessChanges(const PassControl& control = PassControl());

  // One record by its action (exact case): CREATE WRITE and RENAME are applied, DELETE is done
  // with no change to the target, anything else is not done.
  ChangeOutcome ProcessRecord(const CHANGE_RECORD& record, const RealTimeScope& scope,
                              VolumeNameCache& volumes);
  ChangeOutcome ProcessCreate(const CHANGE_RECORD& record, const RealTimeScope& scope,
                              VolumeNameCache& volumes);
  ChangeOutcome ProcessRename(const CHANGE_RECORD& record, const RealTimeScope& scope,
                              VolumeNameCache& volumes);

 private:
  void Trace(const String& line) const;
  bool Settled(const CHANGE_RECORD& record) const;

  IFileSystem& m_fs;
  const IClock& m_clock;
  const ITickSource& m_ticks;
  CChangeQueue& m_queue;
  IRealTimeTrace* m_trace;
  mutable std::mutex m_scopeLock;
  RealTimeScope m_scope;
};

}  // namespace vl
