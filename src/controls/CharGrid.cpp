#include "CharGrid.h"

#include <string>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include "Drawing.h"
#include "lang/Cp1252.h"

namespace {

class CCharGridAccessible : public QAccessibleWidget {
 public:
  explicit CCharGridAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::List) {}

  QString text(QAccessible::Text t) const override {
    const auto* grid = static_cast<const CCharGrid*>(widget());
    if (t == QAccessible::Value) {
      const std::optional<QChar> marked = grid->MarkedChar();
      return marked ? QString(*marked) : QString();
    }
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("CCharGrid") && object && object->isWidgetType())
    return new CCharGridAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

bool IsBlank(QChar ch) {
  return ch.isSpace() || ch.category() == QChar::Other_Format;
}

}  // namespace

CCharGrid::CCharGrid(QWidget* parent) : QWidget(parent) {
  static const bool installed = (QAccessible::installFactory(&Factory), true);
  Q_UNUSED(installed);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QChar CCharGrid::CharOfCode(int code) {
  if (code < kFirstCode || code > kLastCode) return {};
  const QString text = FromCp1252(std::string(1, char(code)));
  if (text.size() != 1) return {};
  const QChar ch = text.at(0);
  if (ch.category() == QChar::Other_Control) return {};
  return ch;
}

int CCharGrid::CodeOfChar(QChar ch) {
  std::string bytes;
  if (ch.isNull() || !ToCp1252(QString(ch), bytes) || bytes.size() != 1) return -1;
  const int code = static_cast<unsigned char>(bytes[0]);
  return CharOfCode(code) == ch ? code : -1;
}

void CCharGrid::SetMarked(int code) {
  if (code == m_marked) return;
  m_marked = code;
  update();
  Q_EMIT MarkChanged();
  const std::optional<QChar> marked = MarkedChar();
  QAccessibleValueChangeEvent event(this, marked ? QString(*marked) : QString());
  QAccessible::updateAccessibility(&event);
}

void CCharGrid::SetMarkedChar(QChar ch) {
  SetMarked(CodeOfChar(ch));
}

void CCharGrid::ClearMark() {
  SetMarked(-1);
}

void CCharGrid::MarkText(const QString& text) {
  SetMarked(text.size() == 1 ? CodeOfChar(text.at(0)) : -1);
}

std::optional<QChar> CCharGrid::MarkedChar() const {
  if (m_marked < 0) return std::nullopt;
  return CharOfCode(m_marked);
}

int CCharGrid::Columns() const {
  return width() / kCellSize;
}

int CCharGrid::VisibleCells() const {
  const int columns = Columns();
  if (columns <= 0) return 0;
  const int rows = height() / kCellSize;
  return qMin(kCodeCount, columns * rows);
}

QRect CCharGrid::CellRect(int code) const {
  const int cell = code - kFirstCode;
  if (cell < 0 || cell >= VisibleCells()) return {};
  const int columns = Columns();
  return {(cell % columns) * kCellSize, (cell / columns) * kCellSize, kCellSize, kCellSize};
}

int CCharGrid::CodeAt(const QPoint& pos) const {
  const int columns = Columns();
  if (columns <= 0 || pos.x() < 0 || pos.y() < 0) return -1;
  const int column = pos.x() / kCellSize;
  if (column >= columns) return -1;
  const int cell = (pos.y() / kCellSize) * columns + column;
  return cell < VisibleCells() ? kFirstCode + cell : -1;
}

QSize CCharGrid::sizeHint() const {
  return {16 * kCellSize, (kCodeCount / 16) * kCellSize};
}

void CCharGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  const QColor shadow = colours.color(QPalette::Dark);
  const QColor highlight = colours.color(QPalette::Light);
  painter.fillRect(rect(), colours.color(QPalette::Window));
  painter.setFont(font());

  const int visible = VisibleCells();
  for (int code = kFirstCode; code < kFirstCode + visible; ++code) {
    const QRect cell = CellRect(code);
    const QChar ch = CharOfCode(code);
    if (ch.isNull()) continue;  // no character: the cell stays empty
    const int l = cell.x();
    const int t = cell.y();
    const int r = RightOf(cell);
    const int b = BottomOf(cell);
    const bool marked = code == m_marked;
    painter.fillRect(cell, colours.color(marked ? QPalette::Base : QPalette::Button));
    if (marked) {
      DrawPolyline(painter, shadow, {{l, b - 1}, {l, t}, {r, t}});
      DrawPolyline(painter, highlight, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
    } else {
      DrawPolyline(painter, highlight, {{l, b - 1}, {l, t}, {r, t}});
      DrawPolyline(painter, shadow, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
    }

    const QColor ink = colours.color(marked ? QPalette::Text : QPalette::ButtonText);
    if (IsBlank(ch)) {
      // Spaces and the soft hyphen would be invisible: a grey sign stands in.
      painter.setPen(colours.color(QPalette::Disabled, QPalette::ButtonText));
      if (ch == QChar(0xAD)) {
        painter.drawLine(l + 7, t + 10, r - 8, t + 10);
      } else {
        painter.drawLine(l + 5, b - 7, l + 5, b - 5);
        painter.drawLine(l + 5, b - 5, r - 6, b - 5);
        painter.drawLine(r - 6, b - 5, r - 6, b - 7);
      }
    } else {
      painter.setPen(ink);
      painter.drawText(QRect(l, t + 1, kCellSize, kCellSize - 1),
                       Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, QString(ch));
    }
    if (marked && hasFocus())
      DrawFocusRect(painter, cell.adjusted(2, 2, -2, -2), colours.color(QPalette::Text));
  }
  if (hasFocus() && CellRect(m_marked).isEmpty())
    DrawFocusRect(painter, rect(), colours.color(QPalette::WindowText));
}

void CCharGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const int code = CodeAt(event->position().toPoint());
  if (code < 0) {
    ClearMark();
    return;
  }
  const QChar ch = CharOfCode(code);
  if (ch.isNull()) return;  // a code without a character cannot be chosen
  SetMarked(code);
  Q_EMIT CharChosen(ch);
}

int CCharGrid::Step(int from, int delta) const {
  const int last = kFirstCode + VisibleCells() - 1;
  for (int code = from + delta; code >= kFirstCode && code <= last; code += delta) {
    if (!CharOfCode(code).isNull()) return code;
  }
  return from;  // nowhere to go: the mark stays
}

void CCharGrid::keyPressEvent(QKeyEvent* event) {
  const int columns = qMax(1, Columns());
  const int first = Step(kFirstCode - 1, 1);
  const int last = Step(kFirstCode + VisibleCells(), -1);
  const bool none = CellRect(m_marked).isEmpty();
  int target = -2;
  switch (event->key()) {
    case Qt::Key_Left:
      target = none ? first : Step(m_marked, -1);
      break;
    case Qt::Key_Right:
      target = none ? first : Step(m_marked, 1);
      break;
    case Qt::Key_Up:
      target = none ? first : Step(m_marked, -columns);
      break;
    case Qt::Key_Down:
      target = none ? first : Step(m_marked, columns);
      break;
    case Qt::Key_Home:
      target = first;
      break;
    case Qt::Key_End:
      target = last;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (const std::optional<QChar> marked = MarkedChar()) {
        Q_EMIT CharChosen(*marked);
        return;
      }
      QWidget::keyPressEvent(event);  // nothing marked: the dialog's Enter
      return;
    default:
      break;
  }
  if (target != -2) {
    if (target >= kFirstCode) SetMarked(target);
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    const int code = CodeOfChar(typed.at(0));
    if (code >= 0) {
      SetMarked(code);
      Q_EMIT CharChosen(typed.at(0));
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

void CCharGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void CCharGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}
