#include "platform/text_stream_display.h"

#include <gtest/gtest.h>

namespace pavodin {
namespace {

TEST(TextStreamDisplayTest, TranscriptIsUtf8WithLineFeeds) {
  EXPECT_EQ(TextStreamDisplay::Transcript("Qual sua op\xE7\xE3o? x\r\n\x07ok\x81"),
            "Qual sua op\xC3\xA7\xC3\xA3o? x\nok ");
}

}  // namespace
}  // namespace pavodin
