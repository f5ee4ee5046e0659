#include "console/video_settings.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/ini_file.h"

namespace pavodin {
namespace {

SettingLookup FromIni(std::string ini) {
  return [ini](std::string_view section, std::string_view key, size_t room) {
    return FindIniValue(ini, section, key, room);
  };
}

TEST(VideoSettingsTest, DefaultsWithoutAFile) {
  const VideoSettings s = ReadVideoSettings(FromIni(""));
  EXPECT_EQ(s.colour_map, (ColourMap{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
  EXPECT_FALSE(s.colours_fixed);
  EXPECT_FALSE(s.slow_scrolling);
  EXPECT_EQ(s.initial_attr, 0x0F);
  EXPECT_EQ(s.magnify_factor, 2);
  EXPECT_EQ(s.font_face, "Lucida Console");
  EXPECT_FALSE(s.font_width.has_value());
  EXPECT_FALSE(s.font_height.has_value());
  EXPECT_EQ(s.font_weight, 700);
  EXPECT_TRUE(s.maximized);
  EXPECT_EQ(s.braille_mode, 0);
}

TEST(VideoSettingsTest, ReadsEveryKey) {
  const VideoSettings s = ReadVideoSettings(FromIni(
      "[VIDEO]\nCORESFIXAS=sim\nLENTO=S\nCORFUNDO=1\nCORLETRA=14\nAMPLIF=4\nFONTE=DejaVu Sans Mono\n"
      "LARGURALETRA=20\nALTURALETRA=40x\nPESOLETRA=400\nCANTOTELA=NS\n[BRAILLE]\nMODO=2\n"));
  EXPECT_TRUE(s.colours_fixed);
  EXPECT_TRUE(s.slow_scrolling);
  EXPECT_EQ(s.initial_attr, 0x1E);
  EXPECT_EQ(s.magnify_factor, 4);
  EXPECT_EQ(s.font_face, "DejaVu Sans Mono");
  EXPECT_EQ(s.font_width, 20);
  EXPECT_EQ(s.font_height, 40);  // digits before the fault
  EXPECT_EQ(s.font_weight, 400);
  EXPECT_FALSE(s.maximized);
  EXPECT_EQ(s.braille_mode, 2);
}

TEST(VideoSettingsTest, OddValuesFollowTheReadingRules) {
  struct Case {
    const char* ini;
    uint8_t attr;
    int magnify;
    bool maximized;
    int braille;
  } cases[] = {
      {"[VIDEO]\nCORFUNDO=\nCORLETRA=\n", 0x07, 2, true, 0},        // present but empty
      {"[VIDEO]\nCORFUNDO=x\nCORLETRA=abc\n", 0x00, 2, true, 0},    // no digits: 0
      {"[VIDEO]\nCORFUNDO=17\nCORLETRA=300\n", 0x3C, 2, true, 0},   // low 8 bits of 17*16 | 300
      {"[VIDEO]\nAMPLIF=8\n", 0x0F, 0, true, 0},                    // "8" AND 7 = 0
      {"[VIDEO]\nAMPLIF=15\n", 0x0F, 1, true, 0},                   // one character of room
      {"[VIDEO]\nCANTOTELA=S\n", 0x0F, 2, true, 0},                 // one letter: maximized
      {"[VIDEO]\nCANTOTELA=ns\n", 0x0F, 2, false, 0},
      {"[BRAILLE]\nMODO=7\n", 0x0F, 2, true, 3 & '7'},
      {"[BRAILLE]\nMODO=\n", 0x0F, 2, true, 0},
  };
  for (const Case& c : cases) {
    const VideoSettings s = ReadVideoSettings(FromIni(c.ini));
    EXPECT_EQ(s.initial_attr, c.attr) << c.ini;
    EXPECT_EQ(s.magnify_factor, c.magnify) << c.ini;
    EXPECT_EQ(s.maximized, c.maximized) << c.ini;
    EXPECT_EQ(s.braille_mode, c.braille) << c.ini;
  }
}

TEST(VideoSettingsTest, ParsesColourTables) {
  struct Case {
    const char* value;
    ColourMap expected;
  } cases[] = {
      {"15,14,13", {15, 14, 13, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
      {" 1 , 2 ,3", {1, 2, 3, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
      {"1,x,5", {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},   // stops after the bad item
      {"4z,5", {4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
      {"256,-1", {0, 255, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},  // low 8 bits
      {"", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},         // empty item: 0, stop
      {"garbage!!,,", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
      {"9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,9,1,2", {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
  };
  for (const Case& c : cases) {
    ColourMap map{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    ParseColourTable(c.value, &map);
    EXPECT_EQ(map, c.expected) << c.value;
  }
}

TEST(VideoSettingsTest, NumbersSaturateInsteadOfOverflowing) {
  bool whole = false;
  EXPECT_EQ(ParseConfigNumber("99999999999999999999", &whole), 2147483647);
  EXPECT_TRUE(whole);
  EXPECT_EQ(ParseConfigNumber("-", &whole), 0);
  EXPECT_FALSE(whole);
}

TEST(VideoSettingsTest, DefaultFontFromTheWorkAreaRoundsHalvesToEven) {
  EXPECT_EQ(DefaultFontWidth(1024), 13);
  EXPECT_EQ(DefaultFontHeight(734), 28);
  EXPECT_EQ(DefaultFontWidth(1920), 24);   // 24.375
  EXPECT_EQ(DefaultFontHeight(1040), 40);  // 39.67
  EXPECT_EQ(ScaleRoundHalfEven(5, 1, 2), 2);   // 2.5 -> 2
  EXPECT_EQ(ScaleRoundHalfEven(7, 1, 2), 4);   // 3.5 -> 4
}

}  // namespace
}  // namespace pavodin
