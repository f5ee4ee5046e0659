#include "docgen/docx_parts.h"

#include <cstdio>

#include "docgen/word_operations.h"
#include "docgen/xml_text.h"

namespace pavodin {
namespace {

constexpr char kXmlDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr char kWordNamespace[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// Word's colour indexes 1 to 16 (index 0 is the automatic colour).
constexpr const char* kIndexedColours[17] = {
    "auto",   "000000", "0000FF", "00FFFF", "00FF00", "FF00FF", "FF0000", "FFFF00", "FFFFFF",
    "000080", "008080", "008000", "800080", "800000", "808000", "808080", "C0C0C0"};

std::string SafeEscaped(std::string_view utf8) {
  std::string clean;
  AppendXmlSafeText(utf8, /*keep_breaks=*/false, &clean);
  std::string out;
  AppendXmlEscaped(clean, &out);
  return out;
}

std::string RunProperties(const CharFormat& f, const std::vector<std::string>& fonts) {
  std::string x;
  if (f.font >= 0) {
    std::string name;
    AppendXmlEscaped(fonts[static_cast<size_t>(f.font)], &name);
    x += "<w:rFonts w:ascii=\"" + name + "\" w:hAnsi=\"" + name + "\"/>";
  }
  // Switched-off bold, italic and underline are what the styles give anyway,
  // so they are left out, as Word does; this keeps large documents small.
  if (f.bold == 1) x += "<w:b/><w:bCs/>";
  if (f.italic == 1) x += "<w:i/><w:iCs/>";
  if (f.colour_index >= 0)
    x += std::string("<w:color w:val=\"") + kIndexedColours[f.colour_index] + "\"/>";
  if (f.size_half_points > 0) {
    const std::string v = std::to_string(f.size_half_points);
    x += "<w:sz w:val=\"" + v + "\"/><w:szCs w:val=\"" + v + "\"/>";
  }
  if (f.underline == 1) x += "<w:u w:val=\"single\"/>";
  return x.empty() ? x : "<w:rPr>" + x + "</w:rPr>";
}

const char* AlignmentValue(int alignment) {
  switch (alignment) {
    case kAlignCentre: return "center";
    case kAlignRight: return "right";
    case kAlignJustified: return "both";
    default: return "left";
  }
}

std::vector<std::string> AllRunProperties(const DocumentModel& doc) {
  std::vector<std::string> all;
  all.reserve(doc.formats().size());
  for (const CharFormat& f : doc.formats()) all.push_back(RunProperties(f, doc.fonts()));
  return all;
}

std::string DocumentHeader() {
  return std::string(kXmlDeclaration) + "<w:document xmlns:w=\"" + kWordNamespace + "\"><w:body>";
}

constexpr char kDocumentFooter[] =
    "<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
    "<w:pgMar w:top=\"1417\" w:right=\"1701\" w:bottom=\"1417\" w:left=\"1701\""
    " w:header=\"708\" w:footer=\"708\" w:gutter=\"0\"/></w:sectPr>"
    "</w:body></w:document>";

// Where the document part goes: into a string, or only counted, so that its
// size can be known without holding it.
struct StringSink {
  std::string* out;
  void Append(std::string_view s) { out->append(s); }
};
struct CountSink {
  size_t bytes = 0;
  void Append(std::string_view s) { bytes += s.size(); }
};

template <typename Sink>
void WriteRunText(std::string_view text, Sink& sink) {
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\t') {
      sink.Append("<w:tab/>");
      ++i;
    } else if (c == '\v') {
      sink.Append("<w:br/>");
      ++i;
    } else if (c == '\f') {
      sink.Append("<w:br w:type=\"page\"/>");
      ++i;
    } else {
      size_t j = i;
      while (j < text.size() && text[j] != '\t' && text[j] != '\v' && text[j] != '\f') ++j;
      const std::string_view part = text.substr(i, j - i);
      // Blanks at either end, or two together, are kept only when marked.
      const bool keep_blanks = part.front() == ' ' || part.back() == ' ' ||
                               part.find("  ") != std::string_view::npos;
      sink.Append(keep_blanks ? "<w:t xml:space=\"preserve\">" : "<w:t>");
      WriteXmlEscaped(part, sink);
      sink.Append("</w:t>");
      i = j;
    }
  }
}

template <typename Sink>
void WriteParagraph(const DocumentModel& doc, const std::vector<std::string>& run_properties,
                    size_t index, Sink& sink) {
  const Paragraph& p = doc.paragraphs()[index];
  const uint32_t mark =
      index + 1 == doc.paragraphs().size() ? doc.current_format() : p.mark_format;
  const std::string& mark_rpr = run_properties[mark];
  sink.Append("<w:p>");
  if (p.format.auto_spacing_off || p.format.has_left_indent || p.format.alignment >= 0 ||
      !mark_rpr.empty()) {
    sink.Append("<w:pPr>");
    if (p.format.auto_spacing_off)
      sink.Append("<w:spacing w:beforeAutospacing=\"0\" w:afterAutospacing=\"0\"/>");
    if (p.format.has_left_indent) {
      sink.Append("<w:ind w:left=\"");
      sink.Append(std::to_string(p.format.left_indent_twips));
      sink.Append("\"/>");
    }
    if (p.format.alignment >= 0) {
      sink.Append("<w:jc w:val=\"");
      sink.Append(AlignmentValue(p.format.alignment));
      sink.Append("\"/>");
    }
    sink.Append(mark_rpr);
    sink.Append("</w:pPr>");
  }
  doc.ForEachRun(index, [&](const Run& run, std::string_view text) {
    sink.Append("<w:r>");
    sink.Append(run_properties[run.format]);
    WriteRunText(text, sink);
    sink.Append("</w:r>");
  });
  sink.Append("</w:p>");
}

}  // namespace

std::string ContentTypesXml() {
  return std::string(kXmlDeclaration) +
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "<Override PartName=\"/word/styles.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
         "<Override PartName=\"/word/settings.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
         "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
         "<Override PartName=\"/docProps/app.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
         "</Types>";
}

std::string PackageRelsXml() {
  return std::string(kXmlDeclaration) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" Target=\"docProps/core.xml\"/>"
         "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties\" Target=\"docProps/app.xml\"/>"
         "</Relationships>";
}

std::string DocumentRelsXml() {
  return std::string(kXmlDeclaration) +
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings\" Target=\"settings.xml\"/>"
         "</Relationships>";
}

std::string StylesXml() {
  return std::string(kXmlDeclaration) + "<w:styles xmlns:w=\"" + kWordNamespace + "\">" +
         "<w:docDefaults><w:rPrDefault><w:rPr>"
         "<w:rFonts w:ascii=\"Calibri\" w:hAnsi=\"Calibri\" w:eastAsia=\"Calibri\" w:cs=\"Calibri\"/>"
         "<w:sz w:val=\"22\"/><w:szCs w:val=\"22\"/>"
         "<w:lang w:val=\"pt-BR\" w:eastAsia=\"pt-BR\" w:bidi=\"ar-SA\"/>"
         "</w:rPr></w:rPrDefault>"
         "<w:pPrDefault><w:pPr><w:spacing w:after=\"160\" w:line=\"259\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
         "</w:docDefaults>"
         "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/></w:style>"
         "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\"><w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/><w:unhideWhenUsed/></w:style>"
         "</w:styles>";
}

std::string SettingsXml() {
  return std::string(kXmlDeclaration) + "<w:settings xmlns:w=\"" + kWordNamespace + "\">" +
         "<w:defaultTabStop w:val=\"720\"/>"
         "<w:characterSpacingControl w:val=\"doNotCompress\"/>"
         "<w:compat><w:compatSetting w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
         "<w:themeFontLang w:val=\"pt-BR\"/>"
         "</w:settings>";
}

std::string CorePropertiesXml(const DocxProperties& p) {
  std::string x = std::string(kXmlDeclaration) +
                  "<cp:coreProperties"
                  " xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\""
                  " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
                  " xmlns:dcterms=\"http://purl.org/dc/terms/\""
                  " xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\""
                  " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">";
  x += "<dc:title>" + SafeEscaped(p.title) + "</dc:title>";
  x += "<dc:creator>" + SafeEscaped(p.creator) + "</dc:creator>";
  x += "<cp:lastModifiedBy>" + SafeEscaped(p.creator) + "</cp:lastModifiedBy>";
  x += "<dc:language>pt-BR</dc:language>";
  if (!p.created_utc.empty())
    x += "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" + SafeEscaped(p.created_utc) + "</dcterms:created>";
  if (!p.modified_utc.empty())
    x += "<dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + SafeEscaped(p.modified_utc) + "</dcterms:modified>";
  x += "</cp:coreProperties>";
  return x;
}

std::string AppPropertiesXml() {
  return std::string(kXmlDeclaration) +
         "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
         "<Application>Pavodin</Application></Properties>";
}

DocumentXmlWriter::DocumentXmlWriter(const DocumentModel& doc)
    : doc_(doc), run_properties_(AllRunProperties(doc)) {}

void DocumentXmlWriter::Rewind() {
  next_paragraph_ = 0;
  header_done_ = false;
  footer_done_ = false;
}

bool DocumentXmlWriter::NextPiece(std::string* out, size_t min_bytes) {
  if (footer_done_) return false;
  const size_t start = out->size();
  if (!header_done_) {
    out->append(DocumentHeader());
    header_done_ = true;
  }
  StringSink sink{out};
  while (next_paragraph_ < doc_.paragraphs().size() && out->size() - start < min_bytes)
    WriteParagraph(doc_, run_properties_, next_paragraph_++, sink);
  if (next_paragraph_ == doc_.paragraphs().size()) {
    out->append(kDocumentFooter);
    footer_done_ = true;
  }
  return true;
}

std::string DocumentXmlWriter::WholeXml(const DocumentModel& doc) {
  DocumentXmlWriter writer(doc);
  std::string xml;
  while (writer.NextPiece(&xml)) {
  }
  return xml;
}

size_t DocumentXmlWriter::MeasureXml(const DocumentModel& doc) {
  const std::vector<std::string> run_properties = AllRunProperties(doc);
  CountSink sink;
  for (size_t i = 0; i < doc.paragraphs().size(); ++i) WriteParagraph(doc, run_properties, i, sink);
  return DocumentHeader().size() + sink.bytes + std::string_view(kDocumentFooter).size();
}

}  // namespace pavodin
