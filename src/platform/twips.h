#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zrl {

// Layouts are written in twips: 1440 per inch, so 15 per pixel at 96 dpi. Qt's device-
// independent pixels are 96-dpi pixels, and high-DPI scaling takes care of the rest.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

constexpr QRect TwipRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

constexpr QSize TwipSize(int width, int height) {
    return QSize(TwipsToPixels(width), TwipsToPixels(height));
}

// Places a control inside its parent's client area.
void PlaceTwips(QWidget* control, int left, int top, int width, int height);

// Fixes a window's client area; the window cannot be resized by the user.
void SetClientSizeTwips(QWidget* window, int width, int height);

}  // namespace zrl
