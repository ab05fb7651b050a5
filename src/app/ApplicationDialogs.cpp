#include "ApplicationDialogs.h"

#include "AboutDlg.h"
#include "LanguageDlg.h"
#include "TipDlg.h"

bool CApplicationDialogs::ChooseLanguage(CPlatform& platform, QWidget* parent) {
  CLanguageDlg dialog(platform, parent);
  return dialog.exec() == QDialog::Accepted;
}

void CApplicationDialogs::ShowTip(CPlatform& platform, QWidget* parent, bool atStart) {
  // Reading the tip moves the stored position on, also when it is not shown.
  CTipDlg dialog(platform, parent);
  if (!atStart || dialog.m_showAtStartup) dialog.exec();
}

void CApplicationDialogs::ShowAbout(CPlatform& platform, QWidget* parent) {
  CAboutDlg dialog(platform, parent);
  dialog.exec();
}
