#include "docgen/docx_word.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "docgen/docx_check.h"
#include "docgen/docx_parts.h"

namespace pavodin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

std::string FixedTime() { return "2026-12-11T03:00:00Z"; }

// A file system whose writes always fail, as a full disk or a read-only folder does.
class FailingWrites : public MemoryFileSystem {
 public:
  bool WriteFileAtomic(const std::string&, const std::string&, std::string* err) override {
    if (err) *err = "No space left on device";
    return false;
  }
};

class DocxWordTest : public ::testing::Test {
 protected:
  std::string Entry(const std::string& name) {
    std::string contents, err;
    EXPECT_TRUE(ReadZipEntry(files_.files["carta.docx"], name, &contents, &err)) << err;
    EXPECT_TRUE(CheckWellFormedXml(contents, &err)) << name << ": " << err;
    return contents;
  }

  MemoryFileSystem files_;
  DocxWord word_{&files_, "carta & <cia>.txt", "Ana", FixedTime};
};

TEST_F(DocxWordTest, SavesAValidPackageUnderTheNamePlusDocx) {
  ASSERT_TRUE(word_.startWord());
  word_.typeText("Ol\xC3\xA1 & <mundo>");
  std::string err;
  ASSERT_TRUE(word_.saveDocument("carta", &err)) << err;
  ASSERT_EQ(files_.files.count("carta.docx"), 1u);
  std::vector<std::string> names;
  ASSERT_TRUE(ZipEntryNames(files_.files["carta.docx"], &names, &err)) << err;
  EXPECT_THAT(names, UnorderedElementsAre("[Content_Types].xml", "_rels/.rels",
                                          "word/document.xml", "word/_rels/document.xml.rels",
                                          "word/styles.xml", "word/settings.xml",
                                          "docProps/core.xml", "docProps/app.xml"));
  EXPECT_EQ(names.front(), "[Content_Types].xml");
  EXPECT_THAT(Entry("word/document.xml"),
              HasSubstr("<w:r><w:t>Ol\xC3\xA1 &amp; &lt;mundo&gt;</w:t></w:r>"));
  EXPECT_THAT(Entry("word/settings.xml"), HasSubstr("<w:defaultTabStop w:val=\"720\"/>"));
  EXPECT_THAT(Entry("word/styles.xml"), HasSubstr("<w:lang w:val=\"pt-BR\""));
  const std::string core = Entry("docProps/core.xml");
  EXPECT_THAT(core, HasSubstr("<dc:title>carta &amp; &lt;cia&gt;.txt</dc:title>"));
  EXPECT_THAT(core, HasSubstr("<dc:creator>Ana</dc:creator>"));
  EXPECT_THAT(core, HasSubstr(">2026-12-11T03:00:00Z</dcterms:created>"));
  EXPECT_THAT(core, HasSubstr(">2026-12-11T03:00:00Z</dcterms:modified>"));
  for (const char* part : {"[Content_Types].xml", "_rels/.rels", "word/_rels/document.xml.rels",
                           "docProps/app.xml"})
    Entry(part);
}

// Zip64 records (version 4.5 needed to extract) trouble older readers of
// .docx files; the document part's size is known beforehand so none are needed.
TEST_F(DocxWordTest, NeedsNoZip64) {
  ASSERT_TRUE(word_.startWord());
  for (int i = 0; i < 2000; ++i) word_.typeText("linha <IN>\r");
  std::string err;
  ASSERT_TRUE(word_.saveDocument("carta", &err)) << err;
  const std::string& zip = files_.files["carta.docx"];
  int entries = 0;
  for (size_t at = zip.find("PK\x01\x02"); at != std::string::npos && at + 8 <= zip.size();
       at = zip.find("PK\x01\x02", at + 4)) {
    const int needed = static_cast<unsigned char>(zip[at + 6]) |
                       static_cast<unsigned char>(zip[at + 7]) << 8;
    EXPECT_LE(needed, 20) << "entry " << entries;
    ++entries;
  }
  EXPECT_EQ(entries, 8);
}

TEST_F(DocxWordTest, KeepsBlanksThatXmlWouldDrop) {
  ASSERT_TRUE(word_.startWord());
  const char* texts[] = {" a", "b ", "c  d", "e f"};
  for (const char* text : texts) {
    word_.typeText(text);
    word_.typeText("\r");
  }
  std::string err;
  ASSERT_TRUE(word_.saveDocument("carta", &err)) << err;
  const std::string doc = Entry("word/document.xml");
  EXPECT_THAT(doc, HasSubstr("<w:t xml:space=\"preserve\"> a</w:t>"));
  EXPECT_THAT(doc, HasSubstr("<w:t xml:space=\"preserve\">b </w:t>"));
  EXPECT_THAT(doc, HasSubstr("<w:t xml:space=\"preserve\">c  d</w:t>"));
  EXPECT_THAT(doc, HasSubstr("<w:t>e f</w:t>"));
}

TEST_F(DocxWordTest, WritesFormattingInTheFileUnits) {
  ASSERT_TRUE(word_.startWord());
  word_.setFontName("Times New Roman");
  word_.setFontSize(13);
  word_.setBold(1);
  word_.setItalic(1);
  word_.setUnderline(1);
  word_.setFontColourIndex(6);
  word_.setParagraphAlignment(kAlignJustified);
  word_.setLeftIndent(36);
  word_.turnOffAutoSpacing();
  word_.typeText("a\tb");
  std::string err;
  ASSERT_TRUE(word_.saveDocument("carta", &err)) << err;
  const std::string doc = Entry("word/document.xml");
  EXPECT_THAT(doc, HasSubstr("<w:pPr><w:spacing w:beforeAutospacing=\"0\" w:afterAutospacing=\"0\"/>"
                             "<w:ind w:left=\"720\"/><w:jc w:val=\"both\"/>"));
  EXPECT_THAT(doc, HasSubstr("<w:r><w:rPr><w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\""
                             "/><w:b/><w:bCs/>"
                             "<w:i/><w:iCs/><w:color w:val=\"FF0000\"/><w:sz w:val=\"26\"/>"
                             "<w:szCs w:val=\"26\"/><w:u w:val=\"single\"/></w:rPr>"
                             "<w:t>a</w:t><w:tab/><w:t>b</w:t></w:r>"));
}

TEST_F(DocxWordTest, WritesWordsIndexedColours) {
  const char* expected[17] = {"auto",   "000000", "0000FF", "00FFFF", "00FF00", "FF00FF",
                              "FF0000", "FFFF00", "FFFFFF", "000080", "008080", "008000",
                              "800080", "800000", "808000", "808080", "C0C0C0"};
  ASSERT_TRUE(word_.startWord());
  for (int i = 0; i <= 16; ++i) {
    word_.setFontColourIndex(i);
    word_.typeText("x" + std::to_string(i));
  }
  std::string err;
  ASSERT_TRUE(word_.saveDocument("carta", &err)) << err;
  const std::string doc = Entry("word/document.xml");
  for (int i = 0; i <= 16; ++i)
    EXPECT_THAT(doc, HasSubstr(std::string("<w:color w:val=\"") + expected[i] +
                               "\"/></w:rPr><w:t>x" + std::to_string(i) +
                               "<"));
}

TEST_F(DocxWordTest, NothingIsWrittenBeforeStartOrAfterClose) {
  word_.typeText("perdido");
  std::string err;
  EXPECT_FALSE(word_.saveDocument("carta", &err));
  EXPECT_FALSE(err.empty());
  ASSERT_TRUE(word_.startWord());
  word_.typeText("novo");
  word_.closeDocument();
  word_.typeText("depois");
  EXPECT_EQ(word_.document(), nullptr);
  EXPECT_FALSE(word_.saveDocument("carta", &err));
  EXPECT_TRUE(files_.files.empty());
}

TEST(DocxWordSaveTest, AFailedWriteIsReportedAndLeavesTheOldFile) {
  FailingWrites files;
  files.files["carta.docx"] = "old";
  DocxWord word(&files, "carta.txt", "Ana", FixedTime);
  ASSERT_TRUE(word.startWord());
  word.typeText("novo");
  std::string err;
  EXPECT_FALSE(word.saveDocument("carta", &err));
  EXPECT_EQ(err, "No space left on device");
  EXPECT_EQ(files.files["carta.docx"], "old");
}

TEST(DocxWordSaveTest, ReplacesAFileOnDiskWithoutLeavingTemporaries) {
  char pattern[] = "/tmp/docx_word_test.XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::filesystem::path dir = pattern;
  DiskFileSystem files;
  std::string err;
  ASSERT_TRUE(files.WriteFileAtomic((dir / "carta.docx").string(), "old", &err));
  DocxWord word(&files, "carta.txt", "Ana", FixedTime);
  ASSERT_TRUE(word.startWord());
  word.typeText("novo");
  ASSERT_TRUE(word.saveDocument((dir / "carta").string(), &err)) << err;
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  EXPECT_THAT(names, ElementsAre("carta.docx"));
  std::string bytes;
  ASSERT_TRUE(files.ReadFile((dir / "carta.docx").string(), &bytes, &err));
  std::string xml;
  ASSERT_TRUE(ReadZipEntry(bytes, "word/document.xml", &xml, &err)) << err;
  EXPECT_THAT(xml, HasSubstr(">novo<"));
  // A folder that does not exist: failure, and nothing appears.
  EXPECT_FALSE(word.saveDocument((dir / "nao" / "carta").string(), &err));
  std::filesystem::remove_all(dir);
}

TEST(DocumentXmlWriterTest, PiecesMakeTheWholePart) {
  DocumentModel doc;
  for (int i = 0; i < 5000; ++i) {
    doc.SetBold(i % 2);
    doc.SetFontName(i % 3 ? "A&B" : "C\"D");
    doc.TypeText("linha <" + std::to_string(i) + "> & \t\v\f\r");
  }
  DocumentXmlWriter writer(doc);
  std::string joined, piece;
  int pieces = 0;
  while (writer.NextPiece(&piece, 4096)) {
    joined += piece;
    piece.clear();
    ++pieces;
  }
  EXPECT_GT(pieces, 10);
  EXPECT_EQ(joined, DocumentXmlWriter::WholeXml(doc));
  EXPECT_EQ(DocumentXmlWriter::MeasureXml(doc), joined.size());
  std::string err;
  EXPECT_TRUE(CheckWellFormedXml(joined, &err)) << err;
  size_t paragraphs = 0;
  for (size_t at = joined.find("<w:p>"); at != std::string::npos; at = joined.find("<w:p>", at + 1))
    ++paragraphs;
  EXPECT_EQ(paragraphs, 5001u);
}

}  // namespace
}  // namespace pavodin
