#include "WidgetDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {

QObject& Scripts() {
  static QObject* scripts = new QObject(qApp);
  return *scripts;
}

}  // namespace

void Type(QWidget* widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 0x80) {
      QTest::keyClick(widget, char(ch.unicode()));
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch),
                          Qt::NoModifier);
    }
  }
}

void Click(const QWidget* parent, int id) {
  auto* button = Child<QAbstractButton>(parent, id);
  QVERIFY2(button, qPrintable(QStringLiteral("no button c%1").arg(id)));
  QTest::mouseClick(button, Qt::LeftButton);
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                    list->visualItemRect(list->item(row)).center());
}

void DoubleClickRow(QListWidget* list, int row) {
  ClickRow(list, row);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                     list->visualItemRect(list->item(row)).center());
}

int RunModal(QDialog& dlg, const std::function<void()>& during) {
  QTimer::singleShot(0, &dlg, [&dlg, &during] {
    if (QApplication::activeModalWidget() == &dlg && QTest::qWaitForWindowActive(&dlg)) during();
    if (dlg.isVisible()) dlg.done(-1);
  });
  return dlg.exec();
}

void OnModalDialog(const std::function<void(QDialog*)>& act,
                   const std::function<bool(QDialog*)>& ready) {
  auto* timer = new QTimer(&Scripts());
  const QDeadlineTimer deadline(5000);
  QObject::connect(timer, &QTimer::timeout, timer, [=] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    const bool set = dialog && (!ready || ready(dialog));
    if (!set && !deadline.hasExpired()) return;
    timer->stop();
    timer->deleteLater();
    if (set) act(dialog);
    if (dialog && dialog->isVisible()) dialog->reject();
  });
  timer->start(5);
}

QString LayoutProblem(const QList<const QWidget*>& widgets) {
  for (qsizetype i = 0; i < widgets.size(); ++i) {
    const QWidget* w = widgets[i];
    const QString name = w->objectName() + u' ' + w->property("text").toString();
    if (w->width() < w->sizeHint().width() || w->height() < w->sizeHint().height())
      return name + QStringLiteral(" is too small");
    if (!w->parentWidget()->rect().contains(w->geometry()))
      return name + QStringLiteral(" sticks out");
    for (qsizetype j = 0; j < i; ++j) {
      if (widgets[j]->parentWidget() == w->parentWidget() &&
          widgets[j]->geometry().intersects(w->geometry()))
        return name + QStringLiteral(" overlaps ") + widgets[j]->objectName();
    }
  }
  return QString();
}

void StopModalScripts() {
  qDeleteAll(Scripts().findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
}
