// The splash window's drawn pictures.
#include "qt/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace ragozo::view {
namespace {

const QColor kPaper(250, 246, 232);
const QColor kInk(40, 60, 110);
const QColor kCover(150, 40, 40);

// The page that turns, drawn from the spine to its edge at `edgeX`.
void drawTurningPage(QPainter& p, QPointF spine, double edgeX, double height) {
  QPainterPath page;
  page.moveTo(spine);
  page.cubicTo(spine.x() + (edgeX - spine.x()) * 0.5, spine.y() - height * 0.12, edgeX, spine.y() - height * 0.08,
               edgeX, spine.y());
  page.lineTo(edgeX, spine.y() + height);
  page.cubicTo(edgeX, spine.y() + height * 0.92, spine.x() + (edgeX - spine.x()) * 0.5, spine.y() + height * 0.88,
               spine.x(), spine.y() + height);
  page.closeSubpath();
  p.setBrush(kPaper.darker(105));
  p.drawPath(page);
}

}  // namespace

QPixmap framePicture(window::Picture picture, QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  if (picture == window::Picture::none) return pixmap;
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width();
  const double h = size.height();
  const QRectF cover(w * 0.06, h * 0.18, w * 0.88, h * 0.7);
  p.setPen(QPen(kCover.darker(130), 1.5));
  p.setBrush(kCover);
  p.drawRoundedRect(cover, 4, 4);
  const QRectF left(w * 0.1, h * 0.22, w * 0.38, h * 0.6);
  const QRectF right(w * 0.52, h * 0.22, w * 0.38, h * 0.6);
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(left);
  p.drawRect(right);
  // Lines of text on both pages.
  p.setPen(QPen(kInk.lighter(160), 1));
  for (int i = 1; i <= 5; ++i) {
    const double y = left.top() + left.height() * i / 6.5;
    p.drawLine(QPointF(left.left() + 5, y), QPointF(left.right() - 5, y));
    p.drawLine(QPointF(right.left() + 5, y), QPointF(right.right() - 5, y));
  }
  p.setPen(QPen(kInk, 1));
  const QPointF spine(w * 0.5, left.top());
  switch (picture) {
    case window::Picture::firstFrame:
      drawTurningPage(p, spine, right.right() - right.width() * 0.1, left.height());
      break;
    case window::Picture::secondFrame:
      drawTurningPage(p, spine, w * 0.5 + 2, left.height());
      break;
    case window::Picture::thirdFrame:
      drawTurningPage(p, spine, left.left() + left.width() * 0.1, left.height());
      break;
    case window::Picture::none:
      break;
  }
  // The word on the book: what the program does.
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(static_cast<int>(h * 0.12));
  p.setFont(font);
  p.setPen(kCover);
  p.drawText(QRectF(0, 0, w, h * 0.18), Qt::AlignCenter, QStringLiteral("ige → igék"));
  return pixmap;
}

QPixmap informationPicture(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF circle(1, 1, size.width() - 2, size.height() - 2);
  p.setPen(QPen(kInk.darker(120), 1.5));
  p.setBrush(QColor(70, 110, 190));
  p.drawEllipse(circle);
  QFont font = p.font();
  font.setBold(true);
  font.setFamily(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(static_cast<int>(size.height() * 0.7));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(circle, Qt::AlignCenter, QStringLiteral("i"));
  return pixmap;
}

}  // namespace ragozo::view
