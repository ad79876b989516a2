#include "client/cli/FileMessage.h"

#include <gtest/gtest.h>

#include <vector>

#include "client/model/BackupSetFile.h"
#include "core/archive/ArchiveException.h"
#include "core/text/Utf.h"

namespace vl {
namespace {

size_t Occurrences(const String& text, const String& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != String::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

// Every text the framework gives for a set file that cannot be read or written.
std::vector<String> FrameworkMessages(const String& path) {
  std::vector<String> messages;
  for (const StoreError error : {StoreError::NotFound, StoreError::AccessDenied,
                                 StoreError::SharingViolation, StoreError::DiskFull,
                                 StoreError::TooLarge, StoreError::Other}) {
    messages.push_back(StoreErrorMessage(error, path, false));
    messages.push_back(StoreErrorMessage(error, path, true));
  }
  for (int cause = CArchiveException::genericException; cause <= CArchiveException::badSchema;
       ++cause) {
    messages.push_back(ArchiveErrorMessage(static_cast<CArchiveException::Cause>(cause), path));
  }
  return messages;
}

TEST(FileMessage, EveryFrameworkMessageNamesTheFileExactlyOnce) {
  for (const String& path : {String(VLT("C:\\VL\\Config\\Default.bsf")),
                            String(VLT("\\\\nas\\share\\sets\\a.bsf")),
                            String(VLT("Z:\\tmp\\\u00C9t\u00E9 \uD55C.bsf"))}) {
    for (const String& message : FrameworkMessages(path)) {
      const String line = NameFileOnce(path, message);
      EXPECT_EQ(Occurrences(line, path), 1u) << ToUtf8(line);
      EXPECT_EQ(line.find(VLT('\n')), String::npos);
      EXPECT_NE(line.find(message), String::npos) << "the framework's text is kept whole";
    }
  }
}

TEST(FileMessage, AMessageWithoutTheFileGetsItInFront) {
  EXPECT_EQ(NameFileOnce(VLT("D:\\a.bsf"), VLT("Unexpected file format.")),
            VLT("D:\\a.bsf: Unexpected file format."));
  EXPECT_EQ(NameFileOnce(VLT("D:\\a.bsf"), VLT("D:\\a.bsf was not found.")),
            VLT("D:\\a.bsf was not found."));
}

}  // namespace
}  // namespace vl
