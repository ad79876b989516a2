// The updater's command line as the client writes it. That the updater's split reads each
// value back whole is checked with the system's own split under Wine (tests/win32).
#include <gtest/gtest.h>

#include <iterator>

#include "core/rules/UpdateParameters.h"

namespace vl {
namespace {

TEST(UpdateParameters, FolderQuotedOthersBareEmptyOnesNull) {
  const struct {
    UpdateParameterValues values;
    const Char* expected;
  } cases[] = {
      {{VLT("C:\\Program Files\\Vaultline"), VLT("1.0.0.1"), VLT("win7"), VLT("AB12")},
       VLT(" \"C:\\Program Files\\Vaultline\" 1.0.0.1 win7 AB12")},
      {{VLT("C:\\V"), VLT(""), VLT(""), VLT("")}, VLT(" \"C:\\V\" NULL NULL NULL")},
      {{VLT("C:\\V"), VLT("1.0"), VLT(""), VLT("x")}, VLT(" \"C:\\V\" 1.0 NULL x")},
      // A final backslash must not escape the closing quote.
      {{VLT("C:\\"), VLT("1"), VLT("winxp"), VLT("")}, VLT(" \"C:\\\\\" 1 winxp NULL")},
      {{VLT("\\\\nas\\a\\b\\\\"), VLT("1"), VLT("w"), VLT("s")},
       VLT(" \"\\\\nas\\a\\b\\\\\\\\\" 1 w s")},
      // Values that would fall apart into several arguments stay one.
      {{VLT("C:\\V"), VLT("1"), VLT("w"), VLT("A B")}, VLT(" \"C:\\V\" 1 w \"A B\"")},
      {{VLT("C:\\V"), VLT("1"), VLT("w"), VLT("a\\\"b")}, VLT(" \"C:\\V\" 1 w \"a\\\\\\\"b\"")},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(BuildUpdateParameters(cases[i].values), String(cases[i].expected)) << "case " << i;
}

}  // namespace
}  // namespace vl
