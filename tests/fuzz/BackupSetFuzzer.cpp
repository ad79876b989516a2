// Arbitrary bytes as a set file: parsing must fail cleanly or succeed, and whatever it accepts
// must store, parse and store again to the same bytes.
#include <cstdio>
#include <cstdlib>

#include "client/model/BackupSetFile.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "backup set fuzzer: %s\n", what);
  std::abort();
}

void CheckRoundTrip(const vl::CVaultlineDoc& parsed) {
  const std::vector<uint8_t> stored = vl::StoreBackupSet(parsed);
  vl::CSourceList sources;
  vl::CVaultlineDoc reread(sources);
  vl::String message;
  if (!vl::ParseBackupSet(stored, VLT("stored.bsf"), reread, message)) {
    Fail("stored set unreadable");
  }
  if (sources.GetCount() != parsed.Sources().GetCount()) Fail("item count changed");
  if (vl::StoreBackupSet(reread) != stored) Fail("second store differs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  vl::CSourceList sources;
  vl::CVaultlineDoc doc(sources);
  vl::String message;
  if (vl::ParseBackupSet(bytes, VLT("fuzz.bsf"), doc, message)) {
    CheckRoundTrip(doc);
  } else if (message.empty() || !sources.IsEmpty()) {
    Fail("refused without a message or with items kept");
  }
  return 0;
}
