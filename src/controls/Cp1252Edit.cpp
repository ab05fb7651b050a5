#include "Cp1252Edit.h"

#include <QApplication>
#include <QToolTip>
#include <QValidator>

#include "Cp1252.h"

namespace {

class CCp1252Validator : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int&) const override {
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
