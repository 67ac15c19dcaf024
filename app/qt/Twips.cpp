// Twips to pixels at the screen's resolution.
#include "qt/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ragozo::view {
namespace {

constexpr double kTwipsPerInch = 1440.0;

double dotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

int px(int twips) { return static_cast<int>(std::lround(twips * dotsPerInch() / kTwipsPerInch)); }

int twips(int pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerInch / dotsPerInch())); }

QRect pxRect(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }

}  // namespace ragozo::view
