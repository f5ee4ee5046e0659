#include "tts/rules.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

RuleTable Rules(std::string_view utf8) {
  RuleTable rules;
  ParseRules(Utf8ToCp1252(utf8), &rules);
  return rules;
}

TtsLines Word(const RuleTable& rules, std::string_view utf8, size_t stress) {
  TtsLines lines;
  TranscribeWord(rules, Utf8ToCp1252(utf8), stress, &lines);
  return lines;
}

TEST(ParseRules, FieldsDelimitersAndLimits) {
  RuleTable rules = Rules(
      "; comment\n"
      "\n"
      "no focus here\n"
      "#(S)#=z|between vowels\n"
      "ABCDEFG(HIJKLMN)OPQRSTU=0123456789012345678901234\n"
      "(Q\n"
      "(X)only right\n"
      " (C) =k\n");
  ASSERT_EQ(rules.lists['S' - 32].size(), 1u);
  EXPECT_EQ(rules.lists['S' - 32][0].left, "#");
  EXPECT_EQ(rules.lists['S' - 32][0].right, "#");
  EXPECT_EQ(rules.lists['S' - 32][0].output, "z");
  const TRegra& cut = rules.lists['H' - 32].at(0);
  EXPECT_EQ(cut.left, "ABCDE");
  EXPECT_EQ(cut.focus, "HIJKL");
  EXPECT_EQ(cut.right, "OPQRS");
  EXPECT_EQ(cut.output, "01234567890123456789");
  const TRegra& open = rules.lists['Q' - 32].at(0);
  EXPECT_EQ(open.focus, "Q");
  EXPECT_EQ(open.right, "");
  EXPECT_EQ(rules.lists['X' - 32].at(0).right, "only ");
  EXPECT_EQ(rules.lists['X' - 32].at(0).output, "");
  EXPECT_EQ(rules.lists['C' - 32].at(0).left, " ") << "blanks are ordinary characters";
  size_t total = 0;
  for (const auto& list : rules.lists) total += list.size();
  EXPECT_EQ(total, 5u) << "comments and rules without focus are skipped";
}

TEST(TranscribeWord, FirstMatchingRuleWinsAndStressIsMarkedOnce) {
  RuleTable rules = Rules("(C)=k\n#(S)#=z\n(S)=s\n(A)=a\n");
  EXPECT_EQ(Word(rules, "CASA", 2), (TtsLines{"k", ">a", "z", "a", ""}));
  EXPECT_EQ(Word(rules, "SACAS", 0), (TtsLines{"s", "a", "k", "a", "s", ""}));
  EXPECT_EQ(Word(rules, "CASA", 1), (TtsLines{">k", "a", "z", "a", ""}));
}

TEST(TranscribeWord, OutputsSplitAtAmpersandAndAreCutAt11) {
  RuleTable rules = Rules("(X)=a&j\n(Y)=abcdefghijklmnop\n(Z)=s&\n(H)=\n(B)=b\n");
  EXPECT_EQ(Word(rules, "X", 1), (TtsLines{">a", "j", ""}));
  EXPECT_EQ(Word(rules, "Y", 0), (TtsLines{"abcdefghijk", ""}));
  EXPECT_EQ(Word(rules, "Z", 0), (TtsLines{"s", "", ""}));
  EXPECT_EQ(Word(rules, "HB", 1), (TtsLines{">b", ""})) << "a silent letter passes the mark on";
  EXPECT_EQ(Word(rules, "Q", 1), (TtsLines{""})) << "a letter without rules gives nothing";
}

TEST(TranscribeWord, ContextClasses) {
  struct Case {
    const char* rule;
    const char* word;
    bool matches;  // the rule's "1" is produced for the first letter
  } cases[] = {
      {"(A)#=1", "AE", true},    {"(A)#=1", "AB", false},    {"(A)#=1", "A", false},
      {"(A)%=1", "A", true},     {"(A)%=1", "AB", false},    {"(A)&=1", "AL", true},
      {"(A)&=1", "AT", false},   {"(A)*=1", "AT", true},     {"(A)*=1", "AR", false},
      {"(A)*B=1", "AB", true},   {"(A)+=1", "AÉ", true},     {"(A)+=1", "AO", false},
      {"(A)[=1", "A", true},     {"(A)[=1", "AT", true},     {"(A)[=1", "AH", false},
      {"(A)[=1", "AE", false},   {"(A)\\%=1", "AS", true},   {"(A)\\%=1", "A", true},
      {"(A)\\%=1", "AT", false}, {"(A)BC=1", "ABC", true},   {"(A)BC=1", "AB", false},
      {"%(A)=1", "A", true},
      {"_(A)=1", "A", true},     {"|(A)=1", "A", false},
  };
  for (const Case& c : cases) {
    RuleTable rules = Rules(std::string(c.rule) + "\n(A)=0\n(B)=b\n");
    TtsLines lines = Word(rules, c.word, 0);
    bool produced = !lines.empty() && lines[0] == "1";
    EXPECT_EQ(produced, c.matches) << c.rule << " on " << c.word;
  }
  struct LeftCase {
    const char* rule;
    const char* word;
    bool matches;  // "1" produced for the last letter
  } left_cases[] = {
      {"#(B)=1", "AB", true},   {"#(B)=1", "CB", false}, {"#(B)=1", "B", false},
      {"%(B)=1", "B", true},    {"%(B)=1", "AB", false}, {"](B)=1", "ÔB", true},
      {"](B)=1", "EB", false},  {"_(B)=1", "B", true},   {"_(B)=1", "UB", true},
      {"_(B)=1", "CB", false},  {"|(B)=1", "SB", true},  {"|(B)=1", "TB", false},
      {"A#(B)=1", "AEB", true}, {"A#(B)=1", "OEB", false},
  };
  for (const LeftCase& c : left_cases) {
    RuleTable rules = Rules(std::string(c.rule) + "\n(B)=0\n(A)=a\n(C)=c\n(E)=e\n(O)=o\n(U)=u\n"
                            "(S)=s\n(T)=t\n(Ô)=o\n");
    TtsLines lines = Word(rules, c.word, 0);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2] == "1", c.matches) << c.rule << " on " << c.word;
  }
}

TEST(IsUnstressedWord, ShortAndListedWords) {
  EXPECT_TRUE(IsUnstressedWord("DE"));
  EXPECT_TRUE(IsUnstressedWord("A"));
  EXPECT_TRUE(IsUnstressedWord(Utf8ToCp1252("NÃO")));
  EXPECT_TRUE(IsUnstressedWord("POR"));
  EXPECT_TRUE(IsUnstressedWord("SIM"));
  EXPECT_FALSE(IsUnstressedWord("CASA"));
  EXPECT_FALSE(IsUnstressedWord("MAR"));
}

class TranscribeTokensTest : public ::testing::Test {
 protected:
  RuleTable rules_ = Rules(
      "(C)=k\n#(S)#=z\n(S)%=s2\n(S)=s\n(A)=a\n(O)=o\n(M)=m\n(I)=i\n(G)=g\n(R)%=r2\n(R)=r\n"
      "(N)=n\n(Ã)=an\n(E)=e\n(U)=u\n(Z)=z\n(L)=l\n");
  ExceptionTable exceptions_;
};

TEST_F(TranscribeTokensTest, HeadersPausesAndBoundaries) {
  ParseExceptions("CASO=KAZO\n", &exceptions_);
  TtsLines out = TranscribeTokens(rules_, exceptions_, {"555|", "574|Casa", "555|,", "431|.", "555|"});
  EXPECT_EQ(out, (TtsLines{";555|", "__", "", ";574|Casa", "k", ">a", "z", "a", "", ";555|,", "_,",
                           ";431|.", "_.", ";555|", "__", "", "__"}));
}

TEST_F(TranscribeTokensTest, ExceptionsAndUnstressedWords) {
  ParseExceptions("CASA=CAZA\n", &exceptions_);
  TtsLines out = TranscribeTokens(rules_, exceptions_,
                                  {"555|casas", Utf8ToCp1252("555|não"), "555|em"});
  EXPECT_EQ(out, (TtsLines{";555|casas", "k", ">a", "z", "a", "s2", "", Utf8ToCp1252(";555|não"), "n", "an",
                           "o", "", ";555|em", "e", "m", "", "__"}));
}

TEST_F(TranscribeTokensTest, SandhiVoicesFinalSAndRBeforeVowels) {
  TtsLines out = TranscribeTokens(
      rules_, exceptions_,
      {"555|os", "555|amigos", "555|mar", "555|azul", "555|mar", "555|casa", "555|mas", "555|ossos"});
  EXPECT_EQ(out, (TtsLines{";555|os", "o", "z", "", ";555|amigos", "a", "m", ">i", "g", "o", "s2",
                           "", ";555|mar", "m", ">a", "r", "", ";555|azul", "a", "z", ">u", "l", "",
                           ";555|mar", "m", ">a", "r2", "", ";555|casa", "k", ">a", "z", "a", "",
                           ";555|mas", "m", ">a", "s2", "", ";555|ossos", ">o", "s", "s", "o",
                           "s2", "", "__"}));
}

}  // namespace
}  // namespace pavodin
