#pragma once
// The end of a run: the four counts and the words answered wrongly, with the
// ways on: close, practise the wrong words again, or save them as a new list.
//
// Use: construct, Prepare() with the run's exercise, exec(). exec() returns
// IDOK (OK or Enter), IDCANCEL (Escape, the close box) or IDC_PRACTISE_AGAIN;
// for the last the caller makes the wrong words the new questions. Saving
// happens inside the dialog and changes neither the exercise nor the open list.
#include <QDialog>

#include "wordlist/WordList.h"

class CExercise;
class CHoverButton;
class CPlatform;
class CWordListBox;
class QGroupBox;
class QLabel;

class CResultsDlg : public QDialog {
  Q_OBJECT

 public:
  // Control ids; each control's object name is its id's name.
  static constexpr int IDOK = 1;
  static constexpr int IDCANCEL = 2;
  static constexpr int IDC_WRONG_LIST = 1005;
  static constexpr int IDC_PRACTISE_AGAIN = 1082;
  static constexpr int IDC_SAVE_WRONG = 1083;
  static constexpr int IDC_TOTAL = 1097;
  static constexpr int IDC_RIGHT_FIRST = 1098;
  static constexpr int IDC_WRONG = 1099;
  static constexpr int IDC_RIGHT_SECOND = 1101;

  explicit CResultsDlg(CPlatform& platform, QWidget* parent = nullptr);

  // Takes the counts of the run as they stand now and fills the list with its
  // wrong words. The exercise must outlive the dialog.
  void Prepare(const CExercise& exercise);

  // Saves the wrong words as a new, untitled list with no marks; the save
  // dialog asks for the name and type. The result of CWordList::Save.
  FileResult SaveWrongWords();

  CHoverButton* Button(int id) const;
  QLabel* CountValue(int id) const;
  CWordListBox* WrongList() const { return m_list; }

  void accept() override;  // IDOK
  void reject() override;  // IDCANCEL

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddWrongWord(const QString& foreign, const QString& translation, int mark);
  void LayOut();

  CPlatform& m_platform;
  const CExercise* m_exercise = nullptr;
  int m_total = 0;
  int m_wrong = 0;
  int m_rightFirst = 0;
  int m_rightSecond = 0;

  QGroupBox* m_wrongGroup;
  CWordListBox* m_list;
  QGroupBox* m_countGroup;
  QLabel* m_labels[4];
  QLabel* m_values[4];
  CHoverButton* m_ok;
  CHoverButton* m_again;
  CHoverButton* m_save;
};
