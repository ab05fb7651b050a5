#include "Drawing.h"

#include <QPainter>

void DrawPolyline(QPainter& painter, const QColor& colour, std::initializer_list<QPoint> points) {
  if (points.size() < 2) return;
  const QPoint* from = points.begin();
  for (const QPoint* to = from + 1; to != points.end(); from = to, ++to) {
    if (from->y() == to->y()) {
      if (to->x() > from->x())
        painter.fillRect(QRect(from->x(), from->y(), to->x() - from->x(), 1), colour);
      else if (to->x() < from->x())
        painter.fillRect(QRect(to->x() + 1, from->y(), from->x() - to->x(), 1), colour);
    } else if (from->x() == to->x()) {
      if (to->y() > from->y())
        painter.fillRect(QRect(from->x(), from->y(), 1, to->y() - from->y()), colour);
      else
        painter.fillRect(QRect(from->x(), to->y() + 1, 1, from->y() - to->y()), colour);
    } else {
      // Not used by the controls; drawn plainly for completeness.
      painter.save();
      painter.setPen(colour);
      painter.drawLine(*from, *to);
      painter.restore();
    }
  }
}

void DrawFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.isEmpty()) return;
  painter.fillRect(QRect(rect.x(), rect.y(), rect.width(), 1), colour);
  painter.fillRect(QRect(rect.x(), BottomOf(rect) - 1, rect.width(), 1), colour);
  painter.fillRect(QRect(rect.x(), rect.y(), 1, rect.height()), colour);
  painter.fillRect(QRect(RightOf(rect) - 1, rect.y(), 1, rect.height()), colour);
}

void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.width() < 1 || rect.height() < 1) return;
  const int left = rect.x();
  const int top = rect.y();
  const int right = RightOf(rect) - 1;
  const int bottom = BottomOf(rect) - 1;
  for (int x = left; x <= right; x += 2) {
    painter.fillRect(QRect(x, top, 1, 1), colour);
    painter.fillRect(QRect(x, bottom, 1, 1), colour);
  }
  for (int y = top; y <= bottom; y += 2) {
    painter.fillRect(QRect(left, y, 1, 1), colour);
    painter.fillRect(QRect(right, y, 1, 1), colour);
  }
}
