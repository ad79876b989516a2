#pragma once
// The dialog's window as the backup worker reaches it. Calls come from the worker, so
// everything is kept under a lock; the completion wakes a waiting test, and the worker can be
// held at a chosen status line until the test lets it go on.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "client/ui/logic/BackupDialogView.h"

namespace vl::test {

class FakeRunWindow : public IRunWindow {
 public:
  static constexpr std::chrono::seconds kPatience{10};

  void ShowPercent(int percent) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_percents.push_back(percent);
  }
  void ShowStatus(const String& text) override {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_statuses.push_back(text);
    if (!m_holdAt || text != *m_holdAt) return;
    m_held = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return !m_held; });
  }
  void ShowCaption(const String& text) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_captions.push_back(text);
  }
  void EnableItemList(bool enable) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listEnabled.push_back(enable);
    m_changed.notify_all();
  }
  void PostBackupDone(RunCompletion code) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_done.push_back(code);
    m_changed.notify_all();
  }

  // The worker stops inside the status update that shows text, until Release.
  void HoldAtStatus(const String& text) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_holdAt = text;
  }
  bool WaitUntilHeld() {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, kPatience, [this] { return m_held; });
  }
  void Release() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_holdAt.reset();
    m_held = false;
    m_changed.notify_all();
  }

  // The next completion code not yet taken; nullopt when none came in time.
  std::optional<RunCompletion> WaitForDone() {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_changed.wait_for(lock, kPatience, [this] { return m_taken < m_done.size(); }))
      return std::nullopt;
    return m_done[m_taken++];
  }

  size_t ProgressCalls() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_percents.size() + m_statuses.size() + m_captions.size();
  }
  std::vector<bool> ListEnabled() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_listEnabled;
  }
  // The worker enables the list after posting its completion, so a test that has handled the
  // completion may still have to wait for it.
  std::vector<bool> ListEnabledOnceCalled(size_t calls) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, kPatience, [this, calls] { return m_listEnabled.size() >= calls; });
    return m_listEnabled;
  }
  std::vector<RunCompletion> Completions() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_done;
  }
  String LastStatus() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_statuses.empty() ? String() : m_statuses.back();
  }
  String LastCaption() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_captions.empty() ? String() : m_captions.back();
  }

 private:
  mutable std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<int> m_percents;
  std::vector<String> m_statuses;
  std::vector<String> m_captions;
  std::vector<bool> m_listEnabled;
  std::vector<RunCompletion> m_done;
  size_t m_taken = 0;
  std::optional<String> m_holdAt;
  bool m_held = false;
};

}  // namespace vl::test
