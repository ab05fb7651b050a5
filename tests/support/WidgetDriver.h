#pragma once
// Drives widgets and modal dialogs the way the user does: keys, clicks and
// scripts that run inside a dialog's own event loop.
#include <functional>

#include <QWidget>

class QDialog;
class QListWidget;

// Types text key by key; letters beyond ASCII come as the keys of a keyboard
// that has them.
void Type(QWidget* widget, const QString& text);

// The control with the given dialog id (object name "c<id>") below parent.
template <class T = QWidget>
T* Child(const QWidget* parent, int id) {
  return parent->findChild<T*>(QStringLiteral("c%1").arg(id));
}

// Clicks the button with the given dialog id below parent.
void Click(const QWidget* parent, int id);

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {});
void DoubleClickRow(QListWidget* list, int row);

// Runs dlg modally and calls during from its own event loop once it is
// active. A dialog that during leaves open ends with -1, so that a failed
// check fails the test instead of hanging it.
int RunModal(QDialog& dlg, const std::function<void()>& during);

// Acts on the program's next modal dialog once ready() says it is set up.
// Whatever act leaves open is cancelled, and a dialog that never gets ready
// is cancelled after a few seconds.
void OnModalDialog(const std::function<void(QDialog*)>& act,
                   const std::function<bool(QDialog*)>& ready = {});

// What keeps widgets from being laid out well: each must be large enough for
// its caption, lie inside its parent and overlap no earlier widget of the same
// parent. Empty when nothing does.
QString LayoutProblem(const QList<const QWidget*>& widgets);

// Drops the scripts of OnModalDialog that have not run, so that they cannot
// act on a later test's dialogs.
void StopModalScripts();
