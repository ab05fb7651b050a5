#include "OneLineEdit.h"

#include <QApplication>
#include <QToolTip>
#include <QValidator>

namespace {

bool IsBreakOrTab(char16_t ch) {
  return ch == u'\r' || ch == u'\n' || ch == u'\t' || ch == 0x85 || ch == 0x2028 || ch == 0x2029;
}

bool IsRefused(char32_t ch) {
  if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F)) return true;                    // control characters
  if ((ch & 0xFFFE) == 0xFFFE || (ch >= 0xFDD0 && ch <= 0xFDEF)) return true;  // noncharacters
  return ch >= 0xD800 && ch <= 0xDFFF;  // a surrogate without its partner
}

// Every line break becomes one space (a CR LF pair too), and so does a tab.
void BreaksToSpaces(QString& input, int& pos) {
  for (qsizetype i = 0; i < input.size(); ++i) {
    if (!IsBreakOrTab(input.at(i).unicode())) continue;
    if (input.at(i) == u'\r' && i + 1 < input.size() && input.at(i + 1) == u'\n') {
      input.remove(i + 1, 1);
      if (pos > i + 1) --pos;
    }
    input[i] = u' ';
  }
}

}  // namespace

class COneLineValidator : public QValidator {
 public:
  explicit COneLineValidator(COneLineEdit* edit) : QValidator(edit), m_edit(edit) {}

  State validate(QString& input, int& pos) const override {
    BreaksToSpaces(input, pos);
    if (m_edit->m_settingText) return Acceptable;
    return COneLineEdit::RefusedChars(input) > m_edit->m_refusedInText ? Invalid : Acceptable;
  }

 private:
  COneLineEdit* m_edit;
};

COneLineEdit::COneLineEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new COneLineValidator(this));
  connect(this, &QLineEdit::inputRejected, this, &COneLineEdit::ShowRefusal);
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_refusedInText = RefusedChars(text); });
}

int COneLineEdit::RefusedChars(const QString& text) {
  int count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text.at(i);
    if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      if (IsRefused(QChar::surrogateToUcs4(ch, text.at(++i)))) ++count;
    } else if (!IsBreakOrTab(ch.unicode()) && IsRefused(ch.unicode())) {
      ++count;
    }
  }
  return count;
}

std::string COneLineEdit::GetText() const {
  return text().toStdString();
}

void COneLineEdit::SetText(const std::string& text) {
  SetText(QString::fromStdString(text));
}

void COneLineEdit::SetText(const QString& text) {
  m_settingText = true;
  setText(text);
  m_settingText = false;
}

bool COneLineEdit::InsertSpecial(const QString& text) {
  if (isReadOnly()) return false;
  if (RefusedChars(text) > 0) {
    ShowRefusal();
    return false;
  }
  insert(text);
  return true;
}

void COneLineEdit::ShowRefusal() {
  QApplication::beep();
  if (!m_refusalHint.isEmpty())
    QToolTip::showText(mapToGlobal(QPoint(0, height())), m_refusalHint, this);
  Q_EMIT InputRefused();
}
