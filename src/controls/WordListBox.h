#pragma once
// A list of word pairs in two columns. Each line's text is the foreign word, a
// tab and the translation; its item data is the word's class (0, 1 or 2),
// shown as a small picture at the left. Too long words are cut and end in
// "...". The selection mode is the caller's choice: single, extended or
// multiple (each click toggles a line).
#include <optional>
#include <string>
#include <vector>

#include <QListWidget>

class QFontMetrics;

class CWordListBox : public QListWidget {
  Q_OBJECT

 public:
  static constexpr int kLineHeight = 16;
  static constexpr int kTextLeft = 20;
  static constexpr int kShortenMargin = 4;

  explicit CWordListBox(QWidget* parent = nullptr);

  // index -1 appends; otherwise the line is inserted at index. Returns the
  // position of the new line. The std::string form takes UTF-8.
  int AddLine(const std::string& text, int itemData, int index = -1);
  int AddLine(const QString& text, int itemData, int index = -1);

  // Clears the whole selection, then selects line index and makes it current.
  void SelectOnly(int index);

  // Keeps n quarters of the font's average character width; false for n < 0.
  // The drawing does not use it.
  bool SetTabStop(int n);
  std::optional<int> TabStop() const { return m_tabStop; }

  int ItemData(int index) const;
  std::string LineText(int index) const;  // UTF-8
  std::vector<int> SelectedRows() const;  // ascending

  // Names of the classes 0, 1 and 2, reported to screen readers with each line.
  void SetClassNames(const QStringList& names);
  const QStringList& ClassNames() const { return m_classNames; }

  // true: Enter on the current line emits activated() and goes no further (the
  // main window takes the word for changing). false (the default): Enter is
  // left to the window, for its default button.
  void SetEnterActivates(bool activates) { m_enterActivates = activates; }

  // Shortens text so that its width plus the margin fits into width; a cut text
  // keeps at least one whole character (a letter with its accents) and ends in
  // "...".
  static QString ShortenText(const QFontMetrics& metrics, const QString& text, int width);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::optional<int> m_tabStop;
  QStringList m_classNames;
  bool m_enterActivates = false;
};
