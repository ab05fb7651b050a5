#include "CharGrid.h"

#include <array>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include "Drawing.h"

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

struct CharBlock {
  std::string_view id;
  char16_t first;  // for the Windows-1252 block: codes
  char16_t last;
};

constexpr std::array<CharBlock, 12> kBlocks = {{
    {"Latin1", 32, 255},  // the Windows-1252 set: Latin-1 with the euro sign, quotes and dashes
    {"LatinExtA", 0x0100, 0x017F},
    {"LatinExtB", 0x0180, 0x024F},
    {"IPA", 0x0250, 0x02FF},  // with the spacing modifiers: stress and length marks
    {"Combining", 0x0300, 0x036F},
    {"Greek", 0x0370, 0x03FF},
    {"Cyrillic", 0x0400, 0x04FF},
    {"Hebrew", 0x0590, 0x05FF},
    {"Arabic", 0x0600, 0x06FF},
    {"Vietnamese", 0x1E00, 0x1EFF},
    {"Punctuation", 0x2000, 0x20CF},  // with super- and subscripts and the currency signs
    {"Kana", 0x3040, 0x30FF},
}};

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QChar CharOf(int block, int cell) {
  const CharBlock& b = kBlocks[std::size_t(block)];
  if (cell < 0 || cell > b.last - b.first) return {};
  const int code = b.first + cell;
  QChar ch{char16_t(code)};
  if (block == 0 && code >= 0x80 && code <= 0x9F) ch = QChar(kCp1252High[code - 0x80]);
  switch (ch.category()) {
    case QChar::Other_Control:
    case QChar::Other_NotAssigned:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
      return {};
    default:
      return ch;
  }
}

// A combining mark shows on a dotted circle, as character charts show it.
QString ShownText(QChar ch) {
  const QChar::Category category = ch.category();
  if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
      category == QChar::Mark_Enclosing)
    return QString(QChar(0x25CC)) + ch;
  return QString(ch);
}

}  // namespace

CCharGrid::CCharGrid(QWidget* parent) : QWidget(parent) {
  static const bool installed = (QAccessible::installFactory(&Factory), true);
  Q_UNUSED(installed);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int CCharGrid::BlockCount() {
  return int(kBlocks.size());
}

std::string_view CCharGrid::BlockId(int block) {
  return block >= 0 && block < BlockCount() ? kBlocks[std::size_t(block)].id : std::string_view();
}

int CCharGrid::BlockOfId(std::string_view id) {
  for (int block = 0; block < BlockCount(); ++block)
    if (kBlocks[std::size_t(block)].id == id) return block;
  return -1;
}

void CCharGrid::SetBlock(int block) {
  if (block < 0 || block >= BlockCount() || block == m_block) return;
  const std::optional<QChar> marked = MarkedChar();
  m_block = block;
  m_marked = -1;
  update();
  updateGeometry();
  if (!marked) return;
  // The marked cell moves to the new block, or the mark goes.
  m_marked = -2;
  SetMarked(CellOfChar(*marked));
}

int CCharGrid::CellCount() const {
  const CharBlock& b = kBlocks[std::size_t(m_block)];
  return b.last - b.first + 1;
}

QChar CCharGrid::CharOfCell(int cell) const {
  return CharOf(m_block, cell);
}

int CCharGrid::CellOfChar(QChar ch) const {
  if (ch.isNull()) return -1;
  const CharBlock& b = kBlocks[std::size_t(m_block)];
  int cell = ch.unicode() - b.first;
  if (m_block == 0 && ch.unicode() >= 0x80) {
    cell = -1;
    for (std::size_t i = 0; i < kCp1252High.size(); ++i)
      if (kCp1252High[i] == ch.unicode()) cell = int(0x80 + i) - b.first;
    if (ch.unicode() >= 0xA0 && ch.unicode() <= 0xFF) cell = ch.unicode() - b.first;
  }
  return cell >= 0 && cell < CellCount() && CharOfCell(cell) == ch ? cell : -1;
}

void CCharGrid::SetMarked(int cell) {
  if (cell == m_marked) return;
  m_marked = cell;
  update();
  Q_EMIT MarkChanged();
  const std::optional<QChar> marked = MarkedChar();
  QAccessibleValueChangeEvent event(this, marked ? QString(*marked) : QString());
  QAccessible::updateAccessibility(&event);
}

void CCharGrid::SetMarkedChar(QChar ch) {
  SetMarked(CellOfChar(ch));
}

void CCharGrid::ClearMark() {
  SetMarked(-1);
}

void CCharGrid::MarkText(const QString& text) {
  SetMarked(text.size() == 1 ? CellOfChar(text.at(0)) : -1);
}

std::optional<QChar> CCharGrid::MarkedChar() const {
  if (m_marked < 0) return std::nullopt;
  return CharOfCell(m_marked);
}

int CCharGrid::Columns() const {
  return width() / kCellSize;
}

int CCharGrid::VisibleCells() const {
  const int columns = Columns();
  if (columns <= 0) return 0;
  const int rows = height() / kCellSize;
  return qMin(CellCount(), columns * rows);
}

QRect CCharGrid::CellRect(int cell) const {
  if (cell < 0 || cell >= VisibleCells()) return {};
  const int columns = Columns();
  return {(cell % columns) * kCellSize, (cell / columns) * kCellSize, kCellSize, kCellSize};
}

int CCharGrid::CellAt(const QPoint& pos) const {
  const int columns = Columns();
  if (columns <= 0 || pos.x() < 0 || pos.y() < 0) return -1;
  const int column = pos.x() / kCellSize;
  if (column >= columns) return -1;
  const int cell = (pos.y() / kCellSize) * columns + column;
  return cell < VisibleCells() ? cell : -1;
}

QSize CCharGrid::sizeHint() const {
  return {16 * kCellSize, (kMaxCells / 16) * kCellSize};
}

void CCharGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  const QColor shadow = colours.color(QPalette::Dark);
  const QColor highlight = colours.color(QPalette::Light);
  painter.fillRect(rect(), colours.color(QPalette::Window));
  painter.setFont(font());

  const int visible = VisibleCells();
  for (int index = 0; index < visible; ++index) {
    const QRect cell = CellRect(index);
    const QChar ch = CharOfCell(index);
    if (ch.isNull()) continue;  // no character: the cell stays empty
    const int l = cell.x();
    const int t = cell.y();
    const int r = RightOf(cell);
    const int b = BottomOf(cell);
    const bool marked = index == m_marked;
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
                       Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, ShownText(ch));
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
  const int cell = CellAt(event->position().toPoint());
  if (cell < 0) {
    ClearMark();
    return;
  }
  const QChar ch = CharOfCell(cell);
  if (ch.isNull()) return;  // an empty cell cannot be chosen
  SetMarked(cell);
  Q_EMIT CharChosen(ch);
}

int CCharGrid::Step(int from, int delta) const {
  const int last = VisibleCells() - 1;
  for (int cell = from + delta; cell >= 0 && cell <= last; cell += delta) {
    if (!CharOfCell(cell).isNull()) return cell;
  }
  return from;  // nowhere to go: the mark stays
}

void CCharGrid::keyPressEvent(QKeyEvent* event) {
  const int columns = qMax(1, Columns());
  const int first = Step(-1, 1);
  const int last = Step(VisibleCells(), -1);
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
    if (target >= 0) SetMarked(target);
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    const int cell = CellOfChar(typed.at(0));
    if (cell >= 0) {
      SetMarked(cell);
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
