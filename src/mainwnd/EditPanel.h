#pragma once
// The word editing panel: the list of words, the two fields a word is typed
// into, its class, and the buttons that add, change, delete, search and
// import words.
#include <string>

#include "Panel.h"

class CClassComboBox;
class CHoverButton;
class CPlatform;
class CSpecialKeyEdit;
class CWordList;
class CWordListBox;
class QCheckBox;
class QGroupBox;
class QLabel;

class CEditPanel : public CPanel {
  Q_OBJECT

 public:
  CEditPanel(CWordList& list, CPlatform& platform, QWidget* parent);

  void Layout(int width, int height) override;
  void ApplyLanguage() override;
  // Enter in the word list takes its word for a change; anywhere else it
  // adds or changes the typed word.
  void OnEnter() override;
  void OnBackgroundClick() override { NewWord(); }
  void TakeFocus() override;

  // Shown or hidden by the mode switch; a shown panel shows the list afresh
  // with the focus on the foreign word.
  void SetActive(bool active);

  // The open list as it is now: its words (sorted when the switch is on),
  // the language names and the word count.
  void ShowWords();
  void ShowLanguageNames();
  void ShowWordCount();

  // The commands of the panel and the edit menu.
  void NewWord();
  void AddOrChangeWord();
  void TakeWordForChange();
  void DeleteWords();
  void SearchWord();
  void ImportWords();

  // What the edit menu shows: "Add" or "Change", and whether they may run.
  bool IsAdding() const { return m_adding; }
  bool CanAdd() const;
  bool CanDelete() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnTextChanged();
  void OnLanguageFocus(CSpecialKeyEdit* edit, bool in);
  void SelectLine(int row);

  CWordList& m_list;
  CPlatform& m_platform;
  bool m_adding = true;
  bool m_listHasFocus = false;
  std::string m_lastSearch;
  // The client size of the last layout; 0 before the first.
  int m_width = 0;
  int m_height = 0;

  CWordListBox* m_words;
  CSpecialKeyEdit* m_firstLanguage;
  CSpecialKeyEdit* m_secondLanguage;
  CSpecialKeyEdit* m_foreign;
  CSpecialKeyEdit* m_translation;
  CHoverButton* m_add;
  CHoverButton* m_newWord;
  CHoverButton* m_delete;
  CClassComboBox* m_class;
  QCheckBox* m_sort;
  QLabel* m_count;
  CHoverButton* m_search;
  CHoverButton* m_import;
  QGroupBox* m_specialGroup;
};
