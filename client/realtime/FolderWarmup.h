#pragma once
// Under Wine a watch of a whole drive reports changes in a folder that existed before the watch
// only once some Wine process has opened that folder. The warm-up lists every folder below the
// backup items once, on a thread of its own, after the watchers have started, so that changes
// there are seen. On Windows it does nothing.
#include <atomic>
#include <thread>
#include <vector>

#include "core/base/String.h"

namespace vl {

class CFolderWarmup {
 public:
  CFolderWarmup();  // needed only when running under Wine
  explicit CFolderWarmup(bool needed);
  ~CFolderWarmup();  // stops and joins the walk
  CFolderWarmup(const CFolderWarmup&) = delete;
  CFolderWarmup& operator=(const CFolderWarmup&) = delete;

  // Lists itemFolders and every folder below them, except history folders and reparse points
  // (a junction can lead back up the tree). A walk under way is stopped first.
  void Start(std::vector<String> itemFolders);
  // Ends the walk after the folder in hand and returns once its thread has ended.
  void Stop();
  // Waits for the walk to finish by itself.
  void Wait();

 private:
  void Walk(std::vector<String> folders);

  const bool m_needed;
  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

}  // namespace vl
