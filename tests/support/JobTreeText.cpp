#include "tests/support/JobTreeText.h"

#include "client/engine/JobActions.h"
#include "client/model/JobItem.h"
#include "core/text/Utf.h"

namespace vl::test {
namespace {

void AppendJob(std::string& text, const CJobItem& job, size_t depth) {
  text.append(depth * 2, ' ');
  text += JobActionName(job.action);
  text += job.isFolder ? " D " : " F ";
  text += job.isNew ? "new \"" : "old \"";
  text += ToUtf8(job.name);
  text += "\" " + std::to_string(job.size) + ' ';
  text += ToUtf8(job.sourcePath()) + " > " + ToUtf8(job.targetPath()) + '\n';
  for (const auto& child : job.children) AppendJob(text, *child, depth + 1);
}

}  // namespace

std::string JobTreeText(const JobList& jobs) {
  std::string text;
  for (const auto& job : jobs) AppendJob(text, *job, 0);
  return text;
}

}  // namespace vl::test
