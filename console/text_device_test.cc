#include "console/text_device.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "testing/fakes.h"

namespace pavodin {
namespace {

class TextDeviceTest : public ::testing::Test, protected FakeConsoleParts {
 protected:
  TextDeviceTest() {
    console = std::make_unique<Console>(Services());
    device = std::make_unique<TextDevice>(console.get());
  }
  std::string RowText(int row) {
    std::string out;
    for (int c = 1; c <= ScreenColumns; ++c) out += static_cast<char>(console->ScreenCharAt(c, row));
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
  }

  std::unique_ptr<Console> console;
  std::unique_ptr<TextDevice> device;
};

TEST_F(TextDeviceTest, ReadsALineWithEchoAndBackspace) {
  messages.Type("\b\babx\bc\r");
  EXPECT_EQ(device->ReadLine(), "abc");
  EXPECT_EQ(RowText(1), "abc");
  EXPECT_EQ(console->CursorRow(), 2);
  EXPECT_EQ(console->CursorColumn(), 1);
}

TEST_F(TextDeviceTest, KeepsAtMostCapacityMinusTwoCharacters) {
  messages.Type(std::string(130, 'x') + "\r");
  uint8_t buffer[128];
  EXPECT_EQ(device->ConsoleReadLine(buffer, 128), 128u);
  EXPECT_EQ(buffer[125], 'x');
  EXPECT_EQ(buffer[126], 13);
  EXPECT_EQ(buffer[127], 10);
}

TEST_F(TextDeviceTest, ExtendedKeysTypeTheirCode) {
  messages.Type(std::string("\0;\x01\r", 4));  // F1, then Ctrl+A (ignored)
  EXPECT_EQ(device->ReadLine(), ";");
}

TEST_F(TextDeviceTest, EveryOutputCallReachesTheScreenAndHandlesMessages) {
  device->Write(std::string(300, 'y'));
  EXPECT_EQ(RowText(4), std::string(60, 'y'));
  messages.Post(Message::CharInput('k'));
  device->Write("z");
  EXPECT_TRUE(messages.queue.empty());  // the flush pumped the key into the queue
  EXPECT_TRUE(console->KeyAvailable());
  device->WriteLine("!");
  EXPECT_EQ(console->CursorColumn(), 1);
  EXPECT_EQ(console->CursorRow(), 5);
}

}  // namespace
}  // namespace pavodin
