#include "tts/number_words.h"

#include <array>
#include <string_view>
#include <vector>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

// The tables are written in UTF-8 here and converted once.
struct NumberTables {
  std::array<std::string, 10> units, teens, tens, hundreds, ord_units, ord_tens, ord_hundreds;
  std::array<std::string, 4> scale_one, scale_more;
  std::string cem, milesimo;
};

template <size_t N>
std::array<std::string, N> Convert(const std::array<std::string_view, N>& utf8) {
  std::array<std::string, N> out;
  for (size_t i = 0; i < N; ++i) out[i] = Utf8ToCp1252(utf8[i]);
  return out;
}

const NumberTables& Tables() {
  static const NumberTables tables = [] {
    NumberTables t;
    t.units = Convert<10>({"zero", "um", "dois", "três", "quatro", "cinco", "seis", "sete", "oito",
                           "nove"});
    t.teens = Convert<10>({"dez", "onze", "doze", "treze", "quatorze", "quinze", "dezesseis",
                           "dezessete", "dezoito", "dezenove"});
    t.tens = Convert<10>({"", "", "vinte", "trinta", "quarenta", "cinqüenta", "sessenta",
                          "setenta", "oitenta", "noventa"});
    t.hundreds = Convert<10>({"", "cento", "duzentos", "trezentos", "quatrocentos", "quinhentos",
                              "seiscentos", "setecentos", "oitocentos", "novecentos"});
    t.ord_units = Convert<10>({"", "primeiro", "segundo", "terceiro", "quarto", "quinto",
                               "sexto", "sétimo", "oitavo", "nono"});
    t.ord_tens = Convert<10>({"", "décimo", "vigésimo", "trigésimo", "quadragésimo",
                              "quinquagésimo", "sexagésimo", "septuagésimo", "octagésimo",
                              "nonagésimo"});
    t.ord_hundreds = Convert<10>({"", "centésimo", "ducentésimo", "tricentésimo",
                                  "quadrigentésimo", "quingentésimo", "seiscentésimo",
                                  "septigentésimo", "octigentésimo", "nongentésimo"});
    t.scale_one = Convert<4>({"trilhão ", "bilhão ", "milhão ", "mil "});
    t.scale_more = Convert<4>({"trilhões ", "bilhões ", "milhões ", "mil "});
    t.cem = "cem";
    t.milesimo = Utf8ToCp1252("milésimo");
    return t;
  }();
  return tables;
}

// Words of one group of three digits; `inner_e` tells whether they hold " e ".
std::string GroupWords(int h, int t, int u, bool* inner_e) {
  const NumberTables& tb = Tables();
  *inner_e = false;
  if (h == 0 && t == 0 && u == 0) return "";
  if (h == 1 && t == 0 && u == 0) return tb.cem;
  std::string w;
  if (h != 0) {
    w += tb.hundreds[h];
    if (t == 0 && u == 0) return w;
    w += " e ";
    *inner_e = true;
  }
  if (t == 1) return w + tb.teens[u];
  if (t != 0) {
    w += tb.tens[t];
    if (u == 0) return w;
    w += " e ";
    *inner_e = true;
  }
  if (u != 0) w += tb.units[u];
  return w;
}

}  // namespace

std::string UnitWord(int digit) { return Tables().units[digit % 10]; }

std::string CardinalWords(uint64_t value) {
  const NumberTables& tb = Tables();
  value %= 1000000000000000ULL;
  if (value == 0) return tb.units[0];
  std::array<std::string, 5> parts;
  std::array<bool, 5> inner_e{};
  uint64_t rest = value;
  for (int g = 4; g >= 0; --g) {
    int group = static_cast<int>(rest % 1000);
    rest /= 1000;
    std::string w = GroupWords(group / 100, group / 10 % 10, group % 10, &inner_e[g]);
    if (!w.empty() && g < 4) w += " " + (group == 1 ? tb.scale_one[g] : tb.scale_more[g]);
    // A thousand is "mil", never "um mil", wherever it stands (1001000 "um
    // milhão e mil").
    if (g == 3 && group == 1) w = tb.scale_one[3];
    parts[g] = w;
  }
  int last = 4;
  while (last > 0 && parts[last].empty()) --last;
  std::string result;
  for (int g = 0; g <= last; ++g) {
    if (g == last && !parts[g].empty() && !result.empty() && !inner_e[g]) result += "e ";
    result += parts[g];
  }
  if (result.starts_with("um mil") && !result.starts_with("um milh")) result.erase(0, 3);
  return result;
}

std::string OrdinalWords(Gender gender, uint64_t value) {
  const NumberTables& tb = Tables();
  if (value >= 2000) return CardinalWords(value);
  if (value == 0) return tb.units[0];
  int d = static_cast<int>(value % 10);
  int t = static_cast<int>(value / 10 % 10);
  int h = static_cast<int>(value / 100 % 10);
  int m = static_cast<int>(value / 1000);
  std::vector<std::string> words;
  if (m > 0) words.push_back(tb.milesimo);
  if (h > 0) words.push_back(tb.ord_hundreds[h]);
  if (t > 0) words.push_back(tb.ord_tens[t]);
  if (d > 0) words.push_back(tb.ord_units[d]);
  std::string result;
  for (std::string w : words) {
    if (gender == Gender::kFeminine) w.back() = 'a';
    if (!result.empty()) result += ' ';
    result += w;
  }
  return result;
}

}  // namespace pavodin
