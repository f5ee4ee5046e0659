#include "platform/window_metrics.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "testing/fakes.h"

namespace pavodin {
namespace {

TEST(EmSizeForCell, StretchesTheFontToTheAskedCell) {
  // DejaVu Sans Mono: 1.164 em high, 0.602 em wide.
  const EmProportions mono{1.164, 0.602};
  EXPECT_EQ(EmSizeForCell(16, 39, mono), (PixelSize{27, 34}));  // narrower than natural
  EXPECT_EQ(EmSizeForCell(23, 39, mono), (PixelSize{38, 34}));  // about natural
  // Nothing collapses to an em of 0, whatever the configuration says.
  EXPECT_EQ(EmSizeForCell(0, 0, mono), (PixelSize{2, 1}));
  EXPECT_EQ(EmSizeForCell(10, 20, {0.0, 0.0}), (PixelSize{17, 20}));
}

TEST(ComputeSizeLimits, NeverLargerThanTheGridOrTheDesktopNeverSmallerThan16By4Cells) {
  struct Case {
    CellMetrics cell;
    PixelSize usable;
    int caption;
    PixelSize maximum, minimum;
  } cases[] = {
      // Default cell of a 1280 × 1024 desktop: the grid fits, to the last column.
      {{16, 39, 30, 0}, {1280, 1024}, 0, {1280, 975}, {256, 156}},
      {{16, 39, 30, 0}, {1920, 1050}, 24, {1280, 975}, {256, 156}},
      // A grid taller than the desktop: the desktop below the caption.
      {{17, 29, 23, 0}, {1366, 728}, 24, {1360, 704}, {272, 116}},
      {{24, 40, 31, 0}, {1024, 768}, 0, {1024, 768}, {384, 160}},
      // A desktop smaller than 16 × 4 cells still gets the minimum.
      {{40, 80, 60, 0}, {320, 200}, 20, {640, 320}, {640, 320}},
  };
  for (const Case& c : cases) {
    const WindowSizeLimits limits = ComputeSizeLimits(c.cell, c.usable, c.caption);
    EXPECT_EQ(limits.maximum, c.maximum) << c.cell.width << "x" << c.cell.height << " on " << c.usable.width;
    EXPECT_EQ(limits.minimum, c.minimum) << c.cell.width << "x" << c.cell.height;
  }
  EXPECT_EQ(GridPixels({16, 39, 30, 0}), (PixelSize{1280, 975}));
}

TEST(SplitRuns, OneRunPerStretchOfEqualAttributes) {
  ScreenModel screen;
  RecordingDisplay shown;
  screen.Reset(0x07);
  screen.current_attr = 0x1F;
  screen.Write("Pavodin", &shown);
  screen.current_attr = 0x4F;
  screen.Write("!!", &shown);

  EXPECT_EQ(SplitRuns(screen, 0, 0, ScreenColumns),
            (std::vector<AttrRun>{{0, 7, 0x1F}, {7, 9, 0x4F}, {9, 80, 0x07}}));
  // A part of a row starts and ends where asked, even inside a run.
  EXPECT_EQ(SplitRuns(screen, 0, 3, 8), (std::vector<AttrRun>{{3, 7, 0x1F}, {7, 8, 0x4F}}));
  EXPECT_EQ(SplitRuns(screen, 1, 0, ScreenColumns), (std::vector<AttrRun>{{0, 80, 0x07}}));
  EXPECT_TRUE(SplitRuns(screen, 0, 5, 5).empty());
  EXPECT_TRUE(SplitRuns(screen, 0, 6, 2).empty());
  // Asked past the grid: only the grid's cells.
  EXPECT_EQ(SplitRuns(screen, 0, 70, 90), (std::vector<AttrRun>{{70, 80, 0x07}}));
}

TEST(MagnifierSource, EnlargesAroundThePointer) {
  const PixelSize image{1280, 975};
  EXPECT_EQ(MagnifierSource(0, 0, 2, image), (PixelRect{0, 0, 640, 487}));
  EXPECT_EQ(MagnifierSource(1280, 975, 2, image), (PixelRect{640, 488, 640, 487}));
  EXPECT_EQ(MagnifierSource(640, 400, 4, image), (PixelRect{480, 300, 320, 243}));
  // Factor 1 shows the image unchanged wherever the pointer is.
  EXPECT_EQ(MagnifierSource(700, 300, 1, image), (PixelRect{0, 0, 1280, 975}));
  // AMPLIF "0" or "8" gives factor 0: like the default 2.
  EXPECT_EQ(MagnifierSource(640, 400, 0, image), MagnifierSource(640, 400, 2, image));
  EXPECT_EQ(MagnifierSource(640, 400, -3, image), MagnifierSource(640, 400, 2, image));
}

TEST(MagnifierSource, ThePixelUnderThePointerStaysUnderIt) {
  const PixelSize image{1280, 975};
  for (int f : {2, 3, 4, 7}) {
    for (int x = 0; x <= image.width; x += 37) {
      for (int y = 0; y <= image.height; y += 41) {
        const PixelRect src = MagnifierSource(x, y, f, image);
        // Where the source pixel under the pointer lands once enlarged.
        const int shown_x = (x - src.x) * f, shown_y = (y - src.y) * f;
        EXPECT_LE(std::abs(shown_x - x), f) << "f=" << f << " x=" << x;
        EXPECT_LE(std::abs(shown_y - y), f) << "f=" << f << " y=" << y;
        EXPECT_LE(src.x + src.width, image.width);
        EXPECT_LE(src.y + src.height, image.height);
      }
    }
  }
}

TEST(CaretRect, UnderlinesTheCellAtTheBaseline) {
  const CellMetrics cell{16, 39, 30, 0};
  EXPECT_EQ(CaretRect(cell, 0, 0), (PixelRect{0, 30, 16, 2}));
  EXPECT_EQ(CaretRect(cell, 15, 24), (PixelRect{240, 24 * 39 + 30, 16, 2}));
}

}  // namespace
}  // namespace pavodin
