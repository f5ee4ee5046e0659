#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace pavodin {
namespace {

TEST(TextEncodingTest, RoundTripsEveryWindows1252Byte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(TextEncodingTest, ConvertsPortugueseAndTypographicCharacters) {
  EXPECT_EQ(Utf8ToCp1252("op\xC3\xA7\xC3\xA3o \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"),
            "op\xE7\xE3o \x80 \x93x\x94");
  EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\xC3\xA9");
  EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // no Windows-1252 byte
}

TEST(TextEncodingTest, ReadsFilesAsUtf8OnlyWhenValid) {
  EXPECT_EQ(FileTextToCp1252("\xEF\xBB\xBF" "a\xC3\xA7"), "a\xE7");
  EXPECT_EQ(FileTextToCp1252("a\xE7\xE3o"), "a\xE7\xE3o");  // Windows-1252 as it stands
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                     // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                 // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));                     // cut short
}

}  // namespace
}  // namespace pavodin
