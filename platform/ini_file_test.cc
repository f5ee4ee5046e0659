#include "platform/ini_file.h"

#include <gtest/gtest.h>

namespace pavodin {
namespace {

const char kIni[] =
    "; suite settings\r\n"
    "[video]\r\n"
    "  Fonte = Lucida Console  \r\n"
    "TABCORES=\"1,2,3\"\r\n"
    "CORFUNDO=\r\n"
    "noequals\r\n"
    "[TRADUTOR]\n"
    "VELOCIDADE=4\n"
    "velocidade=5\n"
    "[ BRAILLE ]\n"
    "MODO=2";

TEST(IniFileTest, FindsValuesTheWayTheProfileFunctionsDo) {
  struct Case {
    const char* section;
    const char* key;
    const char* expected;  // nullptr: absent
  } cases[] = {
      {"VIDEO", "FONTE", "Lucida Console"},    // names ignore case, blanks trimmed
      {"VIDEO", "TABCORES", "1,2,3"},          // quotes removed
      {"VIDEO", "CORFUNDO", ""},               // present but empty
      {"VIDEO", "CORLETRA", nullptr},          // absent key
      {"TRADUTOR", "VELOCIDADE", "4"},         // first match wins
      {"BRAILLE", "MODO", "2"},                // last line without line end
      {"SOM", "X", nullptr},                   // absent section
      {"VIDEO", "noequals", nullptr},
  };
  for (const Case& c : cases) {
    auto v = FindIniValue(kIni, c.section, c.key);
    if (c.expected == nullptr) {
      EXPECT_FALSE(v.has_value()) << c.section << "/" << c.key;
    } else {
      ASSERT_TRUE(v.has_value()) << c.section << "/" << c.key;
      EXPECT_EQ(*v, c.expected) << c.section << "/" << c.key;
    }
  }
}

TEST(IniFileTest, CutsValueToTheCallersRoom) {
  EXPECT_EQ(*FindIniValue("[VIDEO]\nAMPLIF=42\n", "VIDEO", "AMPLIF", 1), "4");
  EXPECT_EQ(FindIniValue("[VIDEO]\nFONTE=" + std::string(300, 'x'), "VIDEO", "FONTE", 79)->size(),
            79u);
}

}  // namespace
}  // namespace pavodin
