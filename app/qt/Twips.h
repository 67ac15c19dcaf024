// Twips, the window logic's unit, to pixels: 1440 twips per inch at the screen's resolution.
#pragma once

#include <QRect>


namespace ragozo::view {

// Pixels for `twips` at the primary screen's logical resolution.
int px(int twips);
// Twips for `pixels`, the inverse of `px`.
int twips(int pixels);
QRect pxRect(int left, int top, int width, int height);

}  // namespace ragozo::view
