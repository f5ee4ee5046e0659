#include "docgen/document_feed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "docgen/docgen_fakes.h"

namespace pavodin {
namespace {

using ::testing::ElementsAreArray;

class DocumentFeedTest : public ::testing::Test {
 protected:
  DocumentFeedTest() {
    env_.word = &word_;
    env_.feedback = &ui_;
    env_.settings = &settings_;
    env_.files = &files_;
    env_.data_dir = "/data";
  }

  // The operations after startWord for a text with no initial formatting.
  std::vector<std::string> Build(const std::string& text) {
    log_.clear();
    TextLines lines(text);
    EXPECT_TRUE(buildDocument(env_, lines, 0, static_cast<int64_t>(lines.size()) - 1));
    EXPECT_FALSE(log_.empty());
    if (log_.empty()) return log_;
    EXPECT_EQ(log_.front(), "startWord");
    return std::vector<std::string>(log_.begin() + 1, log_.end());
  }

  std::vector<std::string> log_;
  RecordingWord word_{&log_};
  RecordingUi ui_{&log_};
  MapSettings settings_;
  MemoryFileSystem files_;
  DocumentFeedEnv env_;
};

TEST_F(DocumentFeedTest, JoinsLinesAndStartsParagraphsByTheLineRules) {
  struct {
    const char* text;
    std::vector<std::string> expected;
  } cases[] = {
      // Two non-blank lines, the second starting with a letter: one blank joins them.
      {"um\ndois", {"typeText(\"um\")", "typeText(\" \")", "typeText(\"dois\")"}},
      // A full stop at the start always starts a paragraph.
      {"um\n.dois", {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\".dois\")"}},
      // Five blanks: a new paragraph, one tab and one blank.
      {"um\n     dois",
       {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\"\\t\")", "typeText(\" dois\")"}},
      // Two blanks: a new paragraph without indentation.
      {"um\n  dois", {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\"dois\")"}},
      // Eight blanks: two tabs; trailing blanks disappear.
      {"um\n        dois   ",
       {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\"\\t\\t\")", "typeText(\"dois\")"}},
      // A tab-indented line joins the paragraph before it, its tab removed.
      {"um\n\tdois", {"typeText(\"um\")", "typeText(\" \")", "typeText(\"dois\")"}},
      // Text, blank line, text: an empty paragraph between them.
      {"um\n\ndois",
       {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\"\\r\")", "typeText(\"dois\")"}},
      // Two blank lines: two empty paragraphs.
      {"um\n\n \ndois",
       {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\"\\r\")", "typeText(\"\\r\")",
        "typeText(\"dois\")"}},
      // A blank first line leaves an empty first paragraph.
      {"\num", {"typeText(\"\\r\")", "typeText(\"um\")"}},
      // After a blank line, an indented line starts its paragraph by its own separator.
      {"um\n\n    dois",
       {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\"\\r\")", "typeText(\"\\t\")",
        "typeText(\"dois\")"}},
      // A known tag opening a line, followed by a blank, starts a new paragraph...
      {"um\n<C> Titulo",
       {"typeText(\"um\")", "typeText(\"\\r\")", "setParagraphAlignment(1)", "click",
        "typeText(\"Titulo\")"}},
      // ...without the blank, the line joins the paragraph before it.
      {"um\n<C>Titulo",
       {"typeText(\"um\")", "typeText(\" \")", "setParagraphAlignment(1)", "click",
        "typeText(\"Titulo\")"}},
      // An unknown leading tag stays where it is (and is typed).
      {"um\n<X> dois",
       {"typeText(\"um\")", "typeText(\" \")", "typeText(\"<X>\")", "typeText(\" dois\")"}},
      // The tag moves behind the indentation, which then becomes a tab.
      {"um\n    <IN> dois",
       {"typeText(\"um\")", "typeText(\"\\r\")", "typeText(\"\\t\")", "typeText(\" \")",
        "setBold(1)", "click", "typeText(\"dois\")"}},
      // Character formatting is never reset between lines.
      {"<IN>um\ndois<FN>",
       {"setBold(1)", "click", "typeText(\"um\")", "typeText(\" \")", "typeText(\"dois\")",
        "setBold(0)", "click"}},
      // CR-only and CR LF line ends, and a last line without a line end.
      {"um\rdois\r\ntres", {"typeText(\"um\")", "typeText(\" \")", "typeText(\"dois\")",
                            "typeText(\" \")", "typeText(\"tres\")"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_THAT(Build(c.text), ElementsAreArray(c.expected)) << c.text;
}

TEST_F(DocumentFeedTest, MovesOnlyAKnownLeadingTagFollowedByABlank) {
  struct {
    const char* line;
    const char* expected;
  } cases[] = {
      {"<C> Titulo", " <C>Titulo"},
      {"<c>   Titulo", "   <c>Titulo"},
      {"  <IN> x", "   <IN>x"},
      {"<C>Titulo", "<C>Titulo"},
      {"<X> Titulo", "<X> Titulo"},
      {"a <C> Titulo", "a <C> Titulo"},
      {"\t<C> Titulo", "\t<C> Titulo"},
      {"<C>", "<C>"},
      {"<C> ", "<C> "},
      {"<SF=12> x", " <SF=12>x"},
      {"x > <C> y", "x > <C> y"},
  };
  for (const auto& c : cases) EXPECT_EQ(moveLeadingTag(c.line), c.expected) << c.line;
}

TEST_F(DocumentFeedTest, TypesTheInitialFormattingJoinedBeforeTheText) {
  files_.files["/data/fenditra.ini"] = "  <TF=Arial>  \r\n<SF=12>\n\n<AF>Inicio \n";
  EXPECT_THAT(Build("um"),
              ElementsAreArray<std::string>({"setFontName(\"Arial\")", "click", "setFontSize(12)",
                                             "click", "setParagraphAlignment(3)", "click",
                                             "typeText(\"Inicio\")", "typeText(\"um\")"}));
}

TEST_F(DocumentFeedTest, ReadsTheConfiguredInitialFormattingFile) {
  settings_.values["PAVODIN/ARQFENDITRA"] = "c:\\tarmil\\outro.ini";
  files_.files["/data/outro.ini"] = "<IN>";
  files_.files["/data/fenditra.ini"] = "<II>";
  EXPECT_THAT(Build(""), ElementsAreArray<std::string>({"setBold(1)", "click"}));
}

TEST_F(DocumentFeedTest, AMissingInitialFormattingFileChangesNothing) {
  EXPECT_THAT(Build("um"), ElementsAreArray<std::string>({"typeText(\"um\")"}));
}

TEST_F(DocumentFeedTest, InitialFormattingInWindows1252IsReadAsSuch) {
  files_.files["/data/fenditra.ini"] = "<TF=Fonte \xE7\xE3o>";  // "Fonte ção" in Windows-1252
  EXPECT_THAT(Build(""), ElementsAreArray<std::string>(
                             {"setFontName(\"Fonte \xC3\xA7\xC3\xA3o\")", "click"}));
}

TEST_F(DocumentFeedTest, AFailedStartSendsNothingElse) {
  word_.start_succeeds = false;
  files_.files["/data/fenditra.ini"] = "<IN>";
  TextLines lines(std::string("um\ndois"));
  EXPECT_FALSE(buildDocument(env_, lines, 0, 1));
  EXPECT_THAT(log_, ElementsAreArray<std::string>({"startWord failed"}));
}

TEST_F(DocumentFeedTest, FeedsOnlyTheLinesAskedFor) {
  TextLines lines(std::string("zero\num\ndois\ntres"));
  EXPECT_TRUE(buildDocument(env_, lines, 1, 2));
  EXPECT_THAT(log_, ElementsAreArray<std::string>(
                        {"startWord", "typeText(\"um\")", "typeText(\" \")", "typeText(\"dois\")"}));
  log_.clear();
  EXPECT_TRUE(buildDocument(env_, lines, 3, 9));
  EXPECT_THAT(log_, ElementsAreArray<std::string>({"startWord", "typeText(\"tres\")"}));
  log_.clear();
  EXPECT_TRUE(buildDocument(env_, lines, 5, 9));
  EXPECT_THAT(log_, ElementsAreArray<std::string>({"startWord"}));
}

std::string Tabs(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "\\t";
  return s;
}

TEST(LeadingBlanksToTabsTest, FourBlanksMakeATab) {
  struct {
    const char* line;
    int tabs;
    const char* rest;
  } cases[] = {
      {"x", 0, "x"},        {"   x", 0, "x"},       {"    x", 1, "x"},   {"      x", 1, "  x"},
      {"        x", 2, "x"}, {"  \t  x", 0, "x"},   {"    ", 0, ""},     {"x   ", 0, "x"},
      {"     \tx", 1, " x"},
  };
  for (const auto& c : cases) {
    RecordingWord word;
    EXPECT_EQ(leadingBlanksToTabs(c.line, &word), c.rest) << c.line;
    if (c.tabs == 0) {
      EXPECT_TRUE(word.log().empty()) << c.line;
    } else {
      EXPECT_THAT(word.log(), ElementsAreArray<std::string>(
                                  {"typeText(\"" + Tabs(c.tabs) + "\")"}))
          << c.line;
    }
  }
}

}  // namespace
}  // namespace pavodin
