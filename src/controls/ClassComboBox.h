#pragma once
// The drop-down list in which the class of a word is picked. Each entry shows
// its text 20 pixels from the left and, for item data 1 and 2, the class
// picture of the word lists. Entries are kept sorted by their text unless
// SetSorted(false) is called.
#include <QComboBox>
#include <QTimer>

class CClassComboBox : public QComboBox {
  Q_OBJECT

 public:
  static constexpr int kTextLeft = 20;

  explicit CClassComboBox(QWidget* parent = nullptr);

  // index -1 adds the entry (at its sorted place when sorted, else at the
  // end); otherwise it is inserted at index. Returns the entry's position.
  int AddLine(const QString& text, int itemData, int index = -1);

  void SetSorted(bool sorted) { m_sorted = sorted; }
  bool IsSorted() const { return m_sorted; }

  int ItemData(int index) const;
  // The position of the first entry with that item data, or -1.
  int FindItemData(int itemData) const;
  // Selects the entry with that item data; false (selection unchanged) if none.
  bool SelectItemData(int itemData);
  // The item data of the selected entry, or -1 when nothing is selected.
  int CurrentItemData() const;

  // The list opens with the last entry selected for a moment and then shows
  // the entry that was selected before, scrolled so that the whole list shows.
  void showPopup() override;
  void hidePopup() override;

 private:
  void RestoreSelection();

  int m_savedSelection = -1;
  bool m_sorted = true;
  QTimer m_restoreTimer;
};
