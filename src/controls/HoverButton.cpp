#include "HoverButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

#include "Drawing.h"

namespace {

// "&Open" -> "Open", "A && B" -> "A & B".
QString StripMnemonic(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
      ++i;
    else if (text.at(i) == QLatin1Char('&'))
      continue;
    plain.append(text.at(i));
  }
  return plain;
}

class CHoverButtonAccessible : public QAccessibleWidget {
 public:
  explicit CHoverButtonAccessible(QWidget* widget)
      : QAccessibleWidget(widget, QAccessible::Button) {}

  CHoverButton* Button() const { return static_cast<CHoverButton*>(widget()); }

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Name: {
        const QString name = Button()->accessibleName();
        return name.isEmpty() ? StripMnemonic(Button()->text()) : name;
      }
      case QAccessible::Description: {
        const QString description = Button()->accessibleDescription();
        return description.isEmpty() ? Button()->toolTip() : description;
      }
      case QAccessible::Accelerator: {
        const QKeySequence key = QKeySequence::mnemonic(Button()->text());
        return key.toString(QKeySequence::NativeText);
      }
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State st = QAccessibleWidget::state();
    st.pressed = Button()->isDown() || Button()->IsLatched();
    st.hotTracked = Button()->IsMouseOver();
    st.defaultButton = Button()->isDefault();
    return st;
  }

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& name) override {
    if (name == pressAction() && Button()->isEnabled())
      Button()->click();
    else
      QAccessibleWidget::doAction(name);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String("CHoverButton") && object && object->isWidgetType())
    return new CHoverButtonAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

void NotifyState(QWidget* widget, void (*mark)(QAccessible::State&)) {
  QAccessible::State changed;
  mark(changed);
  QAccessibleStateChangeEvent event(widget, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace

CHoverButton::CHoverButton(QWidget* parent) : CHoverButton(QString(), parent) {}

CHoverButton::CHoverButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent),
      m_inactiveBack(ToColorRef(System(QPalette::Button))),
      m_inactiveText(ToColorRef(System(QPalette::ButtonText))),
      m_activeBack(m_inactiveBack),
      m_activeText(m_inactiveText) {
  static const bool installed = (QAccessible::installFactory(&Factory), true);
  Q_UNUSED(installed);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor CHoverButton::System(QPalette::ColorRole role) const {
  return palette().color(role);
}

void CHoverButton::Repaint(bool now) {
  if (now)
    repaint();
  else
    update();
}

void CHoverButton::SetIcon(const QIcon& iconIn, const QIcon& iconOut, int width, int height) {
  m_iconIn = iconIn;
  m_iconOut = iconOut.isNull() ? iconIn : iconOut;
  m_iconWidth = qBound(0, width, 255);
  m_iconHeight = qBound(0, height, 255);
  updateGeometry();
  Repaint(true);
}

void CHoverButton::SetFlat(bool flat) {
  m_flat = flat;
  update();
}

void CHoverButton::SetAlign(int align) {
  if (align != IconLeft && align != IconAbove) return;
  m_align = align;
  updateGeometry();
  update();
}

void CHoverButton::SetDrawBorder(bool drawBorder) {
  m_drawBorder = drawBorder;
}

void CHoverButton::SetShowText(bool showText) {
  m_showText = showText;
  updateGeometry();
  update();
}

void CHoverButton::SetLatched(bool latched) {
  if (m_latched == latched) return;
  m_latched = latched;
  update();
  NotifyState(this, [](QAccessible::State& s) { s.pressed = true; });
}

void CHoverButton::SetDrawFlatFocus(bool drawFocus) {
  m_drawFlatFocus = drawFocus;
  update();
}

void CHoverButton::SetActiveTextColour(ColorRef colour, bool repaint) {
  m_activeText = colour;
  if (repaint) update();
}

void CHoverButton::SetActiveBackColour(ColorRef colour, bool repaint) {
  m_activeBack = colour;
  if (repaint) update();
}

void CHoverButton::SetInactiveTextColour(ColorRef colour, bool repaint) {
  m_inactiveText = colour;
  if (repaint) update();
}

void CHoverButton::SetInactiveBackColour(ColorRef colour, bool repaint) {
  m_inactiveBack = colour;
  if (repaint) update();
}

void CHoverButton::SetDefaultInactiveBack(bool repaint) {
  SetInactiveBackColour(ToColorRef(System(QPalette::Button)), repaint);
}

void CHoverButton::SetDefaultInactiveText(bool repaint) {
  SetInactiveTextColour(ToColorRef(System(QPalette::ButtonText)), repaint);
}

void CHoverButton::SetDefaultActiveBack(bool repaint) {
  SetActiveBackColour(ToColorRef(System(QPalette::Button)), repaint);
}

void CHoverButton::SetDefaultActiveText(bool repaint) {
  SetActiveTextColour(ToColorRef(System(QPalette::ButtonText)), repaint);
}

void CHoverButton::SetMouseOver(bool over) {
  if (m_mouseOver == over) return;
  m_mouseOver = over;
  update();
  NotifyState(this, [](QAccessible::State& s) { s.hotTracked = true; });
}

void CHoverButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  // Dragging in with the button held from elsewhere is not hovering.
  if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) SetMouseOver(true);
}

void CHoverButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  SetMouseOver(false);
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event) {
  QPushButton::mouseMoveEvent(event);
  const bool leftDown = event->buttons() & Qt::LeftButton;
  if (leftDown && !m_mouseOver) return;
  const bool inside = rect().contains(event->position().toPoint());
  if (inside && !leftDown)
    SetMouseOver(true);
  else if (!inside)
    SetMouseOver(false);
}

void CHoverButton::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  m_keyboardFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                    reason == Qt::ShortcutFocusReason;
  QPushButton::focusInEvent(event);
}

void CHoverButton::focusOutEvent(QFocusEvent* event) {
  QPushButton::focusOutEvent(event);
  m_keyboardFocus = false;
  SetMouseOver(false);
}

void CHoverButton::keyPressEvent(QKeyEvent* event) {
  // Enter on a focused push button presses it, wherever the button sits.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (enter && modifiers == Qt::NoModifier) {
    m_keyboardFocus = true;
    if (!event->isAutoRepeat() && isEnabled()) click();
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Space) m_keyboardFocus = true;
  QPushButton::keyPressEvent(event);
}

QSize CHoverButton::sizeHint() const {
  const QFontMetrics metrics(font());
  const QString caption = m_showText ? text() : QString();
  const QSize textSize = caption.isEmpty()
                             ? QSize(0, 0)
                             : metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, caption);
  const bool hasIcon = !m_iconIn.isNull();
  const int iconW = hasIcon ? m_iconWidth : 0;
  const int iconH = hasIcon ? m_iconHeight : 0;
  int w = 0;
  int h = 0;
  if (m_align == IconAbove) {
    w = qMax(iconW, textSize.width()) + 12;
    h = iconH + textSize.height() + 6;
  } else {
    w = (iconW ? iconW + 6 : 0) + textSize.width() + 16;
    h = qMax(iconH, textSize.height()) + 10;
  }
  return {qMax(w, 24), qMax(h, 16)};
}

QSize CHoverButton::minimumSizeHint() const {
  return sizeHint();
}

void CHoverButton::paintEvent(QPaintEvent*) {
  // Drawn off-screen and copied in one step, so that hovering never flickers.
  const qreal ratio = devicePixelRatioF();
  QPixmap buffer(size() * ratio);
  buffer.setDevicePixelRatio(ratio);
  {
    QPainter painter(&buffer);
    Draw(painter);
  }
  QPainter screen(this);
  screen.drawPixmap(0, 0, buffer);
}

void CHoverButton::Draw(QPainter& painter) const {
  const bool pressed = isDown();
  const bool focused = hasFocus();
  const bool disabled = !isEnabled();
  const bool active = m_mouseOver || pressed;

  const QColor shadow = System(QPalette::Dark);
  const QColor highlight = System(QPalette::Light);
  const QColor light3d = System(QPalette::Midlight);
  const QColor darkShadow = System(QPalette::Shadow);

  QRect r = rect();
  if (!m_flat && focused) {
    DrawFrame(painter, r, Qt::black);
    r.adjust(1, 1, -1, -1);
  }
  painter.fillRect(r, FromColorRef(active ? m_activeBack : m_inactiveBack));

  const int l = r.x();
  const int t = r.y();
  const int rt = RightOf(r);
  const int b = BottomOf(r);
  if (pressed || m_latched) {
    if (m_flat && m_drawBorder) {
      DrawPolyline(painter, shadow, {{l, b - 1}, {l, t}, {rt, t}});
      DrawPolyline(painter, highlight, {{l, b - 1}, {rt - 1, b - 1}, {rt - 1, t - 1}});
    } else if (!m_flat) {
      DrawFrame(painter, r, shadow);
    }
  } else if (m_flat) {
    if (m_mouseOver && m_drawBorder) {
      DrawPolyline(painter, highlight, {{l, b - 1}, {l, t}, {rt, t}});
      DrawPolyline(painter, shadow, {{l, b - 1}, {rt - 1, b - 1}, {rt - 1, t - 1}});
    }
  } else {
    DrawPolyline(painter, highlight, {{l, b - 1}, {l, t}, {rt, t}});
    DrawPolyline(painter, light3d, {{l + 1, b - 1}, {l + 1, t + 1}, {rt, t + 1}});
    DrawPolyline(painter, darkShadow, {{l, b - 1}, {rt - 1, b - 1}, {rt - 1, t - 1}});
    DrawPolyline(painter, shadow, {{l + 1, b - 2}, {rt - 2, b - 2}, {rt - 2, t}});
  }

  const QString caption = m_showText ? text() : QString();
  QRect captionRect = rect();

  if (!m_iconIn.isNull()) {
    QRect iconRect = rect();
    if (m_align == IconLeft) {
      if (!caption.isEmpty()) {
        iconRect.setLeft(iconRect.left() + 3);
        captionRect.setLeft(captionRect.left() + m_iconWidth + 3);
      } else {
        iconRect.setLeft(iconRect.left() + (iconRect.width() - m_iconWidth) / 2);
      }
      iconRect.setTop(iconRect.top() + (iconRect.height() - m_iconHeight) / 2);
    } else {
      iconRect.setLeft(iconRect.left() + (iconRect.width() - m_iconWidth) / 2);
      if (!caption.isEmpty())
        captionRect.setTop(captionRect.top() + m_iconHeight);
      else
        iconRect.setTop(iconRect.top() + (iconRect.height() - m_iconHeight) / 2);
    }
    if (pressed) iconRect.translate(1, 1);

    const QIcon& icon = active ? m_iconIn : m_iconOut;
    const QSize drawSize = (m_iconWidth > 0 && m_iconHeight > 0) ? QSize(m_iconWidth, m_iconHeight)
                                                                 : icon.actualSize(QSize(32, 32));
    const QPixmap picture = icon.pixmap(drawSize, painter.device()->devicePixelRatioF(),
                                        disabled ? QIcon::Disabled : QIcon::Normal);
    const QSizeF shown = picture.deviceIndependentSize();
    // An icon without the requested size comes smaller; keep it in the middle of its box.
    const QPointF at(iconRect.left() + (drawSize.width() - shown.width()) / 2,
                     iconRect.top() + (drawSize.height() - shown.height()) / 2);
    painter.drawPixmap(at, picture);
  }

  if (!caption.isEmpty()) {
    if (pressed) captionRect.translate(1, 1);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int flags = Qt::TextSingleLine | Qt::TextShowMnemonic;
    const QSize textSize = metrics.size(flags, caption);
    const QRect textRect(captionRect.left() + (captionRect.width() - textSize.width()) / 2,
                         captionRect.top() + (captionRect.height() - textSize.height()) / 2,
                         textSize.width(), textSize.height());
    if (disabled) {
      // The engraved look of a disabled caption.
      painter.setPen(highlight);
      painter.drawText(textRect.translated(1, 1), flags, caption);
      painter.setPen(shadow);
    } else {
      painter.setPen(FromColorRef(active ? m_activeText : m_inactiveText));
    }
    painter.drawText(textRect, flags, caption);
  }

  const bool showFocus = !m_flat || m_drawFlatFocus || m_keyboardFocus;
  if (showFocus && focused)
    DrawFocusRect(painter, r.adjusted(3, 3, -3, -3),
                  FromColorRef(active ? m_activeText : m_inactiveText));
}
