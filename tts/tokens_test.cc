#include "tts/tokens.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "tts/recording_tts_messages.h"

namespace pavodin {
namespace {

TtsLines Utf8Lines(const TtsLines& lines) {
  TtsLines out;
  for (const std::string& l : lines) out.push_back(Cp1252ToUtf8(l));
  return out;
}

ProsodyConfig Config(const std::string& patterns_utf8, const std::string& keys_utf8 = "") {
  ProsodyConfig config;
  RecordingTtsMessages messages;
  EXPECT_TRUE(ParseProsody(Utf8ToCp1252("[DURAÇÃO]\n[CHAVES]\n" + keys_utf8 + "[PROSÓDIA]\n" +
                                        patterns_utf8),
                           messages, &config));
  return config;
}

TEST(SplitTokens, WordsPunctuationAndBoundaries) {
  ProsodyConfig none = Config("");
  EXPECT_EQ(Utf8Lines(SplitTokens(none, Utf8ToCp1252("Olá, mundo."))),
            (TtsLines{"[--]", "[XX]Olá", "[,,],", "[XX]mundo", "[..].", "[--]"}));
  EXPECT_EQ(SplitTokens(none, "Espere... "),
            (TtsLines{"[--]", "[XX]Espere", "[.-].", "[--]"}));
  EXPECT_EQ(Utf8Lines(SplitTokens(none, Utf8ToCp1252("Sim? Não!"))),
            (TtsLines{"[--]", "[XX]Sim", "[??]?", "[--]", "[XX]Não", "[!!]!", "[--]"}));
  EXPECT_EQ(SplitTokens(none, "a#b"), (TtsLines{"[--]", "[XX]a", "[##]#", "[XX]b"}));
  EXPECT_EQ(SplitTokens(none, "guarda-chuva"),
            (TtsLines{"[--]", "[XX]guarda", "[--]-", "[XX]chuva"}));
  EXPECT_EQ(SplitTokens(none, "   "), (TtsLines{"[--]"}));
  EXPECT_EQ(SplitTokens(none, ""), (TtsLines{"[--]"}));
}

TEST(SplitTokens, KeyWordCodes) {
  ProsodyConfig config = Config("", "que=QU\nE=CJ\n");
  EXPECT_EQ(SplitTokens(config, "O que e isso"),
            (TtsLines{"[--]", "[XX]O", "[QU]que", "[CJ]e", "[XX]isso"}));
}

TEST(AssignPatterns, FirstMatchingEntryByNeighbourCodes) {
  ProsodyConfig config = Config(
      "XX|XX|..=468\n"
      "|XX|?" "?=574\n"
      "|?" "?|=?31\n"
      "--|XX|=?52\n");
  TtsLines tokens{"[--]", "[XX]Vamos", "[XX]embora", "[??]?", "[--]"};
  EXPECT_EQ(AssignPatterns(config, tokens),
            (TtsLines{"555|", "552|Vamos", "574|embora", "431|?", "555|"}));
  EXPECT_EQ(AssignPatterns(config, {"[--]", "[XX]Fim", "[XX]daqui", "[..].", "[--]"}),
            (TtsLines{"555|", "552|Fim", "468|daqui", "555|.", "555|"}));
}

TEST(AssignPatterns, NoEntriesGive555) {
  ProsodyConfig config = Config("TABHERTZ=0,1,2,3,4,5,6,7,8,9\nHERTZ=200\n");
  EXPECT_EQ(AssignPatterns(config, {"[--]", "[XX]casa", "[..].", "[--]"}),
            (TtsLines{"555|", "555|casa", "555|.", "555|"}));
}

}  // namespace
}  // namespace pavodin
