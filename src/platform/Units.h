#pragma once

#include <QColor>

// Screen and print positions are held in twips (1,440 to the inch, 15 to a pixel at 96 dpi);
// colours as a 32-bit value with red in the low byte (red + 256 x green + 65536 x blue).
inline constexpr int TwipsPerPixel = 15;

inline int PixelsFromTwips(double twips)
{
    return int(twips / TwipsPerPixel + 0.5);
}

inline double TwipsFromPixels(int pixels)
{
    return double(pixels) * TwipsPerPixel;
}

inline QColor ColorFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 ValueFromColor(const QColor& color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}
