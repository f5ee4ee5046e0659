// Runs every case folder tts/cases/<name>: input.txt (UTF-8) through the
// front end with the shipped br4 data, compared with expected.pho.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/text_encoding.h"
#include "tts/front_end.h"
#include "tts/recording_tts_messages.h"

namespace pavodin {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(TtsCases, ShippedDataGivesTheExpectedPhonemeLines) {
  const std::filesystem::path cases = std::filesystem::path(PAVODIN_SOURCE_DATA_DIR) / ".." / "tts" / "cases";
  DiskFileSystem fs;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(cases)) {
    if (!entry.is_directory()) continue;
    ++count;
    TtsFrontEnd engine;
    RecordingTtsMessages messages;
    std::string err;
    ASSERT_TRUE(engine.Load(fs, TtsDataFilesIn(std::string(PAVODIN_SOURCE_DATA_DIR) + "/tts/br4"),
                            messages, &err))
        << err;
    ASSERT_TRUE(messages.shown.empty());
    std::string input = ReadAll(entry.path() / "input.txt");
    while (!input.empty() && (input.back() == '\n' || input.back() == '\r')) input.pop_back();
    std::string got;
    for (const std::string& line : engine.Run(FileTextToCp1252(input)).pho) {
      got += Cp1252ToUtf8(line) + "\n";
    }
    EXPECT_EQ(got, ReadAll(entry.path() / "expected.pho")) << "case " << entry.path().filename();
  }
  EXPECT_GE(count, 30);
}

}  // namespace
}  // namespace pavodin
