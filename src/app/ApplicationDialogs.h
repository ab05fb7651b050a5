#pragma once
// The language choice, the tip of the day and the About box as the main
// window opens them.
#include "mainwnd/AppDialogs.h"

class CApplicationDialogs : public CAppDialogs {
 public:
  bool ChooseLanguage(CPlatform& platform, QWidget* parent) override;
  void ShowTip(CPlatform& platform, QWidget* parent, bool atStart) override;
  void ShowAbout(CPlatform& platform, QWidget* parent) override;
};
