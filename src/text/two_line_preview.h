// The two-line dialog's preview: where the label's lines sit and which of the candidate base
// points is chosen, on a 73 x 49 picture.
#pragma once

#include "platform/canvas.h"

namespace kv {

inline constexpr int kPreviewWidth = 73;
inline constexpr int kPreviewHeight = 49;

struct BasePoint {
    int column = 0;
    int row = 0;
};

// The candidate nearest the pixel; of two equally near, the first (left, lower).
BasePoint NearestBasePoint(int x, int y);

// One line shows only the middle row, and its base point lies there whatever row is chosen.
void DrawTwoLinePreview(Canvas& canvas, int lineCount, BasePoint chosen);

}  // namespace kv
