#include "tts/tts_text.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "tts/char_classes.h"

namespace pavodin {
namespace {

TEST(TtsText, Cp1252LetterCase) {
  EXPECT_EQ(Cp1252ToUtf8(UpperCp1252(Utf8ToCp1252("ação über ñ ÿ œ š ž ÷ ß"))),
            "AÇÃO ÜBER Ñ Ÿ Œ Š Ž ÷ ß");
  EXPECT_EQ(Cp1252ToUtf8(LowerCp1252(Utf8ToCp1252("AÇÃO ÜBER Ñ Ÿ Œ Š Ž × ß"))),
            "ação über ñ ÿ œ š ž × ß");
}

TEST(TtsText, TrimSplitAndIntegers) {
  EXPECT_EQ(TrimControls("\t x y \r\n"), "x y");
  EXPECT_EQ(TrimSpaces(" \tx "), "\tx");
  EXPECT_EQ(SplitFileLines("a\r\nb\n\nc"), (TtsLines{"a", "b", "", "c"}));
  EXPECT_EQ(SplitFileLines("a\n"), (TtsLines{"a"}));
  EXPECT_TRUE(SplitFileLines("").empty());
  int v = 0;
  EXPECT_TRUE(ParseInt32("-2147483648", &v));
  EXPECT_EQ(v, -2147483647 - 1);
  EXPECT_TRUE(ParseInt32("+70", &v));
  EXPECT_EQ(v, 70);
  EXPECT_FALSE(ParseInt32("2147483648", &v));
  EXPECT_FALSE(ParseInt32("99999999999999999999", &v));
  EXPECT_FALSE(ParseInt32("", &v));
  EXPECT_FALSE(ParseInt32("-", &v));
  EXPECT_FALSE(ParseInt32("1 2", &v));
  EXPECT_FALSE(ParseInt32("0x10", &v));
}

TEST(CharClasses, PortugueseLetters) {
  const std::string vowels = Utf8ToCp1252("aeiouAEIOUàáâãéêìíóôõùúüÀÁÂÃÉÊÌÍÓÔÕÙÚÜ");
  const std::string consonants = Utf8ToCp1252("bcdfghjklmnpqrstvwxyzBCDFGHJKLMNPQRSTVWXYZçÇñÑ");
  const std::string neither = Utf8ToCp1252("èÈîÎäÄëË0 -.ßÿ×÷@[`{");
  for (unsigned char c : vowels) {
    EXPECT_TRUE(IsTtsVowel(c) && IsTtsLetter(c) && !IsTtsConsonant(c)) << int(c);
  }
  for (unsigned char c : consonants) {
    EXPECT_TRUE(IsTtsConsonant(c) && IsTtsLetter(c) && !IsTtsVowel(c)) << int(c);
  }
  for (unsigned char c : neither) EXPECT_FALSE(IsTtsLetter(c)) << int(c);
}

}  // namespace
}  // namespace pavodin
