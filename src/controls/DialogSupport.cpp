#include "DialogSupport.h"

#include <QLabel>

#include "ColorRef.h"
#include "HoverButton.h"

namespace {
constexpr ColorRef kBlue = 0xFF0000;
}

CHoverButton* MakeDialogButton(const QString& text, QWidget* parent, int id) {
  auto* button = new CHoverButton(text, parent);
  if (id >= 0) button->setObjectName(QStringLiteral("c%1").arg(id));
  button->SetFlat(false);
  button->SetActiveTextColour(kBlue, false);
  return button;
}

QString AccessibleLabel(QString text) {
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text;
}

void SetWordText(QLabel* label, const std::string& text) {
  const QString word = QString::fromStdString(text);
  // A label lays out its text in the widget's direction, so that direction
  // follows the word.
  label->setLayoutDirection(word.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  label->setText(word);
}
