#include "tts/normalize.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "tts/char_names.h"
#include "tts/number_words.h"

namespace pavodin {
namespace {

std::string Normalized(std::string_view utf8) {
  AbbreviationTable table;
  ParseAbbreviations("; test table\nSR=senhor\nsra = senhora\nAV=avenida\n", &table);
  return Cp1252ToUtf8(NormalizeText(table, Utf8ToCp1252(utf8)));
}

TEST(NormalizeText, ExamplesOfEachRule) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"-5", "menos cinco "},
      {"5-3", " cinco traço três "},
      {"11-2233-4455", " um um traço dois dois três três traço quatro quatro cinco cinco "},
      {"casa - sol", "casa , sol"},
      {"007", "zero zero sete "},
      {"0", "zéro"},  // a text of one character is read as its name
      {"00", "zero zero "},
      {"10", "dez "},
      {"1.000", "mil  "},
      {"1.000 reais", "mil   reais"},
      {"1.000.000", "um milhão  "},
      {"1.0000", "um ponto zero zero zero zero "},
      {"3,14", "três vírgula quatorze "},
      {"1.5", "um ponto cinco "},
      {"2,5 e 3.7", "dois vírgula cinco  e três ponto sete "},
      {"1234567890123456",
       "cento e vinte e três trilhões quatrocentos e cinqüenta e seis bilhões setecentos e "
       "oitenta e nove milhões doze mil trezentos e quarenta e cinco seis "},
      {"Sr. Silva", "senhor Silva"},
      {"a Sra. Lima", "a senhora Lima"},
      {"Sr.", "Sr."},
      {"Sr.Silva", "Sr ponto Silva"},
      {"BR", "bêérre"},
      {"CPF", " sêpêéfe"},
      {"tv.x", "têvê ponto xis"},
      {"guarda-chuva", "guarda-chuva"},
      {"?", "interrogação"},
      {"\x01", ""},
      {"Espere...", "Espere... "},
      {"Fim. Outro", "Fim. Outro"},
      {"casa\tboa\r\nvida", "casaboavida"},
      {"50%", "cinqüenta  porcento "},
      {"x#y", "xis sustenido ípsilon"},
      {"1º", "primeiro "},
      {"2ª", "segunda "},
      {"21o. lugar", "vigésimo primeiro  lugar"},
      {"3as.", "terceiras "},
      {"1999º", "milésimo nongentésimo nonagésimo nono "},
      {"007º", "sétimo "},
      {"5a", "cinco a"},
      {"10h30", "dez agá trinta "},
      {"A3", "A três "},
  };
  for (const Case& c : cases) EXPECT_EQ(Normalized(c.in), c.out) << "input «" << c.in << "»";
}

TEST(NormalizeText, ArbitraryBytesNeverLeaveUnknownSymbols) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  AbbreviationTable table;
  std::string out = NormalizeText(table, all);
  for (unsigned char c : out) {
    EXPECT_TRUE(c >= 32) << "control byte " << int(c) << " left in the text";
  }
}

TEST(CardinalWords, Table) {
  struct Case {
    uint64_t v;
    const char* words;
  } cases[] = {
      {0, "zero"},
      {1, "um"},
      {15, "quinze"},
      {21, "vinte e um"},
      {55, "cinqüenta e cinco"},
      {100, "cem"},
      {101, "cento e um"},
      {120, "cento e vinte"},
      {121, "cento e vinte e um"},
      {1000, "mil "},
      {1001, "mil e um"},
      {1100, "mil e cem"},
      {1120, "mil cento e vinte"},
      {1200, "mil e duzentos"},
      {2500, "dois mil e quinhentos"},
      {1000000, "um milhão "},
      {1000001, "um milhão e um"},
      {2000000, "dois milhões "},
      {1001000, "um milhão e mil "},
      {1200300, "um milhão duzentos mil e trezentos"},
      {1000000000, "um bilhão "},
      {1000000000000, "um trilhão "},
      {999999999999999,
       "novecentos e noventa e nove trilhões novecentos e noventa e nove bilhões novecentos e "
       "noventa e nove milhões novecentos e noventa e nove mil novecentos e noventa e nove"},
  };
  for (const Case& c : cases) EXPECT_EQ(Cp1252ToUtf8(CardinalWords(c.v)), c.words) << c.v;
}

TEST(OrdinalWords, Table) {
  struct Case {
    Gender g;
    uint64_t v;
    const char* words;
  } cases[] = {
      {Gender::kMasculine, 1, "primeiro"},
      {Gender::kFeminine, 2, "segunda"},
      {Gender::kMasculine, 10, "décimo"},
      {Gender::kMasculine, 21, "vigésimo primeiro"},
      {Gender::kFeminine, 21, "vigésima primeira"},
      {Gender::kMasculine, 100, "centésimo"},
      {Gender::kMasculine, 1000, "milésimo"},
      {Gender::kMasculine, 1999, "milésimo nongentésimo nonagésimo nono"},
      {Gender::kFeminine, 1999, "milésima nongentésima nonagésima nona"},
      {Gender::kMasculine, 0, "zero"},
      {Gender::kMasculine, 2000, "dois mil "},
  };
  for (const Case& c : cases) EXPECT_EQ(Cp1252ToUtf8(OrdinalWords(c.g, c.v)), c.words) << c.v;
}

TEST(CharName, NamesAndGaps) {
  struct Case {
    unsigned char c;
    const char* name;
  } cases[] = {
      {' ', "espaço"},      {'?', "interrogação"}, {'@', "arrôba"},   {'0', "zéro"},
      {'B', "bê"},          {'C', " sê"},          {'J', "jóta"},     {'j', "jota"},
      {'N', "êne"},         {'n', "ene"},          {'z', "zê"},       {'~', "til"},
      {'\\', "barra invertida"},                   {161, "exclamação reversa"},
      {186, "ordinal masculino"},                  {191, "interrogação reversa"},
      {192, "A grave"},     {215, "vezes"},        {220, "U com trema"},
      {225, "A agudo"},     {231, "Cê cedilha"},   {247, "vezes"},
      {0, ""},              {9, ""},               {127, ""},         {128, ""},
      {160, ""},            {221, ""},             {224, ""},         {253, ""},
      {255, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(Cp1252ToUtf8(CharName(c.c)), c.name) << int(c.c);
}

}  // namespace
}  // namespace pavodin
