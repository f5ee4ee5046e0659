#include "console/key_translator.h"

#include <cstring>

namespace pavodin {
namespace {

struct ExtendedKey {
  int vkey;
  uint8_t code;
  uint8_t ctrl_code;
};

// Searched in this order; only Insert has a Shift code (254).
constexpr ExtendedKey kExtendedKeys[] = {
    {112, 59, 94},  {113, 60, 95},  {114, 61, 96},  {115, 62, 97},   {116, 63, 98},
    {117, 64, 99},  {118, 65, 100}, {119, 66, 101}, {120, 67, 102},  {121, 68, 103},
    {122, 69, 104}, {123, 70, 105}, {45, 82, 255},  {46, 83, 83},    {36, 71, 119},
    {35, 79, 117},  {33, 73, 132},  {34, 81, 118},  {38, 72, 113},   {40, 80, 114},
    {37, 75, 115},  {39, 77, 116},
};

// Alt codes of A-Z, then of 0-9.
constexpr uint8_t kAltLetters[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                     49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
constexpr uint8_t kAltDigits[10] = {129, 120, 121, 122, 123, 124, 125, 126, 127, 128};

// Dot bit of a braille key's virtual key, 0 for any other key.
uint8_t DotBit(int vkey) {
  switch (vkey) {
    case 'F': return 1;
    case 'D': return 2;
    case 'S': return 4;
    case 'J': return 8;
    case 'K': return 16;
    case 'L': return 32;
    case vk::kSpace: return 64;
    default: return 0;
  }
}

struct BrailleCell {
  const char* dots;
  uint8_t ch;
};

constexpr BrailleCell kBrailleCells[64] = {
    {"", ' '},      {"1", 'a'},     {"2", ','},      {"12", 'b'},     {"3", '\''},
    {"13", 'k'},    {"23", ';'},    {"123", 'l'},    {"4", '^'},      {"14", 'c'},
    {"24", 'i'},    {"124", 'f'},   {"45", 172},     {"145", 'd'},    {"245", 'j'},
    {"1245", 'g'},  {"6", 253},     {"16", 226},     {"26", '?'},     {"126", 234},
    {"36", '-'},    {"136", 'u'},   {"236", '"'},    {"1236", 'v'},   {"46", '{'},
    {"146", 238},   {"246", 245},   {"1246", 224},   {"345", 227},    {"1345", 'n'},
    {"2345", 't'},  {"12345", 'q'}, {"34", 237},     {"134", 'm'},    {"234", 's'},
    {"1234", 'p'},  {"5", '~'},     {"15", 'e'},     {"25", ':'},     {"125", 'h'},
    {"35", '*'},    {"135", 'o'},   {"235", '!'},    {"1235", 'r'},   {"456", '_'},
    {"1456", 244},  {"2456", 'w'},  {"12456", 239},  {"346", 243},    {"1346", 'x'},
    {"2346", 232},  {"12346", 231}, {"56", '$'},     {"156", 251},    {"256", 255},
    {"1256", 252},  {"356", '}'},   {"1356", 'z'},   {"2356", '='},   {"12356", 225},
    {"3456", '#'},  {"13456", 'y'}, {"23456", 250},  {"123456", 233},
};

std::array<uint8_t, 64> BuildBrailleTable() {
  std::array<uint8_t, 64> table{};
  for (const BrailleCell& cell : kBrailleCells) {
    int bits = 0;
    for (const char* d = cell.dots; *d; ++d) bits |= 1 << (*d - '1');
    table[bits] = cell.ch;
  }
  return table;
}

}  // namespace

const std::array<uint8_t, 64> BrailleTable = BuildBrailleTable();

void KeyTranslator::KeyDown(int v, KeyModifiers mods) {
  if (v == vk::kCancel) effects_->Terminate();
  const bool alt = mods.alt;
  const bool ctrl = mods.ctrl;
  if (alt) {
    if (ctrl && v == vk::kF12) {
      SetBrailleMode(0);
      return;
    }
    if (ctrl && v == vk::kF11) {
      SetBrailleMode(mode_ + 1);
      return;
    }
    const bool digit = v >= '0' && v <= '9';
    const bool letter = v >= 'A' && v <= 'Z';
    if (digit || letter) {
      if (kCapacity - count_ >= 2) {
        Queue(0);
        Queue(letter ? kAltLetters[v - 'A'] : kAltDigits[v - '0']);
      }
      return;
    }
  }
  if (!ctrl && mode_ != 0) {
    if (const uint8_t bit = DotBit(v)) {
      chord_ |= bit;
      pressed_ |= bit;
      return;
    }
  }
  if (count_ > kCapacity - 2) return;
  for (const ExtendedKey& key : kExtendedKeys) {
    if (key.vkey != v) continue;
    Queue(0);
    if (ctrl) {
      Queue(key.ctrl_code);
    } else if (key.ctrl_code == 255 && mods.shift) {
      Queue(254);
    } else {
      Queue(key.code);
    }
    return;
  }
}

bool KeyTranslator::SystemKeyDown(int v, KeyModifiers mods) {
  if (v != vk::kLeft && v != vk::kRight) return false;
  KeyDown(v, mods);
  return true;
}

void KeyTranslator::CharInput(uint8_t c, KeyModifiers mods) {
  if (mode_ != 0 && (c == ' ' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return;
  if (count_ >= kCapacity) return;
  if (c == 8) {
    Queue(mods.ctrl ? 127 : 8);
  } else if (c == 13) {
    Queue(mods.ctrl ? 10 : 13);
  } else {
    Queue(c);
  }
}

uint8_t KeyTranslator::ApplySigns(uint8_t ch) {
  if (number_) {
    if (ch == '\'') {
      ch = '.';
    } else if (ch >= 'a' && ch <= 'i') {
      ch = static_cast<uint8_t>('1' + (ch - 'a'));
    } else if (ch == 'j') {
      ch = '0';
    } else if (ch == '~') {
      number_ = false;
    }
  }
  if ((capital_ || caps_lock_) && ch >= 'a' && ch <= 'z') ch = static_cast<uint8_t>(ch - 32);
  if (ch == '#') {
    number_ = true;
    return kNoCharacter;
  }
  if (ch == '{') {
    if (capital_) caps_lock_ = true;
    capital_ = true;
    return kNoCharacter;
  }
  capital_ = false;
  return ch;
}

bool KeyTranslator::KeyUp(int v, KeyModifiers mods) {
  if (mode_ == 0) return false;
  if (mods.ctrl || !(v == vk::kSpace || (v >= 'A' && v <= 'Z'))) {
    ClearSigns();
    return false;
  }
  pressed_ &= static_cast<uint8_t>(~DotBit(v));
  if (pressed_ != 0) return true;

  uint8_t ch;
  if (chord_ >= 64) {
    ClearSigns();
    // Space with a letter's dots gives that letter's control code: with m, Enter.
    ch = chord_ == 64 ? ' ' : static_cast<uint8_t>(BrailleTable[chord_ & 63] & 31);
  } else {
    ch = BrailleTable[chord_];
    if (mode_ == 2) ch = ApplySigns(ch);
  }
  if (ch != kNoCharacter && count_ <= kCapacity - 1) Queue(ch);
  chord_ = 0;
  return true;
}

void KeyTranslator::QueueByte(uint8_t b) {
  if (count_ < kCapacity) Queue(b);
}

void KeyTranslator::SetBrailleMode(int mode) {
  if (mode > 2) mode = 1;
  if (mode < 0) mode = 0;
  const int previous = mode_;
  if (mode == 0) {
    chord_ = pressed_ = 0;
    ClearSigns();
    if (previous != 0) effects_->Tone(100, 200);
  } else if (mode == 1 || mode == 2) {
    effects_->Tone(800, 200);
    effects_->Tone(mode == 1 ? 1600 : 400, 200);
  }
  mode_ = mode;
}

uint8_t KeyTranslator::Take() {
  const uint8_t b = queue_[0];
  std::memmove(queue_.data(), queue_.data() + 1, static_cast<size_t>(count_ - 1));
  --count_;
  return b;
}

}  // namespace pavodin
