#pragma once
// A one-line edit for text that ends up in a list file: it takes only
// characters that Windows-1252 can hold. A refused character (typed, pasted or
// dropped) leaves the text as it was, beeps and shows the refusal hint beside
// the field, so nothing is dropped silently. A line break (pasted, or set by
// the program) becomes a space: the text is one line of a list file.
#include <string>

#include <QLineEdit>

class CCp1252Edit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CCp1252Edit(QWidget* parent = nullptr);

  // The text shown when input is refused; the owner gives it in the user's language.
  void SetRefusalHint(const QString& hint) { m_refusalHint = hint; }
  const QString& RefusalHint() const { return m_refusalHint; }

  std::string GetText() const;  // Windows-1252
  void SetText(const std::string& text);

 Q_SIGNALS:
  void InputRefused();

 protected:
  // Replaces the selection, or inserts at the caret, as typing would; a
  // read-only field stays unchanged. Returns whether the text was taken.
  bool InsertSpecial(const QString& text);

 private:
  void ShowRefusal();

  QString m_refusalHint;
};
