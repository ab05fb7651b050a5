#include "Cp1252Edit.h"

#include <QApplication>
#include <QToolTip>
#include <QValidator>

#include "Cp1252.h"

namespace {

class CCp1252Validator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& pos) const override {
    // A pasted line break becomes a space: the text is one line of a list
    // file, and a break would split it.
    for (qsizetype i = input.indexOf(QLatin1Char('\r')); i >= 0;
         i = input.indexOf(QLatin1Char('\r'), i + 1)) {
      if (i + 1 < input.size() && input.at(i + 1) == QLatin1Char('\n')) {
        input.remove(i + 1, 1);
        if (pos > i + 1) --pos;
      }
      input[i] = QLatin1Char(' ');
    }
    input.replace(QLatin1Char('\n'), QLatin1Char(' '));
    for (const QChar ch : input) {
      if (!IsCp1252(ch)) return Invalid;
    }
    return Acceptable;
  }
};

}  // namespace

CCp1252Edit::CCp1252Edit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new CCp1252Validator(this));
  connect(this, &QLineEdit::inputRejected, this, &CCp1252Edit::ShowRefusal);
}

std::string CCp1252Edit::GetText() const {
  return ToCp1252(text());
}

void CCp1252Edit::SetText(const std::string& text) {
  setText(FromCp1252(text));
}

bool CCp1252Edit::InsertSpecial(const QString& text) {
  if (isReadOnly()) return false;
  for (const QChar ch : text) {
    if (!IsCp1252(ch)) {
      ShowRefusal();
      return false;
    }
  }
  insert(text);
  return true;
}

void CCp1252Edit::ShowRefusal() {
  QApplication::beep();
  if (!m_refusalHint.isEmpty())
    QToolTip::showText(mapToGlobal(QPoint(0, height())), m_refusalHint, this);
  Q_EMIT InputRefused();
}
