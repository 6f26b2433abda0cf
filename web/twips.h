#pragma once

#include <QRect>

namespace tambrel {

// Layouts are given in twips; 15 twips are one pixel at 96 dpi.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

constexpr QRect TwipRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace tambrel
