#pragma once
// When a drive watcher's buffer overflows, the system drops the changes it could not hold and
// says only that it did. Those changes must not stay unbacked, so they are answered with one
// backup run of all items; it waits until changes have been quiet for a while, so that the
// burst that overflowed the buffer is over before the run looks at the files.
#include <cstdint>

namespace vl {

class CLostChanges {
 public:
  explicit CLostChanges(uint32_t quietMs) : m_quietMs(quietMs) {}

  void NoteLost(uint32_t now);
  // Any change reported while a loss is pending pushes the run back.
  void NoteChange(uint32_t now);
  bool Pending() const { return m_pending; }
  // True once, when a loss is pending and the changes have been quiet long enough; the caller
  // then starts the run. While canStart is false (a run is already going, which may have
  // passed the lost files already) the loss stays pending.
  bool TakeDue(uint32_t now, bool canStart);

 private:
  uint32_t m_quietMs;
  bool m_pending = false;
  uint32_t m_lastActivity = 0;
};

}  // namespace vl
