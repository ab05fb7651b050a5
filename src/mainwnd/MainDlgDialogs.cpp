// The editing panel's dialogs: search, import and list properties.
#include <QDir>

#include "DataDir.h"
#include "ImportDlg.h"
#include "LangText.h"
#include "ListPropertiesDlg.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "Platform.h"
#include "SearchDlg.h"
#include "SearchLogic.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "SpecialKeyEdit.h"
#include "WordImport.h"
#include "WordListBox.h"

QString CMainDlg::HelpFile() {
  const QString file =
      ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit30, QStringLiteral("HelpFile"));
  // A start with a file writes no settings; the shipped help serves then.
  return file.isEmpty() ? QDir(DataDirectory()).filePath(QStringLiteral("help/index.html")) : file;
}

void CMainDlg::SearchWord() {
  if (m_mode != Edit) return;
  ShowFocusHint();
  CSearchDlg dialog(m_platform, this, &CMainDlg::HelpFile);
  dialog.SetSearchText(m_lastSearch);
  if (dialog.exec() != QDialog::Accepted) {
    m_foreignEdit->setFocus();
    return;
  }
  m_lastSearch = dialog.GetSearchText();
  const int found = FindNextWord(m_wordList, m_wordListBox->currentRow(), m_lastSearch);
  if (found < 0) {
    m_platform.MessageBox(LangQText(kTxtNotFound), MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  m_wordListBox->SelectOnly(found);
  m_wordListBox->setCurrentRow(found, QItemSelectionModel::NoUpdate);
  m_wordListBox->scrollToItem(m_wordListBox->item(found));
  m_wordListBox->setFocus();
}

void CMainDlg::ImportWords() {
  if (m_mode != Edit) return;
  ShowFocusHint();
  CImportDlg dialog(m_platform, this, &CMainDlg::HelpFile);
  if (dialog.exec() != QDialog::Accepted) return;
  const ImportResult result = ImportWordsInto(m_wordList, dialog.GetChosenWords());
  SetListTitle(true);
  FillWordListBox();
  UpdateWordCount();
  m_platform.MessageBox(ImportReport(result), MessageButtons::Ok, MessageIcon::Information);
}

void CMainDlg::ShowListProperties() {
  SetStatus(kTxtStatusProperties);
  CListPropertiesDlg dialog(m_platform, this, &CMainDlg::HelpFile);
  dialog.SetFromList(m_wordList);
  if (dialog.exec() == QDialog::Accepted && dialog.IsChanged()) {
    dialog.ApplyTo(m_wordList);
    SetListTitle(true);
  }
  ShowFocusHint();
}
