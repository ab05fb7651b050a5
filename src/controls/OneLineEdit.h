#pragma once
// A one-line edit for a text that ends up in a file: a word, a language name,
// a title. It takes any character of any script but control characters; a
// refused character (pasted, dropped or committed by an input method) leaves
// the text as it was, beeps and shows the refusal hint beside the field, so
// nothing is dropped silently. A line break or tab (pasted, or set by the
// program) becomes a space: the text is one line of a file.
#include <string>

#include <QLineEdit>

class COneLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit COneLineEdit(QWidget* parent = nullptr);

  // The text shown when input is refused; the owner gives it in the user's language.
  void SetRefusalHint(const QString& hint) { m_refusalHint = hint; }
  const QString& RefusalHint() const { return m_refusalHint; }

  // The text as UTF-8.
  std::string GetText() const;
  // Shows a text of the program (UTF-8). Characters the user could not type
  // here, should a file have held one, are shown and kept, never refused.
  void SetText(const std::string& text);
  void SetText(const QString& text);

  // The number of characters in text that no input may bring into a file
  // text: control characters other than line breaks and tabs, surrogates
  // without their partner and noncharacters.
  static int RefusedChars(const QString& text);

 Q_SIGNALS:
  void InputRefused();

 protected:
  // Replaces the selection, or inserts at the caret, as typing would; a
  // read-only field stays unchanged. Returns whether the text was taken.
  bool InsertSpecial(const QString& text);

 private:
  void ShowRefusal();

  QString m_refusalHint;
  // Refused characters the text holds already (set by the program): an
  // input is refused only when it brings in more.
  int m_refusedInText = 0;
  bool m_settingText = false;

  friend class COneLineValidator;
};
