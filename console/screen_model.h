#ifndef PAVODIN_CONSOLE_SCREEN_MODEL_H_
#define PAVODIN_CONSOLE_SCREEN_MODEL_H_

#include <array>
#include <cstdint>
#include <string_view>

#include "console/video_settings.h"

// The 80 × 25 text screen: a character grid and an attribute grid, the
// cursor and the current attribute. Writing here changes only the model; what
// must be shown again is reported to a ScreenObserver (the display).

namespace pavodin {

inline constexpr int ScreenColumns = 80;
inline constexpr int ScreenRows = 25;

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

// The console palette, indexed by colour number 0-15.
extern const std::array<Rgb, 16> ConsolePalette;

// The colour of an attribute nibble: mapped through `map`, then the palette;
// a mapped value above 15 is black.
Rgb ColourOf(int nibble, const ColourMap& map);

// Told what changed, so the display can show it.
class ScreenObserver {
 public:
  virtual ~ScreenObserver() = default;
  // Columns [first, end) of `row` (0-based) hold new contents.
  virtual void ShowCells(int row, int first, int end) = 0;
  // The whole grid moved up one row; the last row is new.
  virtual void ShowScroll() = 0;
  // Everything may have changed.
  virtual void ShowAll() = 0;
  // Byte 7 was written.
  virtual void Beep() = 0;
  // The bytes handed to Write, as they came (for plain-text transcripts).
  virtual void Written(std::string_view /*bytes*/) {}
};

class ScreenModel {
 public:
  ScreenModel();

  // Fills the character grid with blanks and the attribute grid with `attr`,
  // which also becomes the current attribute. The cursor stays.
  void Reset(uint8_t attr);

  // Writes bytes at the cursor: 7 beeps, 8 blanks the cell to the left and
  // moves there, 10 is a new line to column 0, 13 returns to column 0, 32-255
  // are stored (wrapping when the row is full), all other bytes are ignored.
  void Write(std::string_view bytes, ScreenObserver* observer);

  // Every cell blank in the current attribute, cursor to the top-left corner.
  void Clear(ScreenObserver* observer);

  // Cells from the cursor to the end of its row blank; the cursor stays.
  void ClearToLineEnd(ScreenObserver* observer);

  // 0-based cells; no range check, like the grids they stand for.
  uint8_t CharAt(int column, int row) const { return chars_[row * ScreenColumns + column]; }
  uint8_t AttrAt(int column, int row) const { return attrs_[row * ScreenColumns + column]; }

  // 0-based cursor; the column may be 80 right after the last column was written.
  int cursor_column() const { return column_; }
  int cursor_row() const { return row_; }
  void set_cursor(int column, int row) { column_ = column, row_ = row; }

  uint8_t current_attr = 0x07;

 private:
  void NewLine(int* lo, int* hi, ScreenObserver* observer);

  std::array<uint8_t, ScreenColumns * ScreenRows> chars_;
  std::array<uint8_t, ScreenColumns * ScreenRows> attrs_;
  int column_ = 0;
  int row_ = 0;
};

}  // namespace pavodin

#endif  // PAVODIN_CONSOLE_SCREEN_MODEL_H_
