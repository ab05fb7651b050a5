#pragma once
// Dialog layouts are given in dialog units: a quarter of the dialog font's
// average character width horizontally and an eighth of its height vertically.
// CDialogUnits turns them into pixels the way the layouts were designed for.
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

class CDialogUnits {
 public:
  explicit CDialogUnits(const QFont& font);
  // For tests and callers that know the base units already.
  CDialogUnits(int baseWidth, int baseHeight);

  int BaseWidth() const { return m_baseWidth; }
  int BaseHeight() const { return m_baseHeight; }

  int X(int dialogUnits) const;
  int Y(int dialogUnits) const;
  QPoint Point(int x, int y) const { return {X(x), Y(y)}; }
  QSize Size(int width, int height) const { return {X(width), Y(height)}; }
  // The corners are mapped, not the size, so that adjacent rectangles stay adjacent.
  QRect Rect(int x, int y, int width, int height) const;

 private:
  int m_baseWidth;
  int m_baseHeight;
};
