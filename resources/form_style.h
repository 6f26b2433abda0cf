#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

// What the calculator's windows share: positions in twips, the forms' font
// and their grey.
namespace tambrel {

// Layouts are given in twips; 15 twips are one logical pixel, which Qt
// scales on high-DPI screens.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

constexpr QRect TwipRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// Bold "MS Sans Serif" where it exists, else a Cyrillic sans face of Debian.
inline QFont FormFont(qreal points) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// The face of the About window, its button and the banner strip.
constexpr QColor FaceGrey(224, 224, 224);

}  // namespace tambrel
