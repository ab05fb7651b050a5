#pragma once
// Small pieces every dialog of the program uses alike.
#include <QString>

class CHoverButton;
class CPlatform;
class QKeyEvent;
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
