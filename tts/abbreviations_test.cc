#include "tts/abbreviations.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

TEST(Abbreviations, FileFormat) {
  AbbreviationTable table;
  ParseAbbreviations(Utf8ToCp1252("; comentário\n\n  dr = doutor \r\n"
                                  "Sr=senhor\nsr=repetido\nsem igual\n"
                                  "pág.=página=folha\nnº=número\n"),
                     &table);
  ASSERT_EQ(table.entries.size(), 6u);
  EXPECT_EQ(table.entries[0].first, "DR");
  EXPECT_EQ(table.entries[0].second, "doutor");
  EXPECT_EQ(table.entries[3].first, "");
  EXPECT_EQ(table.entries[3].second, "sem igual");
  EXPECT_EQ(LookupAbbreviation(table, "Dr"), "doutor");
  EXPECT_EQ(LookupAbbreviation(table, "SR"), "senhor") << "the first entry wins";
  EXPECT_EQ(Cp1252ToUtf8(LookupAbbreviation(table, Utf8ToCp1252("PÁG."))), "página=folha");
  EXPECT_EQ(Cp1252ToUtf8(LookupAbbreviation(table, Utf8ToCp1252("Nº"))), "número");
  EXPECT_EQ(LookupAbbreviation(table, "sem igual"), "");
  EXPECT_EQ(LookupAbbreviation(table, ""), "") << "an empty abbreviation never matches";
  EXPECT_EQ(LookupAbbreviation(table, "xyz"), "");
}

TEST(Abbreviations, CapacityAndReload) {
  std::string text;
  for (int i = 0; i < 2100; ++i) text += "a" + std::to_string(i) + "=x\n";
  AbbreviationTable table;
  ParseAbbreviations(text, &table);
  EXPECT_EQ(table.entries.size(), AbbreviationTable::kCapacity);
  ParseAbbreviations("b=y\n", &table);
  EXPECT_EQ(table.entries.size(), 1u) << "every load starts afresh";
}

TEST(Abbreviations, MissingFileFailsWithEmptyTable) {
  MemoryFileSystem fs;
  AbbreviationTable table;
  ParseAbbreviations("a=b\n", &table);
  std::string err;
  EXPECT_FALSE(LoadAbbreviations(fs, "/x/portug.abr", &table, &err));
  EXPECT_TRUE(table.entries.empty());
  EXPECT_FALSE(err.empty());
  fs.files["/x/portug.abr"] = "Av=avenida\n";
  EXPECT_TRUE(LoadAbbreviations(fs, "/x/portug.abr", &table, &err));
  EXPECT_EQ(LookupAbbreviation(table, "av"), "avenida");
}

}  // namespace
}  // namespace pavodin
