#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace table {

// The dialogs are designed in twips; on the screen 15 twips make a pixel.
inline constexpr int kDialogTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return (twips + (twips >= 0 ? kDialogTwipsPerPixel / 2 : -kDialogTwipsPerPixel / 2)) /
         kDialogTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

inline void PlaceInTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(TwipsRect(left, top, width, height));
}

}  // namespace table
