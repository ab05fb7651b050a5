// The main window's printing commands: print, print preview and the print
// format dialog.
#include "MainDlg.h"
#include "MainWndTexts.h"
#include "lang/LangText.h"
#include "print/ListPrinter.h"
#include "print/PrintFormatDlg.h"
#include "print/QtPrinter.h"

bool CMainDlg::OnPrint() {
  SetStatus(kTxtStatusPrint);
  const bool failed = PrintWordList(m_wordList, m_platform) == PrintResult::Failed;
  FocusAfterCommand();
  return !failed;
}

void CMainDlg::OnPrintPreview() {
  SetStatus(kTxtStatusPrint);
  ShowPrintPreview(this, m_wordList, m_platform);
  FocusAfterCommand();
}

void CMainDlg::OnPrintFormat() {
  SetStatus(kTxtStatusPrintFormat);
  CPrintFormatDlg dialog(m_platform, m_wordList.GetTitle(), this);
  // The title is part of the list: a changed one must be saved like any
  // other change.
  if (dialog.exec() == QDialog::Accepted && dialog.GetTitle() != m_wordList.GetTitle()) {
    m_wordList.SetTitle(dialog.GetTitle());
    m_wordList.SetModified(true);
    ShowTitle();
  }
  ShowFocusHint();
}
