#include "client/engine/realtime/ChangeEvent.h"

#include <algorithm>
#include <cstring>

namespace vl {

std::unique_ptr<CHANGE_EVENT> MakeChangeEvent() {
  auto event = std::make_unique<CHANGE_EVENT>();
  std::memset(event.get(), 0, sizeof(CHANGE_EVENT));
  event->header1 = kChangeHeader1;
  event->header2 = kChangeHeader2;
  event->header3 = kChangeHeader3;
  return event;
}

bool SetChangeText(ChangeText& field, StringView text) {
  std::fill(std::begin(field), std::end(field), Char{0});
  // An embedded zero would end the text early just as a cut would.
  if (text.size() >= kChangeTextChars || text.find(Char{0}) != StringView::npos) return false;
  std::copy(text.begin(), text.end(), field);
  return true;
}

String GetChangeText(const ChangeText& field) {
  const Char* end = std::find(std::begin(field), std::end(field), Char{0});
  return String(std::begin(field), end);
}

PathParts SplitChangePath(StringView path) {
  PathParts parts;
  const size_t slash = path.rfind(VLT('\\'));
  if (slash == StringView::npos) {
    parts.name = String(path);
  } else {
    parts.name = String(path.substr(slash + 1));
    parts.folder = String(path.substr(0, slash));
  }
  const size_t dot = parts.name.rfind(VLT('.'));
  if (dot != String::npos) parts.extension = parts.name.substr(dot + 1);
  return parts;
}

CHANGE_RECORD MakeChangeRecord(const CHANGE_EVENT& event, uint32_t tick) {
  CHANGE_RECORD record;
  std::memset(&record, 0, sizeof(record));
  record.event = event;
  // Parts of a text that fits fit too.
  const PathParts source = SplitChangePath(GetChangeText(event.sourcePath));
  const PathParts destination = SplitChangePath(GetChangeText(event.destinationPath));
  SetChangeText(record.sourceName, source.name);
  SetChangeText(record.destinationName, destination.name);
  SetChangeText(record.sourceFolder, source.folder);
  SetChangeText(record.destinationFolder, destination.folder);
  SetChangeText(record.sourceExtension, source.extension);
  SetChangeText(record.destinationExtension, destination.extension);
  record.tick = tick;
  return record;
}

}  // namespace vl
