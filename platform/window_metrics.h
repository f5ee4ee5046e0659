#ifndef PAVODIN_PLATFORM_WINDOW_METRICS_H_
#define PAVODIN_PLATFORM_WINDOW_METRICS_H_

#include <cstdint>
#include <vector>

#include "console/screen_model.h"

// The arithmetic of the console window, kept apart from SDL so it can be
// checked on its own: font scaling to a cell, the window's size limits, the
// runs a row is painted in, the magnifier's source rectangle.

namespace pavodin {

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// One character cell of the console font.
struct CellMetrics {
  int width = 0;     // the font's average character width
  int height = 0;    // the font's height plus its external leading
  int ascent = 0;    // baseline distance from the top of a cell
  int overhang = 0;  // added to every horizontal text position
};

// A font measured at one em: height (ascent + descent) and advance as
// fractions of the em. Monospaced fonts have one advance for all glyphs.
struct EmProportions {
  double height_per_em = 1.0;
  double advance_per_em = 0.6;
};

// The horizontal and vertical em sizes, in pixels, that make the font's
// height `cell_height` and its advance `cell_width` (the font is stretched
// when the configured width does not match its natural proportions).
// Both are at least 1.
PixelSize EmSizeForCell(int cell_width, int cell_height, const EmProportions& font);

// Limits of the window's drawing area. `usable` is the desktop's usable
// area; `caption` is the title bar the window manager adds above (0 when
// unknown). The drawing area is never larger than the grid nor than the
// usable area below the caption, and never smaller than 16 × 4 cells. The
// side frames are not taken off: a window as wide as the desktop keeps its
// whole last column and lets its frames go past the edges, as a maximized
// window does.
struct WindowSizeLimits {
  PixelSize maximum;
  PixelSize minimum;
};
WindowSizeLimits ComputeSizeLimits(const CellMetrics& cell, PixelSize usable, int caption);

// The whole grid's size in pixels.
PixelSize GridPixels(const CellMetrics& cell);

// Columns [first, end) of a row cut into runs of equal attributes, each
// painted with one fill and one colour.
struct AttrRun {
  int first = 0;
  int end = 0;
  uint8_t attr = 0;
  bool operator==(const AttrRun&) const = default;
};
std::vector<AttrRun> SplitRuns(const ScreenModel& screen, int row, int first, int end);

// The part of the window image shown enlarged over the whole image
// (`image`) when the pointer is at (x, y): the pixel under the pointer stays
// under it. A factor below 1 behaves like 2 (the configured default).
PixelRect MagnifierSource(int x, int y, int factor, PixelSize image);

// The cell rectangle a caret underlines at the baseline, 2 pixels high.
PixelRect CaretRect(const CellMetrics& cell, int column, int row);

}  // namespace pavodin

#endif  // PAVODIN_PLATFORM_WINDOW_METRICS_H_
