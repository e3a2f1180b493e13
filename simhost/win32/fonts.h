// The fonts of the host's windows, made once and kept for the life of the process.
#pragma once

#include <windows.h>

namespace kv::sim::win {

// The command line and the text window: a fixed-pitch Japanese face.
HFONT CommandLineFont();

// A font for drawing texts in the view: `pixelHeight` tall, rotated by `degrees`,
// narrowed or widened by `widthFactor`. The caller deletes it.
HFONT CreateDrawingTextFont(int pixelHeight, double degrees, double widthFactor);

}  // namespace kv::sim::win
