#pragma once
// Small pieces every dialog of the program uses alike.
#include <string>

#include <QString>

class CHoverButton;
class QLabel;
class QWidget;

// The usual push button of a dialog: raised, its caption turning blue under
// the mouse. With a control id the button is named "c<id>", as every control
// of the program is.
CHoverButton* MakeDialogButton(const QString& text, QWidget* parent, int id = -1);

// A label's text as a screen reader should say it: without the mnemonic "&"
// and without a closing colon.
QString AccessibleLabel(QString text);

// Shows a word of a list (UTF-8) in a label, in the direction of its first
// letter: a right-to-left word (Arabic, Hebrew) starts at the label's right
// edge, and a word of mixed directions is laid out as its readers expect.
void SetWordText(QLabel* label, const std::string& text);
