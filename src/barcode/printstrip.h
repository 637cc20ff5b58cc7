#pragma once
// The print strip every design lies on, in printer pixels. Scene rectangles, positions, picture limits
// and file values that are bounded by the strip take its size from here. It lives in the lowest library
// because barcode pictures are already bounded by it.

constexpr int stripLength = 80000;
constexpr int stripHeight = 300;
// The strip's last pixel column: the largest x an item may start at, and the largest right edge that
// counts toward the design's width.
constexpr int stripLastX = stripLength - 1;
