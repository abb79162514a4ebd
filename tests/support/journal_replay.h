#pragma once
// What a bitmap's drawing journal says, in two forms that do not depend on the drawing layer:
// one line of text per call, to pin down what was drawn, and the bitmap that plain painter
// calls make of it, to pin down how it looks.

#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics.h"

namespace testsupport {

// One line per call with every argument the journal keeps, doubles written exactly.
std::string JournalText(const std::vector<framework::DrawCall>& calls);

// 64-bit FNV-1a of `text`, in 16 hex digits.
std::string Digest(std::string_view text);

// The calls replayed into a fresh white RGB16 bitmap with the drawing layer's rules:
//  - ClearRect fills white;
//  - a straight line fills its pen's footprint, PenWidth by PenHeight hanging right of and
//    below the path, in black (the worksheet never changes the pen colour);
//  - a rectangle is placed by its centre, its fill opacity Fill percent as alpha
//    lround(Fill * 2.55); a translucent fill taller than 64 rows goes in bands of 64 rows; a
//    border lies inside, black and opaque (the worksheet keeps the border's defaults);
//  - a text is centred on x by its horizontal advance with its baseline at y, in the
//    application font at pixel size lround(TextSize), bold as asked.
// Slanted lines and pictures are not part of a worksheet bitmap: std::invalid_argument.
QImage ReplayJournal(const std::vector<framework::DrawCall>& calls, int width, int height);

// The first pixel where two bitmaps differ and how many do, "" when they are equal.
std::string PixelDifference(const QImage& actual, const QImage& expected);

}  // namespace testsupport
