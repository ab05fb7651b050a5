#include "DialogUnits.h"

#include <QFontMetrics>
#include <QString>

namespace {

// value * numerator / denominator, rounded half away from zero.
int MulDivRound(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : -((-product + half) / denominator));
}

}  // namespace

CDialogUnits::CDialogUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average width of the 52 Latin letters, rounded; the height is the
  // font's full line height.
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_baseWidth = qMax(1, (letters / 26 + 1) / 2);
  m_baseHeight = qMax(1, metrics.height());
}

CDialogUnits::CDialogUnits(int baseWidth, int baseHeight)
    : m_baseWidth(qMax(1, baseWidth)), m_baseHeight(qMax(1, baseHeight)) {}

int CDialogUnits::X(int dialogUnits) const {
  return MulDivRound(dialogUnits, m_baseWidth, 4);
}

int CDialogUnits::Y(int dialogUnits) const {
  return MulDivRound(dialogUnits, m_baseHeight, 8);
}

QRect CDialogUnits::Rect(int x, int y, int width, int height) const {
  const QPoint topLeft(X(x), Y(y));
  const QPoint bottomRight(X(x + width), Y(y + height));
  return QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
}
