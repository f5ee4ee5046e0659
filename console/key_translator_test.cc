#include "console/key_translator.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace pavodin {
namespace {

struct Terminated {};

class RecordingEffects : public KeyEffects {
 public:
  void Tone(int hz, int ms) override { tones.emplace_back(hz, ms); }
  [[noreturn]] void Terminate() override { throw Terminated{}; }
  std::vector<std::pair<int, int>> tones;
};

class KeyTranslatorTest : public ::testing::Test {
 protected:
  std::vector<int> Drain() {
    std::vector<int> bytes;
    while (!keys.empty()) bytes.push_back(keys.Take());
    return bytes;
  }
  // Presses the braille keys of a chord together, then releases them all.
  void Chord(const std::string& braille_keys) {
    for (char k : braille_keys) keys.KeyDown(k, {});
    for (char k : braille_keys) keys.KeyUp(k, {});
  }
  // Dots like "134" as the keys F D S J K L.
  static std::string Dots(const std::string& dots) {
    static const char kKeys[] = "FDSJKL";
    std::string out;
    for (char d : dots) out += kKeys[d - '1'];
    return out;
  }

  RecordingEffects effects;
  KeyTranslator keys{&effects};
};

constexpr KeyModifiers kNone{};
constexpr KeyModifiers kCtrl{true, false, false};
constexpr KeyModifiers kShift{false, false, true};
constexpr KeyModifiers kCtrlAlt{true, true, false};

TEST_F(KeyTranslatorTest, ExtendedKeysGiveZeroThenTheirCode) {
  struct Row {
    int vkey;
    int code, ctrl_code;
  } rows[] = {
      {112, 59, 94},  {113, 60, 95},  {114, 61, 96},  {115, 62, 97},  {116, 63, 98},
      {117, 64, 99},  {118, 65, 100}, {119, 66, 101}, {120, 67, 102}, {121, 68, 103},
      {122, 69, 104}, {123, 70, 105}, {45, 82, 255},  {46, 83, 83},   {36, 71, 119},
      {35, 79, 117},  {33, 73, 132},  {34, 81, 118},  {38, 72, 113},  {40, 80, 114},
      {37, 75, 115},  {39, 77, 116},
  };
  for (const Row& r : rows) {
    keys.KeyDown(r.vkey, kNone);
    keys.KeyDown(r.vkey, kCtrl);
    keys.KeyDown(r.vkey, kShift);
    const int shift_code = r.vkey == 45 ? 254 : r.code;  // only Insert has a Shift code
    EXPECT_EQ(Drain(), (std::vector<int>{0, r.code, 0, r.ctrl_code, 0, shift_code})) << r.vkey;
  }
  keys.KeyDown(45, KeyModifiers{true, false, true});  // Ctrl wins over Shift
  EXPECT_EQ(Drain(), (std::vector<int>{0, 255}));
  keys.KeyDown('A', kNone);  // plain keys come as characters, not key-downs
  keys.KeyDown(vk::kReturn, kNone);
  EXPECT_TRUE(Drain().empty());
}

TEST_F(KeyTranslatorTest, CharactersAndTheirControlForms) {
  keys.CharInput('a', kNone);
  keys.CharInput(13, kNone);
  keys.CharInput(13, kCtrl);
  keys.CharInput(8, kNone);
  keys.CharInput(8, kCtrl);
  keys.CharInput(27, kNone);
  keys.CharInput(0xE7, kNone);  // ç
  EXPECT_EQ(Drain(), (std::vector<int>{'a', 13, 10, 8, 127, 27, 0xE7}));
}

TEST_F(KeyTranslatorTest, CtrlAltLettersAndDigitsGiveAltCodes) {
  const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const int codes[] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                       49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
  for (size_t i = 0; i < letters.size(); ++i) {
    keys.KeyDown(letters[i], kCtrlAlt);
    EXPECT_EQ(Drain(), (std::vector<int>{0, codes[i]})) << letters[i];
  }
  for (int d = 0; d <= 9; ++d) {
    keys.KeyDown('0' + d, kCtrlAlt);
    EXPECT_EQ(Drain(), (std::vector<int>{0, d == 0 ? 129 : 119 + d})) << d;
  }
}

TEST_F(KeyTranslatorTest, SystemKeysAreLeftToTheSystemExceptLeftAndRight) {
  const KeyModifiers alt{false, true, false};
  EXPECT_TRUE(KeyTranslator::IsSystemKey('X', alt));
  EXPECT_TRUE(KeyTranslator::IsSystemKey(vk::kF10, kNone));
  EXPECT_FALSE(KeyTranslator::IsSystemKey('X', kCtrlAlt));
  EXPECT_FALSE(keys.SystemKeyDown('X', alt));
  EXPECT_FALSE(keys.SystemKeyDown(vk::kF10, kNone));
  EXPECT_TRUE(keys.SystemKeyDown(vk::kLeft, alt));
  EXPECT_TRUE(keys.SystemKeyDown(vk::kRight, alt));
  EXPECT_EQ(Drain(), (std::vector<int>{0, 75, 0, 77}));
}

TEST_F(KeyTranslatorTest, AFullQueueDropsWhatDoesNotFit) {
  for (int i = 0; i < 63; ++i) keys.CharInput('x', kNone);
  keys.KeyDown(vk::kF1, kNone);  // two bytes, one place: dropped
  keys.KeyDown('A', kCtrlAlt);   // Alt code needs two places too
  EXPECT_EQ(keys.count(), 63);
  keys.CharInput('y', kNone);  // one byte still fits
  EXPECT_EQ(keys.count(), 64);
  keys.CharInput('z', kNone);
  keys.QueueByte('z');
  EXPECT_EQ(keys.count(), 64);
  std::vector<int> bytes = Drain();
  EXPECT_EQ(bytes.back(), 'y');

  for (int i = 0; i < 62; ++i) keys.CharInput('x', kNone);
  keys.KeyDown(vk::kF1, kNone);  // exactly two places left: accepted
  EXPECT_EQ(keys.count(), 64);
}

TEST_F(KeyTranslatorTest, CtrlBreakTerminates) {
  EXPECT_THROW(keys.KeyDown(vk::kCancel, kNone), Terminated);
}

TEST_F(KeyTranslatorTest, BrailleModeSwitchesWithTones) {
  keys.KeyDown(vk::kF11, kCtrlAlt);
  EXPECT_EQ(keys.braille_mode(), 1);
  keys.KeyDown(vk::kF11, kCtrlAlt);
  EXPECT_EQ(keys.braille_mode(), 2);
  keys.KeyDown(vk::kF11, kCtrlAlt);  // past 2: back to 1
  EXPECT_EQ(keys.braille_mode(), 1);
  keys.KeyDown(vk::kF12, kCtrlAlt);
  EXPECT_EQ(keys.braille_mode(), 0);
  keys.SetBrailleMode(0);  // already off: silent
  using T = std::pair<int, int>;
  EXPECT_EQ(effects.tones, (std::vector<T>{{800, 200}, {1600, 200}, {800, 200}, {400, 200},
                                           {800, 200}, {1600, 200}, {100, 200}}));
  EXPECT_TRUE(Drain().empty());
}

TEST_F(KeyTranslatorTest, ModeOneChordsAreDecidedWhenAllKeysAreUp) {
  keys.SetBrailleMode(1);
  keys.KeyDown('F', kNone);
  keys.KeyDown('D', kNone);
  keys.KeyUp('F', kNone);
  EXPECT_TRUE(keys.empty());  // D still held
  keys.KeyUp('D', kNone);
  EXPECT_EQ(Drain(), (std::vector<int>{'b'}));

  Chord("F");
  Chord("D");
  EXPECT_EQ(Drain(), (std::vector<int>{'a', ','}));

  Chord(Dots("12346"));  // ç
  Chord(" ");
  Chord(" " + Dots("134"));  // space with m: Enter
  EXPECT_EQ(Drain(), (std::vector<int>{0xE7, ' ', 13}));

  // Letters and blanks typed as characters are braille keys, not input.
  keys.CharInput('f', kNone);
  keys.CharInput(' ', kNone);
  keys.CharInput('1', kNone);
  EXPECT_EQ(Drain(), (std::vector<int>{'1'}));

  // Releasing a letter that is no braille key gives the empty chord: a blank.
  keys.KeyDown('Q', kNone);
  keys.KeyUp('Q', kNone);
  EXPECT_EQ(Drain(), (std::vector<int>{' '}));

  // Ctrl keeps the keys ordinary: Ctrl+F is not a dot.
  keys.KeyDown('F', kCtrl);
  EXPECT_FALSE(keys.KeyUp('F', kCtrl));
  EXPECT_TRUE(keys.empty());
}

TEST_F(KeyTranslatorTest, ModeTwoCapitalAndCapsLockSigns) {
  keys.SetBrailleMode(2);
  Chord(Dots("46"));
  Chord(Dots("1"));
  Chord(Dots("1"));
  EXPECT_EQ(Drain(), (std::vector<int>{'A', 'a'}));

  Chord(Dots("46"));
  Chord(Dots("46"));
  Chord(Dots("1"));
  Chord(Dots("12"));
  Chord(" ");  // a chord with the space bar ends caps lock
  Chord(Dots("1"));
  EXPECT_EQ(Drain(), (std::vector<int>{'A', 'B', ' ', 'a'}));
}

TEST_F(KeyTranslatorTest, ModeTwoNumberSign) {
  keys.SetBrailleMode(2);
  Chord(Dots("3456"));
  Chord(Dots("1"));
  Chord(Dots("12"));
  Chord(Dots("3"));
  Chord(Dots("245"));
  Chord(Dots("5"));  // "~" leaves number mode and is typed
  Chord(Dots("1"));
  EXPECT_EQ(Drain(), (std::vector<int>{'1', '2', '.', '0', '~', 'a'}));

  // A key that is not a letter resets the signs.
  Chord(Dots("3456"));
  keys.KeyUp(vk::kReturn, kNone);
  Chord(Dots("1"));
  EXPECT_EQ(Drain(), (std::vector<int>{'a'}));
}

TEST_F(KeyTranslatorTest, KeyUpInModeZeroIsNotHandled) {
  EXPECT_FALSE(keys.KeyUp('F', kNone));
  EXPECT_TRUE(keys.empty());
}

}  // namespace
}  // namespace pavodin
