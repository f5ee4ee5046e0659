#include "app/option_menu.h"

#include <algorithm>

#include "platform/text_util.h"

namespace pavodin {
namespace {

bool StartsSearch(uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*' ||
         c == '+' || c == '-' || c == '/' || (c >= 1 && c <= 26);
}

constexpr uint8_t kEnter = 13;
constexpr uint8_t kEsc = 27;

}  // namespace

void SpokenOptionMenu::openOptionMenu(int column, int row, int width, int height, uint8_t background) {
  saved_column_ = console_->CursorColumn();
  saved_row_ = console_->CursorRow();
  saved_attr_ = console_->CurrentAttr();
  if (column + width > ScreenColumns) column = ScreenColumns - width;
  if (row + height > ScreenRows) row = std::max(1, ScreenRows - height + 1);
  console_->SetBackColour(background);
  items_.clear();
  first_visible_ = 1;
  column_ = column;
  row_ = row;
  width_ = width;

  // The covered rectangle, kept inside the grid.
  left_ = std::clamp(column, 1, ScreenColumns);
  top_ = std::clamp(row, 1, ScreenRows);
  right_ = std::clamp(column + width - 1, 0, ScreenColumns);
  bottom_ = std::clamp(row + height - 1, 0, ScreenRows);
  saved_chars_.clear();
  saved_attrs_.clear();
  for (int y = top_; y <= bottom_; ++y) {
    for (int x = left_; x <= right_; ++x) {
      saved_chars_.push_back(console_->ScreenCharAt(x, y));
      saved_attrs_.push_back(console_->ScreenAttrAt(x, y));
    }
  }
}

void SpokenOptionMenu::addOption(std::string_view key, std::string_view text) {
  items_.push_back({std::string(key), std::string(text)});
}

void SpokenOptionMenu::DrawOptions() {
  for (int item = 1; item <= count(); ++item) {
    const int row = RowOf(item);
    if (row < row_) continue;
    if (row > ScreenRows) break;
    console_->MoveCursor(column_, row);
    console_->SetTextColour(15);
    std::string text = TextOf(item).substr(0, static_cast<size_t>(std::max(width_, 0)));
    text.resize(static_cast<size_t>(std::max(width_, 0)), ' ');
    out_->Write(text);
  }
}

void SpokenOptionMenu::ScrollToCurrent(int current) {
  const int before = first_visible_;
  if (current >= 1 && current < first_visible_) {
    first_visible_ = current;
  } else {
    while (current + row_ - first_visible_ > ScreenRows) ++first_visible_;
  }
  if (first_visible_ != before) DrawOptions();
}

void SpokenOptionMenu::Announce(int current, bool spell) {
  const Item& item = items_[current - 1];
  if (spell) {
    speech_->SpellText(item.text);
  } else if (speech_->PromptExists(item.key)) {
    speech_->PlayPrompt(item.key);
  } else {
    speech_->SpeakText(item.text);
  }
}

int SpokenOptionMenu::FirstLetterSearch(int current, uint8_t c) const {
  if (current > count()) current = 0;
  for (;;) {
    ++current;
    if (current > count()) return count() + 1;
    const std::string& text = TextOf(current);
    const size_t first = text.find_first_not_of(' ');
    if (first != std::string::npos && UpperKey(static_cast<uint8_t>(text[first])) == UpperKey(c)) return current;
  }
}

int SpokenOptionMenu::selectOption() {
  int current = 1;
  DrawOptions();
  ScrollToCurrent(current);
  uint8_t ch = ' ';  // the first pass announces item 1 as if a blank was typed
  uint8_t code = 0;
  for (;;) {
    console_->MoveCursor(column_, RowOf(current));
    if (current >= 1 && current <= count()) {
      console_->SetTextColour(15);
      out_->Write(TextOf(current));
    }

    bool spell = false;
    if (ch == 0) {
      switch (code) {
        case 80: ++current; break;
        case 72: --current; break;
        case 81: current += 10; break;
        case 73: current -= 10; break;
        case 71: case 132: current = 1; break;
        case 79: case 118: current = count(); break;
        case 77: spell = true; break;
        default: break;
      }
    } else if (ch == 223) {
      while (!console_->KeyAvailable()) console_->WaitMessage();
    } else if (ch != kEnter && ch != kEsc && StartsSearch(ch)) {
      current = FirstLetterSearch(current, ch);
    }
    current = std::clamp(current, 0, count() + 1);

    if (current == 0 || current == count() + 1) {
      speech_->PlayBeep();
    } else if (ch != kEnter && ch != kEsc) {
      ScrollToCurrent(current);
      console_->MoveCursor(column_, RowOf(current));
      console_->SetTextColour(14);
      out_->Write(TextOf(current));
      console_->MoveCursor(column_, RowOf(current));
      Announce(current, spell);
    }

    if (ch == kEnter || ch == kEsc) break;
    ch = console_->NextKey();
    speech_->StopSpeech();
    code = ch == 0 ? console_->NextKey() : 0;
  }

  const int result = (ch == kEsc || current < 1 || current > count()) ? 0 : current;
  items_.clear();
  RestoreScreen();
  return result;
}

void SpokenOptionMenu::RestoreScreen() {
  const int width = right_ - left_ + 1;
  size_t i = 0;
  for (int y = top_; y <= bottom_; ++y) {
    console_->MoveCursor(left_, y);
    std::string run;
    int attr = -1;
    for (int x = 0; x < width; ++x, ++i) {
      if (saved_attrs_[i] != attr || run.size() == 80) {
        if (!run.empty()) out_->Write(run);
        run.clear();
        if (saved_attrs_[i] != attr) {
          attr = saved_attrs_[i];
          console_->SetTextColour(static_cast<uint8_t>(attr & 15));
          console_->SetBackColour(static_cast<uint8_t>(attr >> 4));
        }
      }
      run += static_cast<char>(saved_chars_[i]);
    }
    if (!run.empty()) out_->Write(run);
  }
  console_->CurrentAttr() = saved_attr_;
  console_->MoveCursor(saved_column_, saved_row_);
}

}  // namespace pavodin
