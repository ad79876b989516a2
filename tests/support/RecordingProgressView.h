#pragma once
// A progress view that keeps every update, for tests that check what a run showed.
#include <functional>
#include <vector>

#include "client/engine/ProgressView.h"

namespace vl::test {

class RecordingProgressView : public IProgressView {
 public:
  std::vector<int> percents;
  std::vector<String> statuses;
  std::vector<String> captions;
  // Called after each status line is recorded; lets a test act in the middle of a run.
  std::function<void(const String&)> onStatus;

  void ShowPercent(int percent) override { percents.push_back(percent); }
  void ShowStatus(const String& text) override {
    statuses.push_back(text);
    if (onStatus) onStatus(text);
  }
  void ShowCaption(const String& text) override { captions.push_back(text); }
};

}  // namespace vl::test
