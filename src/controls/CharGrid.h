#pragma once
// A grid of the characters of one block, 20 x 20 pixels a cell, row by row
// from the top left; a row holds as many cells as fit whole into the width,
// and only whole rows show. The first block is the Windows-1252 set the list
// files always held (codes 32 to 255); the others are Unicode blocks, one cell
// for each code point, empty where the block has no character. One cell may
// be marked. A click on a cell, typing a character of the block while the
// grid has the focus, or Enter on the marked cell chooses a character; the
// arrow keys move the mark.
#include <optional>
#include <string_view>

#include <QWidget>

class CCharGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCellSize = 20;
  // The most cells a block has; the grid's size hint shows them all.
  static constexpr int kMaxCells = 256;

  explicit CCharGrid(QWidget* parent = nullptr);

  // The blocks, in the order the program offers them. An id names a block in
  // the settings and stays when blocks are added.
  static int BlockCount();
  static std::string_view BlockId(int block);
  // The block of an id, or -1 when there is none.
  static int BlockOfId(std::string_view id);

  // Shows block (0 to BlockCount() - 1; anything else is ignored) and keeps
  // the marked character when the block holds it.
  void SetBlock(int block);
  int Block() const { return m_block; }
  int CellCount() const;

  // Marks the cell of ch; a character without a cell in this block clears
  // the mark.
  void SetMarkedChar(QChar ch);
  void ClearMark();
  // Marks the cell whose character is the whole text; no cell when the text is
  // empty or longer than one character.
  void MarkText(const QString& text);
  std::optional<QChar> MarkedChar() const;
  int MarkedCell() const { return m_marked; }

  int Columns() const;
  int VisibleCells() const;
  // The rectangle of a cell, or an empty rectangle when it does not show.
  QRect CellRect(int cell) const;
  // The cell at pos, or -1 outside every shown cell.
  int CellAt(const QPoint& pos) const;

  // The character of a cell of this block; a null QChar for an empty cell.
  QChar CharOfCell(int cell) const;
  // The cell of a character, or -1 when this block does not hold it.
  int CellOfChar(QChar ch) const;

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
  void SetMarked(int cell);
  int Step(int from, int delta) const;

  int m_block = 0;
  int m_marked = -1;
};
