#include "speech/suite_config.h"

#include <gtest/gtest.h>

namespace pavodin {
namespace {

class SuiteConfigTest : public ::testing::Test {
 protected:
  SuiteConfig Make() { return SuiteConfig(&files, SuitePaths{"/cfg", "/data", "/start"}); }
  MemoryFileSystem files;
};

TEST_F(SuiteConfigTest, ExpandsTheProgramDirectoryMarker) {
  struct Case {
    const char* pgm;  // PGMKELDAM, nullptr: absent
    const char* value;
    const char* expected;
  } cases[] = {
      {"c:\\tarmil", "@\\som\\", "c:\\tarmil\\som\\"},
      {"", "@\\som\\", "/start\\som\\"},
      {nullptr, "@\\som\\", "/start\\som\\"},
      {"@x", "@\\som", "/start\\som"},               // PGMKELDAM beginning with "@"
      {"c:\\tarmil", "x@\\y", "xc:\\tarmil\\y"},
      {"c:\\tarmil", "a@b", "a@b"},                  // "@" not followed by a backslash stays
      {"c:\\tarmil", "@som", "c:\\tarmilsom"},       // inserted without a backslash
      {"c:\\tarmil", "@@x", "c:\\tarmil@x"},         // only the leading one
      {"c:\\@\\q", "@\\a", "c:\\@\\q\\a"},           // inserted text is not searched again
      {"c:\\tarmil", "a@\\b@\\c", "ac:\\tarmil\\bc:\\tarmil\\c"},
  };
  for (const Case& c : cases) {
    std::string ini = "[KELDAM]\n";
    if (c.pgm) ini += std::string("PGMKELDAM=") + c.pgm + "\n";
    ini += std::string("[PAVODIN]\nDIRPAVODIN=") + c.value + "\n";
    files.files["/cfg/KELDAM.INI"] = ini;
    EXPECT_EQ(Make().ReadSuiteSetting("PAVODIN", "DIRPAVODIN"), c.expected) << c.value;
  }
}

TEST_F(SuiteConfigTest, LooksInTheConfigDirectoryThenTheStartingDirectory) {
  SuiteConfig config = Make();
  EXPECT_EQ(config.ReadSuiteSetting("PAVODIN", "DIRPAVODIN"), "");  // no file anywhere

  files.files["/start/KELDAM.INI"] = "[KELDAM]\nEDITOR=vi\n[VIDEO]\nFONTE=X\n";
  EXPECT_EQ(config.ReadSuiteSetting("", "EDITOR"), "vi");  // empty section: KELDAM
  // The console's keys come from the configuration directory's copy only.
  EXPECT_FALSE(config.ReadConfigDirSetting("VIDEO", "FONTE", 79).has_value());

  files.files["/cfg/keldam.ini"] = "[KELDAM]\nEDITOR=nano\n[VIDEO]\nFONTE=Y\n";
  EXPECT_EQ(config.ReadSuiteSetting("KELDAM", "EDITOR"), "nano");
  EXPECT_EQ(config.ReadConfigDirSetting("VIDEO", "FONTE", 79), "Y");
}

TEST_F(SuiteConfigTest, MapsConfiguredPathsOntoTheDataDirectory) {
  EXPECT_EQ(Make().MapPath("c:\\tarmil\\fenditra.ini"), "/data/fenditra.ini");
}

}  // namespace
}  // namespace pavodin
