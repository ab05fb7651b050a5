#include "ClassComboBox.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "Pictures.h"

namespace {

constexpr int kDataRole = Qt::UserRole;

int EntryHeight(const QFontMetrics& metrics) {
  return qMax(16, metrics.height() + 4);
}

class CClassEntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QFontMetrics metrics(option.font);
    const int textWidth = metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {CClassComboBox::kTextLeft + textWidth + 8, EntryHeight(metrics)};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QRect r = option.rect;
    const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    painter->save();
    painter->fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const QFontMetrics metrics(option.font);
    const QRect textRect(r.left() + CClassComboBox::kTextLeft, r.top(),
                         qMax(0, r.width() - CClassComboBox::kTextLeft), r.height());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.isValid() ? index.data(Qt::DisplayRole).toString() : QString());
    const int mark = index.data(kDataRole).toInt();
    if (mark == 1 || mark == 2) {
      const int top = r.top() + qMax(1, (r.height() - CPictures::kClassPictureSize) / 2);
      painter->drawPixmap(r.left() + 1, top,
                          CPictures::ClassPicture(mark, painter->device()->devicePixelRatioF()));
    }
    painter->restore();
  }
};

QIcon FieldIcon(int itemData) {
  // The closed field shows the same picture; class 0 gets an empty one so that
  // every text starts at the same place.
  if (itemData == 1 || itemData == 2) return QIcon(CPictures::ClassPicture(itemData));
  QPixmap empty(CPictures::kClassPictureSize, CPictures::kClassPictureSize);
  empty.fill(Qt::transparent);
  return QIcon(empty);
}

}  // namespace

CClassComboBox::CClassComboBox(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new CClassEntryDelegate(this));
  setIconSize(QSize(CPictures::kClassPictureSize, CPictures::kClassPictureSize));
  setSizeAdjustPolicy(QComboBox::AdjustToContents);
  m_restoreTimer.setSingleShot(true);
  m_restoreTimer.setInterval(1);
  connect(&m_restoreTimer, &QTimer::timeout, this, &CClassComboBox::RestoreSelection);
}

int CClassComboBox::AddLine(const QString& text, int itemData, int index) {
  int row = count();
  if (index >= 0 && index <= count()) {
    row = index;
  } else if (m_sorted) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    row = 0;
    while (row < count() && collator.compare(itemText(row), text) <= 0) ++row;
  }
  insertItem(row, FieldIcon(itemData), text, itemData);
  return row;
}

int CClassComboBox::ItemData(int index) const {
  const QVariant data = itemData(index, kDataRole);
  return data.isValid() ? data.toInt() : -1;
}

int CClassComboBox::FindItemData(int data) const {
  return findData(data, kDataRole);
}

bool CClassComboBox::SelectItemData(int data) {
  const int row = FindItemData(data);
  if (row < 0) return false;
  setCurrentIndex(row);
  return true;
}

int CClassComboBox::CurrentItemData() const {
  return currentIndex() < 0 ? -1 : ItemData(currentIndex());
}

void CClassComboBox::showPopup() {
  m_savedSelection = currentIndex();
  if (count() > 0) {
    // Only a moment: the signals stay quiet, the owner sees no change.
    const QSignalBlocker quiet(this);
    setCurrentIndex(count() - 1);
  }
  update();
  QComboBox::showPopup();
  m_restoreTimer.start();
}

void CClassComboBox::hidePopup() {
  // Closed before the moment passed: put the old entry back before any choice
  // made in the list is applied.
  if (m_restoreTimer.isActive()) {
    m_restoreTimer.stop();
    RestoreSelection();
  }
  QComboBox::hidePopup();
}

void CClassComboBox::RestoreSelection() {
  {
    const QSignalBlocker quiet(this);
    setCurrentIndex(m_savedSelection);
  }
  if (view() && m_savedSelection >= 0)
    view()->setCurrentIndex(model()->index(m_savedSelection, modelColumn(), rootModelIndex()));
  update();
}
