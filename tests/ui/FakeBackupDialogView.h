#pragma once
// The backup dialog's window for tests: an item list kept as the records' pointers, scripted
// answers to the Yes/No questions and the folder browser, and a log entry for every call.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "client/ui/logic/BackupDialogView.h"
#include "tests/ui/CallLog.h"

namespace vl::test {

// The log entries of the view's boxes and folder browser, by their string-table ids.
inline std::string MessageEntry(uint32_t textId) { return "message " + std::to_string(textId); }
inline std::string AskEntry(uint32_t textId, BoxIcon icon) {
  return "ask " + std::to_string(textId) +
         (icon == BoxIcon::question ? " question" : " information");
}
inline std::string BrowseEntry(uint32_t titleId, const String& initial) {
  return "browse " + std::to_string(titleId) + " [" + Narrow(initial) + "]";
}

class FakeBackupDialogView : public IBackupDialogView {
 public:
  explicit FakeBackupDialogView(CallLog& log) : m_log(log) {}

  // Answers to the coming questions, in order. A question without an answer is a failure.
  std::deque<bool> answers;
  // Answers instead of the script when set; runs while the question is "open".
  std::function<bool(uint32_t textId)> onAsk;
  // What the next folder browser returns: nullopt when the user cancels it.
  std::optional<String> browseResult;

  std::vector<CSource*> entries;
  int selected = -1;
  String sourceLine;
  int reports = 0;
  RunStats reportedStats;
  size_t reportedErrors = 0;
  int startCommands = 0;

  void ShowMessage(uint32_t textId) override { m_log.Add(MessageEntry(textId)); }
  void ShowMessageWith(uint32_t textId, const String&) override {
    m_log.Add(MessageEntry(textId));
  }
  bool AskYesNo(uint32_t textId, BoxIcon icon) override {
    m_log.Add(AskEntry(textId, icon));
    if (onAsk) return onAsk(textId);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question " << textId;
      return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void ClearItemList() override {
    m_log.Add("clearList");
    entries.clear();
    selected = -1;
  }
  int AddItemEntry(CSource* item) override {
    entries.push_back(item);
    m_log.Add("addEntry");
    return static_cast<int>(entries.size()) - 1;
  }
  void DeleteItemEntry(int index) override {
    m_log.Add("deleteEntry " + std::to_string(index));
    ASSERT_TRUE(index >= 0 && index < static_cast<int>(entries.size()));
    entries.erase(entries.begin() + index);
    if (selected == index) selected = -1;
    else if (selected > index) --selected;
  }
  void SelectItemEntry(int index) override { selected = index; }
  int SelectedItemEntry() const override { return selected; }
  CSource* ItemAt(int index) const override {
    return index >= 0 && index < static_cast<int>(entries.size()) ? entries[index] : nullptr;
  }
  void RedrawItemList() override { m_log.Add("redrawList"); }

  void ShowSourceLine(const String& text) override {
    sourceLine = text;
    m_log.Add("sourceLine " + Narrow(text));
  }
  void ShowTargetLine(const String& fullPath, uint32_t colour) override {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(colour));
    m_log.Add("targetLine " + Narrow(fullPath) + " " + hex);
  }

  void ShowRunControls(bool running) override {
    m_log.Add(running ? "runControls on" : "runControls off");
  }
  void ShowReport(const ErrorList& errors, const RunStats& stats) override {
    m_log.Add("report");
    ++reports;
    reportedStats = stats;
    reportedErrors = errors.size();
  }
  void PostStartCommand() override {
    m_log.Add("postStart");
    ++startCommands;
  }

  bool BrowseForFolder(uint32_t titleId, const String& initial, String& chosen) override {
    m_log.Add(BrowseEntry(titleId, initial));
    if (!browseResult) return false;
    chosen = *browseResult;
    return true;
  }
  void OpenFolder(const String& path) override { m_log.Add("open " + Narrow(path)); }

 private:
  CallLog& m_log;
};

}  // namespace vl::test
