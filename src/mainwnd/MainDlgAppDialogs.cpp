// The dialogs of the application's start that the main window opens: the
// language choice, the tip of the day and the About box.
#include <QLabel>

#include "AboutDlg.h"
#include "LanguageDlg.h"
#include "MainDlg.h"
#include "TipDlg.h"

void CMainDlg::OnChooseLanguage() {
  CLanguageDlg dialog(m_platform, this);
  if (dialog.exec() == QDialog::Accepted) ApplyLanguage();
}

void CMainDlg::OnTipOfTheDay() {
  CTipDlg dialog(m_platform, this);
  dialog.exec();
}

void CMainDlg::ShowTipAtStart() {
  CTipDlg dialog(m_platform, this);
  if (dialog.m_showAtStartup) dialog.exec();
}

void CMainDlg::OnAbout() {
  CAboutDlg dialog(m_platform, this);
  dialog.exec();
}
