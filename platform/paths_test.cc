#include "platform/paths.h"

#include <gtest/gtest.h>

namespace pavodin {
namespace {

TEST(PathsTest, MapsSuitePathsOntoTheLinuxLayout) {
  struct Case {
    const char* configured;
    const char* expected;
  } cases[] = {
      {"c:\\tarmil\\som\\letras\\", "/usr/share/pavodin/som/letras/"},
      {"C:\\TARMIL\\fenditra.ini", "/usr/share/pavodin/fenditra.ini"},
      {"c:\\tarmilx\\a", "/tarmilx/a"},      // only the whole folder name is the suite's
      {"d:\\letras", "/letras"},
      {"/home/ana/som/", "/home/ana/som/"},  // Linux paths pass unchanged
      {"som\\letras", "som/letras"},         // relative stays relative
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MapSuitePath(c.configured, "/usr/share/pavodin"), c.expected) << c.configured;
}

}  // namespace
}  // namespace pavodin
