#include "platform/window_metrics.h"

#include <algorithm>
#include <cmath>

namespace pavodin {

PixelSize EmSizeForCell(int cell_width, int cell_height, const EmProportions& font) {
  const double hpe = font.height_per_em > 0 ? font.height_per_em : 1.0;
  const double ape = font.advance_per_em > 0 ? font.advance_per_em : 0.6;
  PixelSize em;
  em.width = std::max(1, static_cast<int>(std::lround(std::max(cell_width, 1) / ape)));
  em.height = std::max(1, static_cast<int>(std::lround(std::max(cell_height, 1) / hpe)));
  return em;
}

PixelSize GridPixels(const CellMetrics& cell) {
  return {ScreenColumns * cell.width, ScreenRows * cell.height};
}

WindowSizeLimits ComputeSizeLimits(const CellMetrics& cell, PixelSize usable, int caption) {
  WindowSizeLimits limits;
  limits.minimum = {16 * cell.width, 4 * cell.height};
  const PixelSize grid = GridPixels(cell);
  limits.maximum.width = std::min(grid.width, usable.width);
  limits.maximum.height = std::min(grid.height, usable.height - caption);
  // A desktop smaller than the minimum still gets a window it can show.
  limits.maximum.width = std::max(limits.maximum.width, limits.minimum.width);
  limits.maximum.height = std::max(limits.maximum.height, limits.minimum.height);
  return limits;
}

std::vector<AttrRun> SplitRuns(const ScreenModel& screen, int row, int first, int end) {
  std::vector<AttrRun> runs;
  first = std::max(first, 0);
  end = std::min(end, ScreenColumns);
  int col = first;
  while (col < end) {
    AttrRun run{col, col, screen.AttrAt(col, row)};
    while (col < end && screen.AttrAt(col, row) == run.attr) ++col;
    run.end = col;
    runs.push_back(run);
  }
  return runs;
}

PixelRect MagnifierSource(int x, int y, int factor, PixelSize image) {
  const int f = factor >= 1 ? factor : 2;
  PixelRect src;
  src.x = std::max(0, x - x / f);
  src.y = std::max(0, y - y / f);
  src.width = image.width / f;
  src.height = image.height / f;
  return src;
}

PixelRect CaretRect(const CellMetrics& cell, int column, int row) {
  return {column * cell.width, row * cell.height + cell.ascent, cell.width, 2};
}

}  // namespace pavodin
