#include "docgen/generate_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "docgen/docgen_fakes.h"
#include "docgen/docx_check.h"
#include "docgen/docx_word.h"

namespace pavodin {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

class GenerateCommandTest : public ::testing::Test {
 protected:
  GenerateCommandTest() {
    vars_.wordApplication = &word_;
    env_.vars = &vars_;
    env_.ui = &ui_;
    env_.settings = &settings_;
    env_.files = &files_;
    env_.data_dir = "/data";
  }

  std::vector<std::string> Generate(const std::string& input, std::vector<int> keys = {}) {
    log_.clear();
    vars_.inputFileName = input;
    ui_.keys.assign(keys.begin(), keys.end());
    generateCommand(env_);
    return log_;
  }

  std::vector<std::string> log_;
  RecordingWord word_{&log_};
  RecordingUi ui_{&log_};
  MapSettings settings_;
  MemoryFileSystem files_;
  PvVars vars_;
  GenerateEnv env_;
};

const std::vector<std::string> kBuildAndSaveCarta = {
    "show(PVEXPDOC,1)", "startWord",     "typeText(\"Ol\xC3\xA1\")", "saveDocument(\"carta\")",
    "closeDocument",    "quitWord",      "announce(PVOK)"};

TEST_F(GenerateCommandTest, BuildsSavesAndSpeaksOk) {
  files_.files["carta.txt"] = "Ol\xE1";  // Windows-1252
  EXPECT_THAT(Generate("carta.txt"), ElementsAreArray(kBuildAndSaveCarta));
  EXPECT_EQ(files_.files["carta.txt"], "Ol\xE1");  // the input is never written
}

TEST_F(GenerateCommandTest, AnUnreadableInputIsReportedBeforeWordStarts) {
  EXPECT_THAT(Generate(""), ElementsAreArray<std::string>({"show(PVERRCAR,1)"}));
  EXPECT_THAT(Generate("nada.txt"), ElementsAreArray<std::string>({"show(PVERRCAR,1)"}));
}

TEST_F(GenerateCommandTest, AsksBeforeOverwritingAnyExistingCandidate) {
  files_.files["carta.txt"] = "Ol\xC3\xA1";
  const std::vector<std::string> asked = {"show(PVREESCR,0)", "key(83)", "endLine"};
  std::vector<std::string> expected = asked;
  expected.insert(expected.end(), kBuildAndSaveCarta.begin(), kBuildAndSaveCarta.end());
  for (const char* existing : {"carta.docx", "carta.doc", "carta"}) {
    files_.files[existing] = "old";
    EXPECT_THAT(Generate("carta.txt", {'S'}), ElementsAreArray(expected)) << existing;
    files_.files.erase(existing);
  }
}

TEST_F(GenerateCommandTest, TheOverwriteAnswerDecides) {
  files_.files["carta.txt"] = "Ol\xC3\xA1";
  files_.files["carta.docx"] = "old";
  const std::vector<std::string> gave_up_after_n = {"show(PVREESCR,0)", "key(78)", "endLine",
                                                    "show(PVDESIST,1)"};
  EXPECT_THAT(Generate("carta.txt", {'N'}), ElementsAreArray(gave_up_after_n));
  EXPECT_THAT(Generate("carta.txt", {27}),
              ElementsAreArray<std::string>(
                  {"show(PVREESCR,0)", "key(27)", "endLine", "show(PVDESIST,1)"}));
  // Input that ends counts as giving up, rather than asking forever.
  EXPECT_THAT(Generate("carta.txt", {}),
              ElementsAreArray<std::string>(
                  {"show(PVREESCR,0)", "key(-1)", "endLine", "show(PVDESIST,1)"}));
  // Other keys repeat the question; Enter goes on.
  std::vector<std::string> expected = {"show(PVREESCR,0)", "key(88)", "endLine",
                                       "show(PVREESCR,0)", "key(0)",  "endLine",
                                       "show(PVREESCR,0)", "key(13)", "endLine"};
  expected.insert(expected.end(), kBuildAndSaveCarta.begin(), kBuildAndSaveCarta.end());
  EXPECT_THAT(Generate("carta.txt", {'X', 0, 13}), ElementsAreArray(expected));
  EXPECT_EQ(files_.files["carta.docx"], "old");  // the recording fake saves nothing
}

TEST_F(GenerateCommandTest, ATwoLetterExtensionIsPartOfTheName) {
  files_.files["notas.md"] = "x";
  EXPECT_THAT(Generate("notas.md", {'S'}),
              ElementsAreArray<std::string>({"show(PVREESCR,0)", "key(83)", "endLine",
                                             "show(PVEXPDOC,1)", "startWord", "typeText(\"x\")",
                                             "saveDocument(\"notas.md\")", "closeDocument",
                                             "quitWord", "announce(PVOK)"}));
}

TEST_F(GenerateCommandTest, FailuresAreReportedAndNeverAsOk) {
  files_.files["carta.txt"] = "";
  word_.start_succeeds = false;
  EXPECT_THAT(Generate("carta.txt"),
              ElementsAreArray<std::string>({"show(PVEXPDOC,1)", "startWord failed",
                                             "show(PVERRWOR,1)"}));
  word_.start_succeeds = true;
  word_.save_succeeds = false;
  EXPECT_THAT(Generate("carta.txt"),
              ElementsAreArray<std::string>({"show(PVEXPDOC,1)", "startWord",
                                             "saveDocument(\"carta\")", "closeDocument",
                                             "quitWord", "show(PVERRGRA,1)"}));
}

TEST_F(GenerateCommandTest, AnEmptyInputGivesADocumentWithTheInitialFormattingOnly) {
  files_.files["carta.txt"] = "";
  files_.files["/data/fenditra.ini"] = "<SF=12>";
  EXPECT_THAT(Generate("carta.txt"),
              ElementsAreArray<std::string>({"show(PVEXPDOC,1)", "startWord", "setFontSize(12)",
                                             "click", "saveDocument(\"carta\")", "closeDocument",
                                             "quitWord", "announce(PVOK)"}));
}

TEST_F(GenerateCommandTest, PrintBuildsAndPrintsWithoutAsking) {
  files_.files["carta.txt"] = "x";
  files_.files["carta.docx"] = "old";
  vars_.inputFileName = "carta.txt";
  printCommand(env_);
  EXPECT_THAT(log_, ElementsAreArray<std::string>(
                        {"show(PVEXPDOC,1)", "startWord", "typeText(\"x\")", "show(PVIMPARQ,1)",
                         "printDocument", "closeDocument", "quitWord", "announce(PVOK)"}));
  log_.clear();
  word_.print_succeeds = false;
  printCommand(env_);
  EXPECT_THAT(log_, ElementsAreArray<std::string>(
                        {"show(PVEXPDOC,1)", "startWord", "typeText(\"x\")", "show(PVIMPARQ,1)",
                         "printDocument", "closeDocument", "quitWord", "show(PVERRIMP,1)"}));
}

TEST(DocumentTitleTest, IsTheFileNameAsUtf8) {
  EXPECT_EQ(DocumentTitle("/home/ana/carta.txt"), "carta.txt");
  EXPECT_EQ(DocumentTitle("a\xE7\xE3o.txt"), "a\xC3\xA7\xC3\xA3o.txt");
  EXPECT_EQ(DocumentTitle("a\xC3\xA7\xC3\xA3o.txt"), "a\xC3\xA7\xC3\xA3o.txt");
  EXPECT_EQ(DocumentTitle(""), "");
}

TEST(DocumentNameTest, DropsOnlyAFullStopAndThreeCharacters) {
  struct {
    const char* input;
    const char* name;
  } cases[] = {
      {"carta.txt", "carta"}, {"dir/carta.txt", "dir/carta"}, {"notas.md", "notas.md"},
      {".txt", ".txt"},       {"a.txt", "a"},                 {"carta.docx", "carta.docx"},
      {"carta", "carta"},     {"a.b.doc", "a.b"},             {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DocumentName(c.input), c.name) << c.input;
}

// The overwrite question on the real writer: "N" leaves the old document as
// it was, "S" replaces it with the new one.
TEST(GenerateEndToEndTest, AnExistingDocumentIsReplacedOnlyWhenConfirmed) {
  MemoryFileSystem files;
  files.files["carta.txt"] = "<IN>Ol\xE1";
  files.files["carta.docx"] = "old";
  DocxWord word(&files, "carta.txt", "Ana");
  PvVars vars{"carta.txt", &word};
  RecordingUi ui;
  MapSettings settings;
  GenerateEnv env{&vars, &ui, &settings, &files, "/data"};
  ui.keys = {'N'};
  generateCommand(env);
  EXPECT_EQ(files.files["carta.docx"], "old");
  EXPECT_EQ(ui.log().back(), "show(PVDESIST,1)");
  ui.keys = {'S'};
  generateCommand(env);
  EXPECT_EQ(ui.log().back(), "announce(PVOK)");
  std::string xml, err;
  ASSERT_TRUE(ReadZipEntry(files.files["carta.docx"], "word/document.xml", &xml, &err)) << err;
  EXPECT_THAT(xml, HasSubstr("<w:b/><w:bCs/></w:rPr><w:t>Ol\xC3\xA1</w:t>"));
  EXPECT_EQ(files.files["carta.txt"], "<IN>Ol\xE1");
}

// The whole command on the real writer: the characters of the file, in either
// encoding, are the characters of the document.
TEST(GenerateEndToEndTest, KeepsTheCharactersOfTheFile) {
  struct {
    const char* bytes;
    const char* text;
  } cases[] = {
      {"a\xE7\xE3o \x93x\x94 \x80", "a\xC3\xA7\xC3\xA3o \xE2\x80\x9Cx\xE2\x80\x9D \xE2\x82\xAC"},
      {"a\xC3\xA7\xC3\xA3o \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80",
       "a\xC3\xA7\xC3\xA3o \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80"},
      {"\xEF\xBB\xBFsem BOM", "sem BOM"},
  };
  for (const auto& c : cases) {
    MemoryFileSystem files;
    files.files["carta.txt"] = c.bytes;
    DocxWord word(&files, "carta.txt", "Ana");
    PvVars vars{"carta.txt", &word};
    RecordingUi ui;
    MapSettings settings;
    GenerateEnv env{&vars, &ui, &settings, &files, "/data"};
    generateCommand(env);
    EXPECT_EQ(ui.log().back(), "announce(PVOK)");
    std::string xml, err;
    ASSERT_TRUE(ReadZipEntry(files.files["carta.docx"], "word/document.xml", &xml, &err)) << err;
    EXPECT_THAT(xml, HasSubstr(std::string(">") + c.text + "</w:t>")) << c.bytes;
  }
}

}  // namespace
}  // namespace pavodin
