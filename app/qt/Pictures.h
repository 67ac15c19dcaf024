// The splash window's pictures, drawn rather than loaded: three animation frames and the information picture.
#pragma once

#include <QPixmap>

#include "window/Splash.h"

namespace ragozo::view {

// One frame of the animation: an open book whose page turns across the three frames.
QPixmap framePicture(window::Picture picture, QSize size);
// The picture beside "kattintson ide": an information sign.
QPixmap informationPicture(QSize size);

}  // namespace ragozo::view
