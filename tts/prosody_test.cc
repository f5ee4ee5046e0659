#include "tts/prosody.h"

#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "tts/recording_tts_messages.h"

namespace pavodin {
namespace {

constexpr char kDurations[] = "[DURAÇÃO]\n; comentário\na=80\n k = 60 \n\nlongo=70\n__=120\n";
constexpr char kKeys[] = "[CHAVES]\n* comentário\nque=qu\ncomo = qu2\nE=cj\n";
constexpr char kPatterns[] =
    "[PROSÓDIA]\nhertz= 200\nTABHERTZ=0, 10,20,30,40,50,60,70,80,90\n"
    "|??|=?31\nxx||--=574\n|xx|=555\n";

bool Parse(const std::string& utf8, ProsodyConfig* config, RecordingTtsMessages* messages) {
  return ParseProsody(Utf8ToCp1252(utf8), *messages, config);
}

void ExpectLoaded(const ProsodyConfig& c) {
  ASSERT_EQ(c.durations.size(), 4u);
  EXPECT_EQ(c.durations[0].phoneme, "a");
  EXPECT_EQ(c.durations[0].ms, 80);
  EXPECT_EQ(c.durations[1].phoneme, "k");
  EXPECT_EQ(c.durations[2].phoneme, "lo") << "cut to two characters";
  ASSERT_EQ(c.keys.size(), 3u);
  EXPECT_EQ(c.keys[0].key, "COMO");
  EXPECT_EQ(c.keys[0].code, "QU") << "codes are cut to two characters";
  EXPECT_EQ(c.keys[1].key, "E");
  EXPECT_EQ(c.keys[2].key, "QUE");
  EXPECT_EQ(c.base_pitch, 200);
  EXPECT_EQ(c.pitch_levels[0], 0);
  EXPECT_EQ(c.pitch_levels[9], 90);
  ASSERT_EQ(c.patterns.size(), 3u);
  EXPECT_EQ(c.patterns[0].prev, "");
  EXPECT_EQ(c.patterns[0].cur, "??");
  EXPECT_EQ(c.patterns[0].next, "");
  EXPECT_EQ(c.patterns[0].pattern, "?31");
  EXPECT_EQ(c.patterns[1].prev, "XX");
  EXPECT_EQ(c.patterns[1].next, "--");
}

TEST(LoadProsody, SectionsInAnyOrder) {
  for (const std::string& text :
       {std::string(kDurations) + kKeys + kPatterns, std::string(kPatterns) + kKeys + kDurations,
        std::string(kKeys) + "\n[OUTRA]\nx=y\n" + kPatterns + kDurations}) {
    ProsodyConfig config;
    RecordingTtsMessages messages;
    EXPECT_TRUE(Parse(text, &config, &messages));
    EXPECT_TRUE(messages.shown.empty());
    ExpectLoaded(config);
  }
}

TEST(LoadProsody, BadDurationIsShownStoredAs100AndLoadingGoesOn) {
  ProsodyConfig config;
  RecordingTtsMessages messages;
  EXPECT_TRUE(Parse(std::string("[DURAÇÃO]\na=abc\ne=70\n") + kKeys + kPatterns, &config, &messages));
  EXPECT_EQ(messages.shown,
            std::vector<std::string>{"Configuração da prosódia: fonema errado: a=abc"});
  ASSERT_EQ(config.durations.size(), 2u);
  EXPECT_EQ(config.durations[0].ms, 100);
  EXPECT_EQ(config.durations[1].ms, 70);
}

TEST(LoadProsody, FatalFaultsShowTheirMessage) {
  struct Case {
    std::string text;
    const char* message;
  } cases[] = {
      {std::string(kKeys) + kPatterns, "Duração dos difones errada ou ausente"},
      {std::string(kDurations) + kPatterns, "Prosódia: palavras chaves ausentes"},
      {std::string(kDurations) + kKeys, "Prosódia: especificações ausentes"},
      {std::string("[DURAÇÃO]\nsemigual\n") + kKeys + kPatterns,
       "Configuração da prosódia: fonema errado: semigual"},
      {std::string(kDurations) + "[CHAVES]\nque\n" + kPatterns,
       "Configuração da prosódia: chave errada: que"},
      {std::string(kDurations) + kKeys + "[PROSÓDIA]\n|xx|555\n",
       "Configuração da prosódia: chave errada: |xx|555"},
      {std::string(kDurations) + kKeys + "[PROSÓDIA]\n|xx|=5\n",
       "Configuração da prosódia: chave errada: |xx|=5"},
      {std::string(kDurations) + kKeys + "[PROSÓDIA]\nHertz=alto\n",
       "Configuração da prosódia: chave errada: Hertz=alto"},
      {std::string(kDurations) + kKeys + "[PROSÓDIA]\nTABHERTZ=1,2,3\n",
       "Configuração da prosódia: chave errada: TABHERTZ=1,2,3"},
  };
  for (const Case& c : cases) {
    ProsodyConfig config;
    RecordingTtsMessages messages;
    EXPECT_FALSE(Parse(c.text, &config, &messages)) << c.message;
    EXPECT_EQ(messages.shown, std::vector<std::string>{c.message});
  }
}

TEST(LoadProsody, LevelsOnlySectionLoadsAndLevelsSurviveAReload) {
  ProsodyConfig config;
  RecordingTtsMessages messages;
  ASSERT_TRUE(Parse(std::string(kDurations) + kKeys +
                        "[PROSÓDIA]\nTABHERTZ=1,2,3,4,5,6,7,8,9,10,11\nHERTZ=180\n",
                    &config, &messages));
  EXPECT_TRUE(config.patterns.empty());
  EXPECT_EQ(config.pitch_levels[9], 10) << "values after the tenth are ignored";
  ASSERT_TRUE(Parse(std::string(kDurations) + kKeys + "[PROSÓDIA]\n", &config, &messages));
  EXPECT_EQ(config.base_pitch, 230) << "HERTZ is reset by every load";
  EXPECT_EQ(config.pitch_levels[9], 10) << "TABHERTZ is kept when a load has none";
}

TEST(LoadProsody, MissingFile) {
  MemoryFileSystem fs;
  ProsodyConfig config;
  RecordingTtsMessages messages;
  EXPECT_FALSE(LoadProsody(fs, "/d/portug.pro", messages, &config));
  EXPECT_EQ(messages.shown, std::vector<std::string>{"Configuração da prosódia não foi achada"});
  fs.files["/d/portug.pro"] = std::string(kDurations) + kKeys + kPatterns;  // UTF-8 on disk
  messages.shown.clear();
  EXPECT_TRUE(LoadProsody(fs, "/d/portug.pro", messages, &config));
  ExpectLoaded(config);
}

TEST(LookupKey, UpperCasedBinarySearch) {
  ProsodyConfig config;
  RecordingTtsMessages messages;
  ASSERT_TRUE(Parse(std::string(kDurations) + kKeys + kPatterns, &config, &messages));
  EXPECT_EQ(LookupKey(config, "que"), "QU");
  EXPECT_EQ(LookupKey(config, "Como"), "QU");
  EXPECT_EQ(LookupKey(config, "e"), "CJ");
  EXPECT_EQ(LookupKey(config, "casa"), "");
  EXPECT_EQ(LookupKey(config, ""), "");
}

}  // namespace
}  // namespace pavodin
