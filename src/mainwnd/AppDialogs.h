#pragma once
// The application's own dialogs that the main window opens: the language
// choice, the tip of the day and the About box. The application object
// provides them, so that the window needs nothing of the layer above it.
class CPlatform;
class QWidget;

class CAppDialogs {
 public:
  virtual ~CAppDialogs() = default;
  // True when the user chose a language; the program speaks it then.
  virtual bool ChooseLanguage(CPlatform& platform, QWidget* parent) = 0;
  // At start the tip shows only when the user has not switched it off.
  virtual void ShowTip(CPlatform& platform, QWidget* parent, bool atStart) = 0;
  virtual void ShowAbout(CPlatform& platform, QWidget* parent) = 0;
};
