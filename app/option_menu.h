#ifndef PAVODIN_APP_OPTION_MENU_H_
#define PAVODIN_APP_OPTION_MENU_H_

#include <cstdint>
#include <string>
#include <vector>

#include "app/commands.h"
#include "console/console.h"
#include "console/text_device.h"
#include "speech/speaking.h"

// A spoken pop-up list on the console. The caller opens it at a screen
// position and adds items; the user moves with the arrow and paging keys or
// jumps by first letter, each item that becomes current is highlighted and
// spoken, and Enter chooses. The covered part of the screen is saved at
// opening and put back at the end, with the colour and the cursor. One menu
// at a time.

namespace pavodin {

class SpokenOptionMenu : public OptionMenu {
 public:
  SpokenOptionMenu(Console* console, TextDevice* out, Speech* speech)
      : console_(console), out_(out), speech_(speech) {}

  void openOptionMenu(int column, int row, int width, int height, uint8_t background) override;
  void addOption(std::string_view key, std::string_view text) override;
  // Runs the selection from item 1; restores the screen; 0 when nothing was chosen.
  int selectOption() override;

 private:
  struct Item {
    std::string key;
    std::string text;
  };

  int count() const { return static_cast<int>(items_.size()); }
  int RowOf(int item) const { return row_ + item - first_visible_; }
  const std::string& TextOf(int item) const { return items_[item - 1].text; }
  void DrawOptions();
  void ScrollToCurrent(int current);
  void Announce(int current, bool spell);
  int FirstLetterSearch(int current, uint8_t c) const;
  void RestoreScreen();

  Console* console_;
  TextDevice* out_;
  Speech* speech_;
  std::vector<Item> items_;
  int column_ = 1, row_ = 1, width_ = 0;
  int first_visible_ = 1;
  int saved_column_ = 1, saved_row_ = 1;
  uint8_t saved_attr_ = 0;
  int left_ = 1, top_ = 1, right_ = 0, bottom_ = 0;
  std::vector<uint8_t> saved_chars_, saved_attrs_;
};

}  // namespace pavodin

#endif  // PAVODIN_APP_OPTION_MENU_H_
