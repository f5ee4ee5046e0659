// Arbitrary text through all five stages with the shipped br4 data.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/file_system.h"
#include "tts/front_end.h"
#include "tts/recording_tts_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static pavodin::TtsFrontEnd* engine = [] {
    auto* e = new pavodin::TtsFrontEnd;
    pavodin::DiskFileSystem fs;
    pavodin::RecordingTtsMessages messages;
    std::string err;
    if (!e->Load(fs, pavodin::TtsDataFilesIn(std::string(PAVODIN_SOURCE_DATA_DIR) + "/tts/br4"),
                 messages, &err)) {
      std::abort();
    }
    return e;
  }();
  engine->Run(std::string_view(reinterpret_cast<const char*>(data), size), 1.0, 0.8);
  return 0;
}
