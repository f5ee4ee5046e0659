#include "tts/char_names.h"

#include <array>
#include <string_view>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

constexpr std::string_view kPunctuation[] = {  // 32-47
    "espaço", "exclamação", "aspas", "sustenido", "cifrão", "porcento", "é comercial",
    "apóstrofo", "abre parênteses", "fecha parênteses", "asterisco", "mais", "vírgula",
    "traço", "ponto", "barra"};
constexpr std::string_view kDigits[] = {  // 48-57
    "zéro", "um", "dois", "três", "quatro", "cinco", "seis", "séte", "oito", "nóve"};
constexpr std::string_view kSigns[] = {  // 58-64
    "dois pontos", "ponto e vírgula", "menor que", "igual", "maior que", "interrogação",
    "arrôba"};
constexpr std::string_view kLetters[] = {  // A-Z
    "a", "bê", " sê", " dê", "é", "éfe", "jê", "agá", "i", "jóta", "cá", "éle", "ême",
    "êne", "ó", "pê", "quê", "érre", "ésse", "tê", "u", "vê", "dábliu", "xis", "ípsilon",
    "zê"};
constexpr std::string_view kBrackets[] = {  // 91-96
    "abre colchete", "barra invertida", "fecha colchete", "circunflexo", "sublinhado", "crase"};
constexpr std::string_view kBraces[] = {  // 123-126
    "abre chave", "barra vertical", "fecha chave", "til"};
constexpr std::string_view kLatin1Signs[] = {  // 161-191
    "exclamação reversa", "centavos de dólar", "libras", "símbolo de moeda", "iene",
    "barra interrompida", "parágrafo", "trema", "copyright", "ordinal feminino",
    "Aspas esquerdas", "negação", "hífen", "Marca registrada", "mácron", "grau",
    "mais ou menos", "elevado ao quadrado", "elevado ao cubo", "acento agudo", "mi", "pi",
    "ponto no meio", "cedilha", "expoente um", "ordinal masculino", "aspas direitas",
    "um quarto", "um meio", "três quartos", "interrogação reversa"};
constexpr std::string_view kAccented[] = {  // 192-220
    "A grave", "A agudo", "A circunflexo", "A com til", "A com trema", "A bola", "A É",
    "Cê cedilha", "É grave", "É agudo", "É circunflexo", "É com trema", "I grave", "I agudo",
    "I circunflexo", "I com trema", "Dê cortado", "N com til", "Ó grave", "Ó agudo",
    "Ó circunflexo", "Ó com til", "Ó tremado", "vezes", "Ó cortado", "U grave", "U agudo",
    "U circunflexo", "U com trema"};

template <size_t N>
void Fill(std::array<std::string, 256>* names, int first, const std::string_view (&utf8)[N]) {
  for (size_t i = 0; i < N; ++i) (*names)[first + i] = Utf8ToCp1252(utf8[i]);
}

const std::array<std::string, 256>& Names() {
  static const std::array<std::string, 256> names = [] {
    std::array<std::string, 256> n;
    Fill(&n, 32, kPunctuation);
    Fill(&n, 48, kDigits);
    Fill(&n, 58, kSigns);
    Fill(&n, 'A', kLetters);
    Fill(&n, 'a', kLetters);
    n['j'] = "jota";
    n['n'] = "ene";
    Fill(&n, 91, kBrackets);
    Fill(&n, 123, kBraces);
    Fill(&n, 161, kLatin1Signs);
    Fill(&n, 192, kAccented);
    for (int c = 225; c <= 255; ++c) n[c] = n[c - 32];
    return n;
  }();
  return names;
}

}  // namespace

std::string CharName(unsigned char c) { return Names()[c]; }

}  // namespace pavodin
