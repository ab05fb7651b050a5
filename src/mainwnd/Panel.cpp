#include "Panel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

#include "controls/DialogUnits.h"
#include "lang/LangText.h"

namespace {
const char* const kHoverText = "hoverText";
const char* const kFocusStatus = "focusStatus";
}  // namespace

const CDialogUnits& CPanel::TemplateUnits() {
  static const CDialogUnits units(6, 13);
  return units;
}

void CPanel::Name(QWidget* control, int id) {
  control->setObjectName(QStringLiteral("c%1").arg(id));
  control->setProperty(kHoverText, 0u);
}

void CPanel::SetHoverText(QWidget* control, unsigned text) {
  control->setProperty(kHoverText, text);
}

const QWidget* CPanel::HoverControl(const QWidget* widget, unsigned& text) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    const QVariant value = w->property(kHoverText);
    if (value.isValid()) {
      text = value.toUInt();
      return w;
    }
  }
  text = 0;
  return nullptr;
}

void CPanel::SetFocusStatus(QWidget* control, unsigned text) {
  control->setProperty(kFocusStatus, text);
}

unsigned CPanel::FocusStatus(const QWidget* control) {
  return control ? control->property(kFocusStatus).toUInt() : 0;
}

void CPanel::SetText(QWidget* control, unsigned text) {
  const QString caption = LangQText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(caption);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(caption);
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    group->setTitle(caption);
  }
  control->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
}

void CPanel::FitText(QWidget* control, QFont font) {
  if (font.pointSizeF() <= 0) return;  // a pixel-sized font is left as it is
  const auto* button = qobject_cast<const QAbstractButton*>(control);
  const QString text = button ? QString(button->text()).remove(QLatin1Char('&')) : QString();
  const int room = control->width() - 4;
  while (font.pointSizeF() > 6.5 && QFontMetrics(font).horizontalAdvance(text) > room) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  control->setFont(font);
}
