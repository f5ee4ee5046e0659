#include "tts/pho_lines.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "tts/recording_tts_messages.h"

namespace pavodin {
namespace {

class BuildPhoLinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingTtsMessages messages;
    ASSERT_TRUE(ParseProsody(Utf8ToCp1252("[DURAÇÃO]\nk=60\na=80\nz=70\nt=50\n__=120\n_,=200\n"
                                          "[CHAVES]\n[PROSÓDIA]\n"
                                          "TABHERTZ=0,50,60,70,80,100,110,120,130,140\n"),
                             messages, &prosody_));
    ParseDiphones("_ _\n_ k\nk-a\na z\nz a\na _\n_ t\nt a\na t\n_ a\nz z\n", &all_);
  }

  TtsLines Build(const TtsLines& phonemes, double pitch = 1.0, double duration = 1.0,
                 const DiphoneList* diphones = nullptr) {
    std::string current;
    return BuildPhoLines(prosody_, diphones ? *diphones : all_, phonemes, pitch, duration,
                         &current);
  }

  ProsodyConfig prosody_;
  DiphoneList all_;
};

TEST_F(BuildPhoLinesTest, CasaWithBothFactors) {
  const TtsLines casa{";555|CASA", "k", ">a", "z", "a", ""};
  EXPECT_EQ(Build(casa), (TtsLines{";CASA", "k 60 50 230", "a 116 80 230", "z 101",
                                   "a 116 50 230", ""}));
  EXPECT_EQ(Build(casa, 1.0, 0.8), (TtsLines{";CASA", "k 48 50 230", "a 92 80 230", "z 81",
                                             "a 92 50 230", ""}));
  EXPECT_EQ(Build(casa, 2.0), (TtsLines{";CASA", "k 60 50 460", "a 116 80 460", "z 101",
                                        "a 116 50 460", ""}));
}

TEST_F(BuildPhoLinesTest, PatternLevelsAndMissingTargets) {
  // Level 0 is 0 %: no target, but the state still moves on.
  EXPECT_EQ(Build({";069|TATA", "t", ">a", "t", "a", ""}),
            (TtsLines{";TATA", "t 50", "a 116 80 253", "t 72", "a 116 50 322", ""}));
  // A stressed first phoneme skips the first level; an unstressed word gets one target.
  EXPECT_EQ(Build({";987|AZ", ">a", "z", "", ";987|ZA", "z", "a", ""}),
            (TtsLines{";AZ", "a 116 80 299", "z 101 50 276", "", ";ZA", "z 70 50 322", "a 80",
                      ""}));
}

TEST_F(BuildPhoLinesTest, LongWordsAreShortenedBeforeTheStress) {
  // Word length counts the header's ";": 13 letters give 14 (80 %), 9 give 10 (90 %), 8 give 9.
  EXPECT_EQ(Build({";555|ABCDEFGHIJKLM", "t", "a", ">t", "a", ""}),
            (TtsLines{";ABCDEFGHIJKLM", "t 40 50 230", "a 64", "t 72 80 230", "a 116 50 230", ""}));
  EXPECT_EQ(Build({";555|ABCDEFGHI", "t", ">a", ""}),
            (TtsLines{";ABCDEFGHI", "t 45 50 230", "a 116 80 230", ""}));
  EXPECT_EQ(Build({";555|ABCDEFGH", "t", ">a", ""}),
            (TtsLines{";ABCDEFGH", "t 50 50 230", "a 116 80 230", ""}));
}

TEST_F(BuildPhoLinesTest, Pauses) {
  EXPECT_EQ(Build({";555|", "__", "", ";555|,", "_,", ";555|X", "_", "_ 250", "_ x", ""}),
            (TtsLines{";", "_ 120 50 230", "", ";,", "_ 200 50 230", ";X", "_ 100 50 230",
                      "_ 250", "_ 100", ""}));
  ProsodyConfig empty;
  std::string current;
  EXPECT_EQ(BuildPhoLines(empty, all_, {";555|", "__", ""}, 1.0, 1.0, &current),
            (TtsLines{";", "_ 100", ""}))
      << "without levels there are no targets; \"__\" lasts 100 ms without an entry";
}

TEST_F(BuildPhoLinesTest, DiphoneCheckInsertsBridges) {
  DiphoneList some;
  ParseDiphones("_-k\nk-a\nr2-_\na-y\n_-r2\n", &some);
  EXPECT_EQ(Build({";555|X", "k", "a", "t", ""}, 1.0, 1.0, &some),
            (TtsLines{";X", "k 60 50 230", "a 80", "y 50", "t 50", ""}));
  EXPECT_EQ(Build({";555|X", "r2", "t", ""}, 1.0, 1.0, &some),
            (TtsLines{";X", "r2 100 50 230", "_ 50", "t 50", ""}));
  EXPECT_EQ(Build({";555|X", "k", "z", ""}, 1.0, 1.0, &some),
            (TtsLines{";X", "k 60 50 230", "_ 50", "z 70", ""}));
  EXPECT_EQ(Build({";555|X", "z", ""}, 1.0, 1.0, &some),
            (TtsLines{";X", "_ 50", "z 70 50 230", ""}));
}

TEST_F(BuildPhoLinesTest, CurrentPhonemeIsCarriedToTheNextCall) {
  DiphoneList some;
  ParseDiphones("_-k\nk-a\n", &some);
  std::string current;
  TtsLines first = BuildPhoLines(prosody_, some, {";555|", "k", "a"}, 1.0, 1.0, &current);
  EXPECT_EQ(current, "a");
  // The next call starts from "_" with the carried "a": "_-a" and then "a-k" are missing.
  TtsLines second = BuildPhoLines(prosody_, some, {";555|", "k", ""}, 1.0, 1.0, &current);
  EXPECT_EQ(second, (TtsLines{"_ 50", ";", "_ 50", "k 60 50 230", ""}));
}

TEST_F(BuildPhoLinesTest, HugeValuesStayInRange) {
  ProsodyConfig big;
  big.durations.push_back({"a", 2000000000});
  big.pitch_levels.fill(2000000000);
  big.base_pitch = 2000000000;
  std::string current;
  TtsLines out = BuildPhoLines(big, all_, {";555|A", ">a", ""}, 1e300, 1e300, &current);
  EXPECT_EQ(out[1], "a 21474836 80 21474836");
}

TEST(DurationOf, ExactNameFirstEntry) {
  ProsodyConfig c;
  c.durations = {{"a", 80}, {"A", 90}, {"a", 70}};
  EXPECT_EQ(DurationOf(c, "a"), 80);
  EXPECT_EQ(DurationOf(c, "A"), 90);
  EXPECT_EQ(DurationOf(c, "e"), 100);
}

TEST(Diphones, FileFormatAndCase) {
  DiphoneList list;
  ParseDiphones("; comment\n! x\n* y\n\n  a e  \nb-c\nd\te\t123\nA E\nr2 s2\n-x\nm\n", &list);
  EXPECT_TRUE(HasDiphone(list, "a-e"));
  EXPECT_TRUE(HasDiphone(list, "B-C"));
  EXPECT_TRUE(HasDiphone(list, "d-e"));
  EXPECT_TRUE(HasDiphone(list, "r2-s2"));
  EXPECT_TRUE(HasDiphone(list, "-x"));
  EXPECT_TRUE(HasDiphone(list, "m-"));
  EXPECT_FALSE(HasDiphone(list, "e-a"));
  EXPECT_EQ(list.pairs.size(), 7u);
  ReleaseDiphones(&list);
  EXPECT_FALSE(HasDiphone(list, "a-e"));
}

TEST(Diphones, ShippedListLoads) {
  DiskFileSystem fs;
  DiphoneList list;
  std::string err;
  ASSERT_TRUE(LoadDiphones(fs, std::string(PAVODIN_SOURCE_DATA_DIR) + "/tts/br4/portug.dfn", &list,
                           &err))
      << err;
  EXPECT_EQ(list.pairs.size(), 1026u);
  EXPECT_TRUE(HasDiphone(list, "r2-_"));
  EXPECT_FALSE(HasDiphone(list, "r2-u"));
  EXPECT_FALSE(LoadDiphones(fs, "/nonexistent/portug.dfn", &list, &err));
}

}  // namespace
}  // namespace pavodin
