#pragma once
// A grid of the characters 32 to 255 of the list files' code page, 20 x 20
// pixels a cell, row by row from the top left; a row holds as many cells as fit
// whole into the width, and only whole rows show. One cell may be marked. A
// click on a cell, typing a character while the grid has the focus, or Enter on
// the marked cell chooses a character; the arrow keys move the mark.
#include <optional>

#include <QWidget>

class CCharGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCellSize = 20;
  static constexpr int kFirstCode = 32;
  static constexpr int kLastCode = 255;
  static constexpr int kCodeCount = kLastCode - kFirstCode + 1;

  explicit CCharGrid(QWidget* parent = nullptr);

  // Marks the cell of ch; a character that has no cell clears the mark.
  void SetMarkedChar(QChar ch);
  void ClearMark();
  // Marks the cell whose character is the whole text; no cell when the text is
  // empty or longer than one character.
  void MarkText(const QString& text);
  std::optional<QChar> MarkedChar() const;
  int MarkedCode() const { return m_marked; }

  int Columns() const;
  int VisibleCells() const;
  // The cell of a code, or an empty rectangle when it does not show.
  QRect CellRect(int code) const;
  // The code of the cell at pos, or -1 outside every shown cell.
  int CodeAt(const QPoint& pos) const;

  // The character of a code; a null QChar for the codes without one (127 and
  // the five codes the code page leaves undefined).
  static QChar CharOfCode(int code);
  // The code of a character, or -1 when the grid does not hold it.
  static int CodeOfChar(QChar ch);

  QSize sizeHint() const override;

 Q_SIGNALS:
  void CharChosen(QChar ch);
  void MarkChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void SetMarked(int code);
  int Step(int from, int delta) const;

  int m_marked = -1;
};
