#pragma once
// Pixel-exact drawing shared by the self-drawn controls. Rectangles use Qt's
// QRect; "right" and "bottom" below are exclusive (left + width, top + height).
#include <initializer_list>

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

// Horizontal and vertical segments through the points, each drawn from its first
// point up to but not including its last, one pixel wide.
void DrawPolyline(QPainter& painter, const QColor& colour, std::initializer_list<QPoint> points);

// A one-pixel frame just inside rect.
void DrawFrame(QPainter& painter, const QRect& rect, const QColor& colour);

// The dotted keyboard focus rectangle just inside rect: every other pixel.
void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour);

inline int RightOf(const QRect& rect) {
  return rect.x() + rect.width();
}
inline int BottomOf(const QRect& rect) {
  return rect.y() + rect.height();
}
