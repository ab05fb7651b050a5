#include "DialogSupport.h"

#include <QKeyEvent>

#include "ColorRef.h"
#include "HoverButton.h"
#include "platform/ProgramHelp.h"

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

bool HelpOnF1(QKeyEvent* event, CPlatform& platform, unsigned topic) {
  if (event->key() != Qt::Key_F1 || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
    return false;
  ShowProgramHelp(platform, topic);
  return true;
}
