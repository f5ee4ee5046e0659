#include "console/screen_model.h"

#include <algorithm>
#include <cstring>

namespace pavodin {

const std::array<Rgb, 16> ConsolePalette = {{
    {0, 0, 0},       {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
    {255, 0, 0},     {142, 0, 142},   {68, 34, 34},    {192, 192, 192},
    {128, 128, 128}, {128, 128, 255}, {128, 255, 128}, {128, 255, 255},
    {255, 128, 128}, {255, 128, 255}, {255, 255, 0},   {255, 255, 255},
}};

Rgb ColourOf(int nibble, const ColourMap& map) {
  const uint8_t mapped = map[nibble & 15];
  return mapped > 15 ? Rgb{0, 0, 0} : ConsolePalette[mapped];
}

ScreenModel::ScreenModel() { Reset(current_attr); }

void ScreenModel::Reset(uint8_t attr) {
  current_attr = attr;
  chars_.fill(' ');
  attrs_.fill(attr);
}

void ScreenModel::NewLine(int* lo, int* hi, ScreenObserver* observer) {
  observer->ShowCells(row_, *lo, *hi);
  *lo = *hi = 0;
  ++row_;
  if (row_ < ScreenRows) return;
  row_ = ScreenRows - 1;
  std::memmove(chars_.data(), chars_.data() + ScreenColumns, ScreenColumns * (ScreenRows - 1));
  std::memmove(attrs_.data(), attrs_.data() + ScreenColumns, ScreenColumns * (ScreenRows - 1));
  std::fill_n(chars_.begin() + ScreenColumns * (ScreenRows - 1), ScreenColumns, ' ');
  std::fill_n(attrs_.begin() + ScreenColumns * (ScreenRows - 1), ScreenColumns, current_attr);
  observer->ShowScroll();
}

void ScreenModel::Write(std::string_view bytes, ScreenObserver* observer) {
  observer->Written(bytes);
  int lo = column_;
  int hi = column_;
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == 7) {
      observer->Beep();
    } else if (c == 8) {
      if (column_ > 0) {
        --column_;
        chars_[row_ * ScreenColumns + column_] = ' ';
        attrs_[row_ * ScreenColumns + column_] = current_attr;
        lo = std::min(lo, column_);
      }
    } else if (c == 10) {
      NewLine(&lo, &hi, observer);
      column_ = 0;
    } else if (c == 13) {
      column_ = 0;
    } else if (c >= 32) {
      if (column_ == ScreenColumns) {
        column_ = 0;
        NewLine(&lo, &hi, observer);
      }
      chars_[row_ * ScreenColumns + column_] = c;
      attrs_[row_ * ScreenColumns + column_] = current_attr;
      // After a carriage return the written cells lie left of where the
      // shown span started; widen it both ways so they are shown too.
      lo = std::min(lo, column_);
      ++column_;
      hi = std::max(hi, column_);
    }
  }
  observer->ShowCells(row_, lo, hi);
}

void ScreenModel::Clear(ScreenObserver* observer) {
  chars_.fill(' ');
  attrs_.fill(current_attr);
  column_ = row_ = 0;
  observer->ShowAll();
}

void ScreenModel::ClearToLineEnd(ScreenObserver* observer) {
  if (column_ >= ScreenColumns) return;
  std::fill_n(chars_.begin() + row_ * ScreenColumns + column_, ScreenColumns - column_, ' ');
  std::fill_n(attrs_.begin() + row_ * ScreenColumns + column_, ScreenColumns - column_, current_attr);
  observer->ShowCells(row_, column_, ScreenColumns);
}

}  // namespace pavodin
