#include "docgen/document_model.h"

#include <gtest/gtest.h>

#include <string>

namespace pavodin {
namespace {

// The document as text: paragraphs separated by "|", each run as
// [format-description]text, e.g. "[b]Um| [i]dois".
std::string Describe(const DocumentModel& doc) {
  std::string out;
  for (size_t p = 0; p < doc.paragraphs().size(); ++p) {
    if (p) out += "|";
    const ParaFormat& pf = doc.paragraphs()[p].format;
    if (pf.alignment >= 0) out += "{a" + std::to_string(pf.alignment) + "}";
    if (pf.has_left_indent) out += "{i" + std::to_string(pf.left_indent_twips) + "}";
    if (pf.auto_spacing_off) out += "{s}";
    doc.ForEachRun(p, [&](const Run& run, std::string_view text) {
      const CharFormat& f = doc.formats()[run.format];
      std::string d;
      if (f.font >= 0) d += "f=" + doc.fonts()[static_cast<size_t>(f.font)] + ",";
      if (f.size_half_points) d += "hp=" + std::to_string(f.size_half_points) + ",";
      if (f.colour_index >= 0) d += "c=" + std::to_string(f.colour_index) + ",";
      if (f.bold >= 0) d += f.bold ? "b," : "-b,";
      if (f.italic >= 0) d += f.italic ? "i," : "-i,";
      if (f.underline >= 0) d += f.underline ? "u," : "-u,";
      if (!d.empty()) d.pop_back();
      out += "[" + d + "]" + std::string(text);
    });
  }
  return out;
}

TEST(DocumentModelTest, CharacterFormattingCarriesForwardAcrossParagraphs) {
  DocumentModel doc;
  doc.TypeText("um ");
  doc.SetBold(true);
  doc.TypeText("dois");
  doc.TypeText(" tres\r");  // same format: the same run
  doc.TypeText("quatro");
  doc.SetBold(false);
  doc.SetFontSize(14);
  doc.TypeText(".");
  EXPECT_EQ(Describe(doc), "[]um [b]dois tres|[b]quatro[hp=28,-b].");
}

TEST(DocumentModelTest, ParagraphFormattingCoversTheWholeParagraphAndIsInherited) {
  DocumentModel doc;
  doc.TypeText("antes ");
  doc.SetAlignment(1);  // applies to the text already in the paragraph too
  doc.SetLeftIndent(36);
  doc.TypeText("depois\rnovo");
  doc.SetAlignment(2);
  doc.TurnOffAutoSpacing();
  EXPECT_EQ(Describe(doc), "{a1}{i720}[]antes depois|{a2}{i720}{s}[]novo");
}

TEST(DocumentModelTest, RefusedValuesLeaveTheFormattingAsItWas) {
  DocumentModel doc;
  doc.SetFontSize(12);
  doc.SetColourIndex(6);
  doc.SetFontName("Arial");
  doc.SetAlignment(3);
  doc.SetLeftIndent(10);
  doc.SetFontSize(0);
  doc.SetFontSize(1639);
  doc.SetColourIndex(17);
  doc.SetColourIndex(-1);
  doc.SetFontName("  ");
  doc.SetAlignment(4);
  doc.SetLeftIndent(1585);
  doc.TypeText("x");
  EXPECT_EQ(Describe(doc), "{a3}{i200}[f=Arial,hp=24,c=6]x");
  doc.SetFontSize(1638);
  doc.SetFontSize(1);
  doc.SetLeftIndent(1584);
  doc.TypeText("y");
  EXPECT_EQ(Describe(doc), "{a3}{i31680}[f=Arial,hp=24,c=6]x[f=Arial,hp=2,c=6]y");
}

TEST(DocumentModelTest, FontNamesAreTrimmedAndKeepTheirCharacters) {
  DocumentModel doc;
  doc.SetFontName(" Fonte \xC3\xA7\xC3\xA3o \xE2\x82\xAC ");
  doc.TypeText("x");
  EXPECT_EQ(Describe(doc), "[f=Fonte \xC3\xA7\xC3\xA3o \xE2\x82\xAC]x");
}

TEST(DocumentModelTest, KeepsOnlyWhatADocumentCanHold) {
  struct {
    const char* typed;
    const char* expected;
  } cases[] = {
      {"a\tb", "[]a\tb"},
      {"a\x01\x08\x1F\x1B" "b", "[]ab"},
      {"a\vb\fc", "[]a\vb\fc"},
      {"a\r\nb", "[]a|[]b"},
      {"a\n\rb", "[]a||[]b"},
      {"a\r\rb", "[]a||[]b"},
      {"\xC3\xA7\xE6\x97\xA5\xF0\x9F\x98\x80", "[]\xC3\xA7\xE6\x97\xA5\xF0\x9F\x98\x80"},
      {"a\xFF" "b", "[]a\xEF\xBF\xBD" "b"},            // not UTF-8
      {"\xEF\xBF\xBE", "[]\xEF\xBF\xBD"},              // U+FFFE is no XML character
      {"\xED\xA0\x80", "[]\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
      {"\x01\x02", ""},                                // nothing left: no run at all
  };
  for (const auto& c : cases) {
    DocumentModel doc;
    doc.TypeText(c.typed);
    EXPECT_EQ(Describe(doc), c.expected) << c.typed;
  }
}

TEST(DocumentModelTest, ParagraphMarksTakeTheFormattingInForce) {
  DocumentModel doc;
  doc.SetFontSize(20);
  doc.TypeText("\r");
  doc.SetFontSize(30);
  ASSERT_EQ(doc.paragraphs().size(), 2u);
  EXPECT_EQ(doc.formats()[doc.paragraphs()[0].mark_format].size_half_points, 40);
  EXPECT_EQ(doc.formats()[doc.paragraphs()[1].mark_format].size_half_points, 60);
  EXPECT_EQ(doc.paragraphs()[1].mark_format, doc.current_format());
}

}  // namespace
}  // namespace pavodin

namespace pavodin {
namespace {

// Megabytes of text spread over many runs, paragraphs and text blocks read
// back exactly, each run with its own format.
TEST(DocumentModelTest, LargeTextsReadBackExactly) {
  DocumentModel doc;
  std::string expected;
  std::string big_line(1500000, 'x');  // longer than a text block on its own
  for (int i = 0; i < 60000; ++i) {
    doc.SetBold(i % 3 == 0);
    const std::string piece = i % 20000 == 7 ? big_line : "palavra " + std::to_string(i);
    doc.TypeText(piece);
    expected += piece;
    if (i % 7 == 0) {
      doc.TypeText("\r");
      expected += "|";
    }
  }
  std::string got;
  size_t bold_runs = 0;
  for (size_t p = 0; p < doc.paragraphs().size(); ++p) {
    if (p) got += "|";
    doc.ForEachRun(p, [&](const pavodin::Run& run, std::string_view text) {
      got += text;
      bold_runs += doc.formats()[run.format].bold == 1;
    });
  }
  EXPECT_EQ(got.size(), expected.size());
  EXPECT_TRUE(got == expected);
  EXPECT_EQ(bold_runs, 20000u);
}

}  // namespace
}  // namespace pavodin
