#include "ColorStatic.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

class CColorStaticAccessible : public QAccessibleWidget {
 public:
  explicit CColorStaticAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    const auto* label = static_cast<const CColorStatic*>(widget());
    if (t == QAccessible::Name) {
      const QString name = label->accessibleName();
      return name.isEmpty() ? label->Text() : name;
    }
    if (t == QAccessible::Value) return label->Text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("CColorStatic") && object && object->isWidgetType())
    return new CColorStaticAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

}  // namespace

CColorStatic::CColorStatic(QWidget* parent)
    : QWidget(parent),
      m_textColour(ToColorRef(palette().color(QPalette::WindowText))),
      m_backColour(ToColorRef(palette().color(QPalette::Button))) {
  static const bool installed = (QAccessible::installFactory(&Factory), true);
  Q_UNUSED(installed);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CColorStatic::SetText(const QString& text) {
  if (text == m_text) {
    repaint();
    return;
  }
  m_text = text;
  repaint();
  QAccessibleValueChangeEvent valueEvent(this, m_text);
  QAccessible::updateAccessibility(&valueEvent);
  if (accessibleName().isEmpty()) {
    QAccessibleEvent nameEvent(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameEvent);
  }
}

QSize CColorStatic::sizeHint() const {
  const QFontMetrics metrics(font());
  return {metrics.horizontalAdvance(m_text) + 2, metrics.height()};
}

void CColorStatic::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor back = FromColorRef(m_backColour);
  painter.fillRect(rect(), back);
  painter.setPen(FromColorRef(m_textColour));
  painter.setFont(font());

  // One line, clipped at the control's edges; centred text is cut on both sides.
  const QFontMetrics metrics(font());
  const int textWidth = metrics.horizontalAdvance(m_text);
  const int y = m_centred ? (height() - metrics.height()) / 2 : 0;
  const int x = m_centred ? width() / 2 - textWidth / 2 : 0;
  painter.drawText(QRect(x, y, textWidth, metrics.height()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
}
