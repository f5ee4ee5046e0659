#include "docgen/text_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pavodin {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  TextLines lines(text);
  std::vector<std::string> out;
  for (size_t i = 0; i < lines.size(); ++i) out.emplace_back(lines[i]);
  return out;
}

TEST(TextLinesTest, SplitsAtEveryKindOfLineEnd) {
  struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\rc", {"a", "b", "c"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n", {""}},
      {"\n\n", {"", ""}},
      {" a \n", {" a "}},
  };
  for (const auto& c : cases) EXPECT_EQ(Lines(c.text), c.lines) << c.text;
}

TEST(DecodeFileTextTest, ReadsUtf8AsUtf8AndAnythingElseAsWindows1252) {
  struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"a\xC3\xA7\xC3\xA3o", "a\xC3\xA7\xC3\xA3o"},
      {"a\xE7\xE3o", "a\xC3\xA7\xC3\xA3o"},
      {"\x80 \x93\x94", "\xE2\x82\xAC \xE2\x80\x9C\xE2\x80\x9D"},
      {"\xEF\xBB\xBF" "abc", "abc"},
      {std::string("ab\0cd", 5), "ab"},
      // The NUL cuts before the encoding is judged: what is left is UTF-8.
      {std::string("\xC3\xA7\0\xFF", 4), "\xC3\xA7"},
      {std::string("\0abc", 4), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeFileText(c.bytes), c.text) << c.bytes;
}

TEST(TrimBlanksTest, RemovesEveryByteUpToCode32) {
  EXPECT_EQ(TrimBlanks(" \t\x01" "a b\x1F\r "), "a b");
  EXPECT_EQ(TrimBlanks("\xC2\xA0" "a"), "\xC2\xA0" "a");  // a no-break space is text
  EXPECT_TRUE(IsBlankLine(" \t\x0B"));
  EXPECT_FALSE(IsBlankLine("."));
}

}  // namespace
}  // namespace pavodin
