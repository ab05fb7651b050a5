#pragma once
// Small pieces every dialog of the program uses alike.
#include <functional>
#include <string>

#include <QIcon>
#include <QString>

class CHoverButton;
class CPlatform;
class QKeyEvent;
class QLabel;
class QWidget;

// The usual push button of a dialog: raised, its caption turning blue under
// the mouse. With a control id the button is named "c<id>", as every control
// of the program is.
CHoverButton* MakeDialogButton(const QString& text, QWidget* parent, int id = -1);

// A label's text as a screen reader should say it: without the mnemonic "&"
// and without a closing colon.
QString AccessibleLabel(QString text);

// F1 in a dialog: opens the help at the dialog's topic. True when the key
// was F1 and has been handled.
bool HelpOnF1(QKeyEvent* event, CPlatform& platform, unsigned topic);

// Shows a word of a list (UTF-8) in a label, in the direction of its first
// letter: a right-to-left word (Arabic, Hebrew) starts at the label's right
// edge, and a word of mixed directions is laid out as its readers expect.
void SetWordText(QLabel* label, const std::string& text);

// Gives a window its icon once it has painted for the first time: the icon is
// drawn at several sizes for the window manager, which need not delay the
// window's first appearance.
void SetWindowIconAfterFirstPaint(QWidget* window, std::function<QIcon()> icon);
