#include "DialogSupport.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "ColorRef.h"
#include "HoverButton.h"
#include "platform/ProgramHelp.h"

namespace {

constexpr ColorRef kBlue = 0xFF0000;

// Watches a window for its first paint, sets its icon after it and goes.
class CIconAfterPaint : public QObject {
 public:
  CIconAfterPaint(QWidget* window, std::function<QIcon()> icon)
      : QObject(window), m_window(window), m_icon(std::move(icon)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_window && event->type() == QEvent::Paint) {
      m_window->removeEventFilter(this);
      // After the paint has reached the screen.
      QTimer::singleShot(0, this, [this] {
        m_window->setWindowIcon(m_icon());
        deleteLater();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* m_window;
  std::function<QIcon()> m_icon;
};

}  // namespace

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

void SetWordText(QLabel* label, const std::string& text) {
  const QString word = QString::fromStdString(text);
  // A label lays out its text in the widget's direction, so that direction
  // follows the word.
  label->setLayoutDirection(word.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  label->setText(word);
}

void SetWindowIconAfterFirstPaint(QWidget* window, std::function<QIcon()> icon) {
  new CIconAfterPaint(window, std::move(icon));
}
