#include "engines/wave_riff.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engines/wave_test_host.h"

namespace pavodin {
namespace {

bool Parse(const std::string& bytes, WaveData* w) {
  return WavParseImage(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), w);
}

std::string Riff(const std::string& chunks, const std::string& riff = "RIFF") {
  return riff + Le32Bytes(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

TEST(WaveRiffTest, ReadsTheChunkLayouts) {
  const std::string fmt = WaveChunk("fmt ", FmtBody(1, 11025, 8));
  const std::string data = WaveChunk("data", "abcdef");
  struct Case {
    const char* name;
    std::string bytes;
    bool ok;
    std::string samples;
  } cases[] = {
      {"canonical", Riff(fmt + data), true, "abcdef"},
      {"identifiers in any case", Riff(WaveChunk("FMT ", FmtBody(1, 11025, 8)) +
                                       WaveChunk("Data", "abcdef"), "riff"), true, "abcdef"},
      {"LIST between fmt and data", Riff(fmt + WaveChunk("LIST", "INFOxxxx") + data), true,
       "abcdef"},
      {"odd chunk has no pad byte", Riff(fmt + WaveChunk("junk", "123") + data), true, "abcdef"},
      {"long format body", Riff(WaveChunk("fmt ", FmtBody(1, 11025, 8) + "\0\0") + data), true,
       "abcdef"},
      {"chunk before fmt", Riff(WaveChunk("LIST", "INFO") + fmt + data), false, ""},
      {"not RIFF", Riff(fmt + data, "RIFX"), false, ""},
      {"format body too short for the format", Riff(WaveChunk("fmt ", FmtBody(1, 11025, 8).substr(0, 14)) + data),
       false, ""},
      {"no data chunk", Riff(fmt + WaveChunk("LIST", "INFO")), false, ""},
      {"skipped chunk longer than the file", Riff(fmt) + "LIST" + Le32Bytes(100) + "xx", false, ""},
      {"format body longer than the file", Riff("fmt " + Le32Bytes(40) + FmtBody(1, 11025, 8)),
       false, ""},
      {"data cut short plays what is there", Riff(fmt) + "data" + Le32Bytes(0xFFFFFFFF) + "xyz",
       true, "xyz"},
      {"empty", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WaveData w;
    ASSERT_EQ(Parse(c.bytes, &w), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w.samples), w.length), c.samples);
    EXPECT_EQ(w.format, (SoundFormat{11025, 8, 1}));
  }
}

TEST(WaveRiffTest, TakesRateBitsAndChannelsFromTheFormat) {
  WaveData w;
  ASSERT_TRUE(Parse(MakeWave(2, 44100, 16, std::string(8, 'x')), &w));
  EXPECT_EQ(w.format, (SoundFormat{44100, 16, 2}));
  EXPECT_EQ(w.declared_length, 8u);
}

TEST(WaveRiffTest, EveryPrefixOfAFileIsSafeAndOnlyLongOnesParse) {
  const std::string file = Riff(WaveChunk("fmt ", FmtBody(1, 11025, 8)) +
                                WaveChunk("LIST", "INFO") + WaveChunk("data", "0123456789"));
  const size_t data_header_end = file.size() - 10;
  for (size_t n = 0; n <= file.size(); ++n) {
    // A copy of exactly n bytes, so the sanitizer sees any read past it.
    std::vector<uint8_t> prefix(file.begin(), file.begin() + n);
    WaveData w;
    const bool ok = WavParseImage(prefix.data(), prefix.size(), &w);
    EXPECT_EQ(ok, n >= data_header_end) << n;
    if (ok) {
      EXPECT_EQ(w.length, n - data_header_end);
    }
  }
}

TEST(WaveRiffTest, FilePiecesKeepTheLastPieceAtLeast256Bytes) {
  struct Case {
    uint32_t total;
    std::vector<size_t> pieces;
  } cases[] = {
      {0, {}},
      {100, {100}},
      {65534, {65534}},
      {65535, {65278, 257}},
      {65600, {65278, 322}},
      {65789, {65278, 511}},
      {65790, {65534, 256}},
      {131068, {65534, 65534}},
      {131069, {65534, 65278, 257}},
  };
  for (const Case& c : cases) {
    std::vector<size_t> pieces;
    for (uint32_t rest = c.total; rest > 0;) {
      const size_t piece = WavFilePieceLength(rest);
      pieces.push_back(piece);
      rest -= static_cast<uint32_t>(piece);
    }
    EXPECT_EQ(pieces, c.pieces) << c.total;
  }
}

}  // namespace
}  // namespace pavodin
