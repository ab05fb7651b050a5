#pragma once
// Chooses words of another list file for the open list. The file dialog opens
// together with this dialog; the user selects words of the chosen file (each
// click toggles a line) and may switch to another file. OK hands the selected
// words over in GetChosenWords; what becomes of them is ImportWordsInto's part.
#include <functional>

#include <QDialog>
#include <QString>

#include "WordList.h"

class CHoverButton;
class CPlatform;
class CWordListBox;
class QLabel;

class CImportDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDC_IMPORT_FILE = 1161;
  static constexpr int IDC_IMPORT_WORDS = 1162;
  static constexpr int IDC_IMPORT_BROWSE = 3;

  explicit CImportDlg(CPlatform& platform, QWidget* parent = nullptr);

  // The words selected when the dialog ended with OK, in list order.
  const CWordList& GetChosenWords() const { return m_chosenWords; }

  // Asks for a list file and shows its words; a cancelled file dialog changes
  // nothing. Runs by itself when the dialog opens, and by button 3.
  void BrowseForList();

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CPlatform& m_platform;
  QLabel* m_file;
  CWordListBox* m_words;
  CHoverButton* m_ok;
  CHoverButton* m_cancel;
  CHoverButton* m_browse;
  CWordList m_chosenWords;
  CWordList m_sourceList;
  bool m_opened = false;
};
