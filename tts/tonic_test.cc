#include "tts/tonic.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

TEST(TonicPosition, Table) {
  struct Case {
    const char* word;
    size_t position;
  } cases[] = {
      {"casa", 2},  {"casas", 2}, {"homem", 2}, {"jardim", 5}, {"amor", 3},  {"tatu", 4},
      {"pai", 2},   {"aqui", 4},  {"fui", 2},   {"rua", 2},    {"agua", 1},  {"quase", 3},
      {"muito", 2}, {"quito", 3}, {"lindo", 2}, {"órfão", 4},  {"café", 4},  {"PÉ", 2},
      {"crs", 0},   {"", 0},      {"de", 2},    {"e", 1},      {"CASA", 2},  {"falam", 2},
      {"bom", 2},   {"atum", 3},  {"sempre", 2}, {"perguntas", 5}, {"seguem", 2},
      {"fácil", 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TonicPosition(Utf8ToCp1252(c.word)), c.position) << c.word;
  }
}

}  // namespace
}  // namespace pavodin
