#include "tts/exceptions.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

std::string Applied(const ExceptionTable& table, std::string_view utf8) {
  std::string w = Utf8ToCp1252(utf8);
  ApplyExceptions(table, &w);
  return Cp1252ToUtf8(w);
}

TEST(Exceptions, StripsFinalSAndMToFindTheBase) {
  ExceptionTable table;
  ParseExceptions(Utf8ToCp1252("casa=kaza\nbe=bê\ntáxi=táksi|comentário\nabc\n"), &table);
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"CASA", "KAZA"},  {"CASAS", "KAZAS"}, {"CASASS", "KAZASS"}, {"BEM", "BÊM"},
      {"MAS", "MAS"},    {"TÁXI", "TÁKSI"},  {"TÁXIS", "TÁKSIS"},   {"ABC", "ABC"},
      {"S", "S"},         {"", ""},             {"CAS", "CAS"},
  };
  for (const Case& c : cases) EXPECT_EQ(Applied(table, c.in), c.out) << c.in;
}

TEST(Exceptions, LinesAreUpperCasedAndSorted) {
  ExceptionTable table;
  ParseExceptions("zz=a\nmm=b\n\naa=c\r\n", &table);
  ASSERT_EQ(table.entries.size(), 3u);
  EXPECT_EQ(table.entries[0].word, "AA");
  EXPECT_EQ(table.entries[0].respelling, "C");
  EXPECT_EQ(table.entries[2].word, "ZZ");
  EXPECT_EQ(Applied(table, "MM"), "B");
}

TEST(Exceptions, BlanksAreOrdinaryCharacters) {
  ExceptionTable table;
  ParseExceptions("casa = kaza\n", &table);
  EXPECT_EQ(Applied(table, "CASA"), "CASA");
  EXPECT_EQ(Applied(table, "CASA "), " KAZA");
}

TEST(Exceptions, EmptyAndMissingFiles) {
  MemoryFileSystem fs;
  fs.files["/d/empty.exc"] = "";
  ExceptionTable table;
  std::string err;
  EXPECT_TRUE(LoadExceptions(fs, "/d/empty.exc", &table, &err));
  EXPECT_EQ(Applied(table, "CASA"), "CASA");
  EXPECT_FALSE(LoadExceptions(fs, "/d/none.exc", &table, &err));
}

TEST(Exceptions, CapacityIsRespected) {
  std::string text;
  for (int i = 0; i < 15100; ++i) text += "w" + std::to_string(i) + "=x\n";
  ExceptionTable table;
  ParseExceptions(text, &table);
  EXPECT_EQ(table.entries.size(), ExceptionTable::kCapacity);
}

}  // namespace
}  // namespace pavodin
