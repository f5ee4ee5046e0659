#include "platform/terminal_keys.h"

#include "platform/text_encoding.h"

namespace pavodin {
namespace {

KeyModifiers FromXtermModifier(int m) {
  KeyModifiers mods;
  if (m > 1) {
    mods.shift = ((m - 1) & 1) != 0;
    mods.alt = ((m - 1) & 2) != 0;
    mods.ctrl = ((m - 1) & 4) != 0;
  }
  return mods;
}

// Virtual key of the final byte of "ESC [ 1 ; m X" or "ESC O X".
int VkeyOfLetter(char c) {
  switch (c) {
    case 'A': return vk::kUp;
    case 'B': return vk::kDown;
    case 'C': return vk::kRight;
    case 'D': return vk::kLeft;
    case 'H': return vk::kHome;
    case 'F': return vk::kEnd;
    case 'P': return vk::kF1;
    case 'Q': return vk::kF1 + 1;
    case 'R': return vk::kF1 + 2;
    case 'S': return vk::kF1 + 3;
    default: return 0;
  }
}

// Virtual key of "ESC [ n ~".
int VkeyOfNumber(int n) {
  switch (n) {
    case 1: case 7: return vk::kHome;
    case 2: return vk::kInsert;
    case 3: return vk::kDelete;
    case 4: case 8: return vk::kEnd;
    case 5: return vk::kPrior;
    case 6: return vk::kNext;
    case 11: case 12: case 13: case 14: case 15: return vk::kF1 + (n - 11);
    case 17: case 18: case 19: case 20: case 21: return vk::kF1 + 5 + (n - 17);
    case 23: case 24: return vk::kF11 + (n - 23);
    default: return 0;
  }
}

void PushChar(unsigned char c, KeyModifiers mods, std::vector<Message>* out) {
  out->push_back(Message::CharInput(c, mods));
}

// A control byte or plain character typed without Alt.
void PushPlain(unsigned char c, std::vector<Message>* out) {
  KeyModifiers ctrl;
  ctrl.ctrl = true;
  switch (c) {
    case 0x7F: PushChar(8, {}, out); break;        // Backspace
    case 0x08: PushChar(8, ctrl, out); break;      // Ctrl+Backspace
    case 0x0D: PushChar(13, {}, out); break;       // Enter
    case 0x0A: PushChar(13, ctrl, out); break;     // Ctrl+Enter (Ctrl+J)
    case 0x00: break;                              // Ctrl+Space: nothing
    default: PushChar(c, {}, out);
  }
}

}  // namespace

size_t TerminalKeyDecoder::DecodeOne(std::vector<Message>* out) {
  const std::string& p = pending_;
  const auto b0 = static_cast<unsigned char>(p[0]);
  if (b0 != 0x1B) {
    if (b0 < 0x80) {
      PushPlain(b0, out);
      return 1;
    }
    char32_t cp;
    const size_t len = DecodeUtf8(p, &cp);
    if (len == 0) {
      // Either a cut-short character (wait for the rest) or not UTF-8 at all.
      size_t want = (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : (b0 & 0xF8) == 0xF0 ? 4 : 1;
      if (p.size() < want) {
        bool continuation = true;
        for (size_t i = 1; i < p.size(); ++i)
          if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) continuation = false;
        if (continuation) return 0;
      }
      return 1;  // a stray byte is dropped
    }
    unsigned char byte;
    if (CodePointToCp1252(cp, &byte)) PushChar(byte, {}, out);
    return len;
  }

  if (p.size() < 2) return 0;
  const char b1 = p[1];
  if (b1 == '[' || b1 == 'O') {
    // CSI or SS3: parameters, then a final byte in 0x40-0x7E.
    size_t i = 2;
    if (b1 == '[' && i < p.size() && p[i] == '[') {  // Linux console F1-F5: ESC [ [ A..E
      if (p.size() < 4) return 0;
      const char f = p[3];
      if (f >= 'A' && f <= 'E') out->push_back(Message::KeyDown(vk::kF1 + (f - 'A')));
      return 4;
    }
    int params[4] = {0, 0, 0, 0};
    int count = 0;
    while (i < p.size() && ((p[i] >= '0' && p[i] <= '9') || p[i] == ';')) {
      if (p[i] == ';') {
        if (count < 3) ++count;
      } else if (params[count] < 10000) {
        params[count] = params[count] * 10 + (p[i] - '0');
      }
      ++i;
    }
    if (i >= p.size()) return i > 16 ? i : 0;
    const char final = p[i];
    const size_t used = i + 1;
    int vkey = 0;
    int modifier = 1;
    if (final == '~') {
      vkey = VkeyOfNumber(params[0]);
      if (count >= 1) modifier = params[1];
    } else {
      vkey = VkeyOfLetter(final);
      if (count >= 1) modifier = params[1];
      else if (params[0] > 1) modifier = params[0];  // ESC O 5 P style
    }
    if (vkey != 0) out->push_back(Message::KeyDown(vkey, FromXtermModifier(modifier)));
    return used;
  }

  // ESC followed by a key: that key with Alt.
  const auto c = static_cast<unsigned char>(b1);
  KeyModifiers alt;
  alt.alt = true;
  if (c >= 1 && c <= 26 && c != 8 && c != 9 && c != 10 && c != 13) {
    KeyModifiers ctrl_alt = alt;
    ctrl_alt.ctrl = true;
    out->push_back(Message::KeyDown('A' + (c - 1), ctrl_alt));
  } else if (c >= 'a' && c <= 'z') {
    out->push_back(Message::KeyDown('A' + (c - 'a'), alt));
  } else if (c >= 'A' && c <= 'Z') {
    alt.shift = true;
    out->push_back(Message::KeyDown(c, alt));
  } else if (c >= '0' && c <= '9') {
    out->push_back(Message::KeyDown(c, alt));
  } else if (c == 0x1B) {
    // ESC ESC: the first is the Escape key; the second starts anew.
    PushChar(27, {}, out);
    return 1;
  }
  // Alt with any other character is a system key: nothing to queue.
  return 2;
}

void TerminalKeyDecoder::Feed(const char* bytes, size_t n, std::vector<Message>* out) {
  pending_.append(bytes, n);
  while (!pending_.empty()) {
    const size_t used = DecodeOne(out);
    if (used == 0) break;
    pending_.erase(0, used);
  }
}

void TerminalKeyDecoder::Timeout(std::vector<Message>* out) {
  if (pending_ == "\x1b") PushChar(27, {}, out);
  pending_.clear();
}

}  // namespace pavodin
