#include "WordListBox.h"

#include <algorithm>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextBoundaryFinder>

#include "DialogUnits.h"
#include "Drawing.h"
#include "Pictures.h"

namespace {

constexpr int kDataRole = Qt::UserRole;

int LineHeightFor(const QFontMetrics& metrics) {
  return qMax(CWordListBox::kLineHeight, metrics.height() + 3);
}

// Room kept between a right-to-left word and the column after it.
constexpr int kRtlGap = 10;

// Draws a word in its column, which starts at x and is width wide: shortened
// to fit when shorten is set, in the direction of its first letter, so that a
// right-to-left word (Arabic, Hebrew) runs from the column's right end and a
// word mixing both directions is laid out as its readers expect.
void DrawWord(QPainter& painter, const QFontMetrics& metrics, int x, int top, int width,
              const QString& word, bool shorten) {
  const bool rtl = word.isRightToLeft();
  const int room = rtl ? width - kRtlGap : width;
  const QString shown = shorten
                            ? CWordListBox::ShortenText(
                                  metrics, word, rtl ? room + CWordListBox::kShortenMargin : width)
                            : word;
  // Without AlignAbsolute, left means the start of the text's own direction.
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine |
                    (rtl ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
  painter.drawText(QRect(x, top, qMax(0, room), metrics.height()), flags, shown);
}

class CWordLineDelegate : public QStyledItemDelegate {
 public:
  explicit CWordLineDelegate(CWordListBox* list) : QStyledItemDelegate(list), m_list(list) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {0, LineHeightFor(QFontMetrics(option.font))};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (!index.isValid()) return;
    const QRect r = option.rect;
    const int right = RightOf(r);  // the line's right edge, counted from the list's left edge
    const QFontMetrics metrics(option.font);

    const QString text = index.data(Qt::DisplayRole).toString();
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = m_list->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QColor back =
        option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    const QColor ink =
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
    painter->save();
    painter->fillRect(r, back);
    painter->setPen(ink);
    painter->setFont(option.font);
    painter->setClipRect(r);

    const int textTop = r.top() + qMax(2, (r.height() - metrics.height()) / 2);
    const int leftStart = r.left() + CWordListBox::kTextLeft;
    if (tab < 0) {
      // Without a tab the one text may use the whole line.
      DrawWord(*painter, metrics, leftStart, textTop, right - leftStart, text, false);
    } else {
      DrawWord(*painter, metrics, leftStart, textTop, right / 2 - CWordListBox::kTextLeft,
               text.left(tab), true);
      DrawWord(*painter, metrics, right / 2, textTop, right / 2, text.mid(tab + 1), true);
    }

    if (selected && m_list->hasFocus()) DrawFocusRect(*painter, r, ink);

    const int mark = index.data(kDataRole).toInt();
    if (mark == 1 || mark == 2) {
      const int pictureTop = r.top() + qMax(1, (r.height() - CPictures::kClassPictureSize) / 2);
      painter->drawPixmap(r.left() + 2, pictureTop,
                          CPictures::ClassPicture(mark, painter->device()->devicePixelRatioF()));
    }
    painter->restore();
  }

 private:
  CWordListBox* m_list;
};

// A line tells screen readers "word, translation" instead of a raw tab, and
// its class by name. Both are made when asked for: a list of 300 words is
// filled at every start, and is read aloud seldom.
class CWordLine : public QListWidgetItem {
 public:
  explicit CWordLine(const QString& text) : QListWidgetItem(text) {}

  QVariant data(int role) const override {
    if (role == Qt::AccessibleTextRole)
      return QString(text()).replace(QLatin1Char('\t'), QStringLiteral(", "));
    if (role == Qt::AccessibleDescriptionRole) {
      const auto* list = static_cast<const CWordListBox*>(listWidget());
      const int mark = QListWidgetItem::data(kDataRole).toInt();
      if (list && mark >= 0 && mark < list->ClassNames().size()) return list->ClassNames().at(mark);
      return QVariant();
    }
    return QListWidgetItem::data(role);
  }
};

}  // namespace

CWordListBox::CWordListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new CWordLineDelegate(this));
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTextElideMode(Qt::ElideNone);
}

int CWordListBox::AddLine(const std::string& text, int itemData, int index) {
  return AddLine(QString::fromStdString(text), itemData, index);
}

int CWordListBox::AddLine(const QString& text, int itemData, int index) {
  auto* item = new CWordLine(text);
  item->setData(kDataRole, itemData);
  const int row = (index < 0 || index > count()) ? count() : index;
  insertItem(row, item);
  return row;
}

void CWordListBox::SelectOnly(int index) {
  clearSelection();
  if (index < 0 || index >= count()) return;
  setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  scrollToItem(item(index));
}

bool CWordListBox::SetTabStop(int n) {
  if (n < 0) return false;
  int average = fontMetrics().averageCharWidth();
  if (average <= 0) average = CDialogUnits(font()).BaseWidth();
  m_tabStop = n * average / 4;
  return true;
}

void CWordListBox::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && state() != EditingState) {
    if (!m_enterActivates) {
      event->ignore();
      return;
    }
    if (currentIndex().isValid()) Q_EMIT activated(currentIndex());
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

int CWordListBox::ItemData(int index) const {
  const QListWidgetItem* line = item(index);
  return line ? line->data(kDataRole).toInt() : 0;
}

std::string CWordListBox::LineText(int index) const {
  const QListWidgetItem* line = item(index);
  return line ? line->text().toStdString() : std::string();
}

std::vector<int> CWordListBox::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void CWordListBox::SetClassNames(const QStringList& names) {
  m_classNames = names;
}

QString CWordListBox::ShortenText(const QFontMetrics& metrics, const QString& text, int width) {
  if (text.isEmpty() || metrics.horizontalAdvance(text) + kShortenMargin <= width) return text;
  // Cuts fall between whole characters as the reader sees them: never inside
  // a surrogate pair, after a letter before its accent, or inside a syllable.
  QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
  const qsizetype first = graphemes.toNextBoundary();
  // A single character cannot get shorter; "X..." would only be wider.
  if (first < 0 || first >= text.size()) return text;
  const QString ellipsis = QStringLiteral("...");
  const int room = width - kShortenMargin - metrics.horizontalAdvance(ellipsis);
  // The longest head that fits, found by halving; at least one character stays.
  qsizetype low = first;
  qsizetype high = text.size() - 1;
  qsizetype best = first;
  while (low <= high) {
    qsizetype middle = low + (high - low) / 2;
    graphemes.setPosition(middle);
    if (!graphemes.isAtBoundary()) middle = graphemes.toPreviousBoundary();
    if (middle < low) middle = low;  // low is always at a boundary
    if (metrics.horizontalAdvance(text.left(middle)) <= room) {
      best = middle;
      graphemes.setPosition(middle);
      low = graphemes.toNextBoundary();
      if (low < 0) break;
    } else {
      high = middle - 1;
    }
  }
  return text.left(best) + ellipsis;
}
