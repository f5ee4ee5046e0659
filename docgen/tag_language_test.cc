#include "docgen/tag_language.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "docgen/docgen_fakes.h"

namespace pavodin {
namespace {

using ::testing::ElementsAreArray;

struct TagCase {
  const char* line;
  std::vector<std::string> expected;  // word operations, speech and clicks, in order
};

class TagLanguageTest : public ::testing::Test {
 protected:
  std::vector<std::string> Type(std::string_view line) {
    log_.clear();
    tags_.typeTaggedText(line);
    return log_;
  }

  std::vector<std::string> log_;
  RecordingWord word_{&log_};
  RecordingUi ui_{&log_};
  TagInterpreter tags_{&word_, &ui_};
};

TEST_F(TagLanguageTest, TypesTextAndCarriesOutTagsInOrder) {
  const TagCase cases[] = {
      {"um <IN>dois<FN> tres",
       {"typeText(\"um \")", "setBold(1)", "click", "typeText(\"dois\")", "setBold(0)", "click",
        "typeText(\" tres\")"}},
      {"<in>x", {"setBold(1)", "click", "typeText(\"x\")"}},
      {"<tf=Times New Roman>x",
       {"setFontName(\"Times New Roman\")", "click", "typeText(\"x\")"}},
      {"<TF= arial >", {"setFontName(\" arial \")", "click"}},
      {"<II>a<FI><IS>b<FS>",
       {"setItalic(1)", "click", "typeText(\"a\")", "setItalic(0)", "click", "setUnderline(1)",
        "click", "typeText(\"b\")", "setUnderline(0)", "click"}},
      {"<AL><C><AR><AF>",
       {"setParagraphAlignment(0)", "click", "setParagraphAlignment(1)", "click",
        "setParagraphAlignment(2)", "click", "setParagraphAlignment(3)", "click"}},
      // Numeric values: a leading blank, an empty parameter or a letter give 0.
      {"<SF=14>", {"setFontSize(14)", "click"}},
      {"<SF= 14>", {"setFontSize(0)", "click"}},
      {"<SF=>", {"setFontSize(0)", "click"}},
      {"<SF=014 >", {"setFontSize(14)", "click"}},
      {"<CE=4>", {"setFontColourIndex(4)", "click"}},
      {"<CE=16>", {"setFontColourIndex(16)", "click"}},
      {"<CE=20>", {"setFontColourIndex(0)", "click"}},
      {"<CE=-3>", {"setFontColourIndex(0)", "click"}},
      {"<RP=36>", {"setLeftIndent(36)", "click"}},
      {"<RP=0>", {"turnOffAutoSpacing", "click"}},
      {"<RP=x>", {"turnOffAutoSpacing", "click"}},
      // A number that is not a whole number is typed so the author sees it.
      {"<SF=12pt>a", {"typeText(\"<SF=12pt>\")", "typeText(\"a\")"}},
      {"<CE=99999999999>", {"typeText(\"<CE=99999999999>\")"}},
      // ...but a font name may start with a digit.
      {"<TF=3 of 9>", {"setFontName(\"3 of 9\")", "click"}},
      // Announced tags: speech, a click, nothing sent to the document.
      {"<P>", {"speak(Colocar comando Word)", "click"}},
      {"a<MS=3>b",
       {"typeText(\"a\")", "speak(Colocar comando Word)", "click", "typeText(\"b\")"}},
      {"<ISU><fsu><EL=x>",
       {"speak(Colocar comando Word)", "click", "speak(Colocar comando Word)", "click",
        "speak(Colocar comando Word)", "click"}},
      // Typed tags: known to the known-tag test, but typed as written, no click.
      {"<TIT=Carta><NTIT>", {"typeText(\"<TIT=Carta>\")", "typeText(\"<NTIT>\")"}},
      {"<<IN>x", {"typeText(\"<<IN>\")", "typeText(\"x\")"}},
      {"a <xyz> b", {"typeText(\"a \")", "typeText(\"<xyz>\")", "typeText(\" b\")"}},
      // A ">" before the first "<", or a "<" without ">", makes the rest text.
      {"a > b <IN> c", {"typeText(\"a > b <IN> c\")"}},
      {"a <IN c", {"typeText(\"a <IN c\")"}},
      // Blanks after the last tag are dropped; a blank between tags is typed.
      {"texto <IN>   ", {"typeText(\"texto \")", "setBold(1)", "click"}},
      {"<IN> <II>", {"setBold(1)", "click", "typeText(\" \")", "setItalic(1)", "click"}},
      {"<>", {"typeText(\"<>\")"}},
      {"<=>", {"typeText(\"<=>\")"}},
      {"", {}},
  };
  for (const TagCase& c : cases) EXPECT_THAT(Type(c.line), ElementsAreArray(c.expected)) << c.line;
}

TEST(TagNumberTest, FollowsTheLeadingDigitRule) {
  struct {
    const char* parameter;
    std::optional<int32_t> value;
  } cases[] = {
      {"12", 12},         {"0", 0},          {"", 0},
      {"   ", 0},         {" 12", 0},        {"+5", 0},
      {"-5", 0},          {"abc", 0},        {"12 ", 12},
      {"2147483647", 2147483647},            {"2147483648", std::nullopt},
      {"12pt", std::nullopt},                {"1 2", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TagNumber(c.parameter), c.value) << c.parameter;
}

TEST(IsKnownTagTest, MatchesWholeEntriesOfTheStoredLists) {
  for (const char* tag : {"<TF=Arial>", "<tit=x>", "<RP=>", "<NTIT>", "<p>", "<FSU>", "<c>",
                          "<Iso>", "<EL=1>"})
    EXPECT_TRUE(isKnownTag(tag)) << tag;
  // Parts of entries, joined entries and unknown names are not known.
  for (const char* tag : {"<T>", "<F=x>", "<TF>", "<IN> <FN>", "<X=1>", "<P", "IN>", "<>",
                          "<SF =1>", " <IN>"})
    EXPECT_FALSE(isKnownTag(tag)) << tag;
}

}  // namespace
}  // namespace pavodin
