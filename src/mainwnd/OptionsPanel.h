#pragma once
// The options panel: the sounds, which words are asked and how, the print
// format and the language. Its controls are the live options while the
// program runs; they are loaded at start and saved at exit.
#include <utility>
#include <vector>

#include <QRect>

#include "Panel.h"
#include "practice/PracticeOptions.h"

class CHoverButton;
class CPlatform;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

class COptionsPanel : public CPanel {
  Q_OBJECT

 public:
  COptionsPanel(CPlatform& platform, QWidget* parent);

  void Layout(int width, int height) override;
  // Captions in the current language, and the controls placed for them.
  void ApplyLanguage() override;

  // Shown or hidden by the mode switch.
  void SetActive(bool active);
  // The narrowest client area that shows the whole panel.
  int MinimumWidth();

  void Load(const PracticeOptions& options);
  PracticeOptions Options() const;
  // The special character dialog for the character of F5 + index.
  void EditSpecialChar(int index);

 Q_SIGNALS:
  void SpecialCharsChanged();
  void PrintFormatRequested();
  void LanguageRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceControls();
  void UpdateSoundControls();
  // A click on the checked one of "all words" and "only" moves the check to
  // the other.
  void OnWordsChoice(QCheckBox* clicked);
  void ClampOnlyCount();
  void NormalisePause();
  void ChooseSoundFile(QLineEdit* path);

  CPlatform& m_platform;
  // The controls' template places in dialog units.
  std::vector<std::pair<QWidget*, QRect>> m_template;
  int m_minimumWidth = 0;
  bool m_placed = false;  // for the captions of the current language

  QGroupBox* m_soundsGroup;
  QCheckBox* m_wrongSound;
  QLineEdit* m_wrongSoundPath;
  CHoverButton* m_chooseWrong;
  CHoverButton* m_playWrong;
  QCheckBox* m_rightSound;
  QLineEdit* m_rightSoundPath;
  CHoverButton* m_chooseRight;
  CHoverButton* m_playRight;
  QGroupBox* m_printGroup;
  QGroupBox* m_languageGroup;
  CHoverButton* m_language;
  CHoverButton* m_printFormat;
  QGroupBox* m_wordsGroup;
  QCheckBox* m_allWords;
  QCheckBox* m_onlyWords;
  QLineEdit* m_onlyCount;
  QLabel* m_onlyAfter;
  QCheckBox* m_shuffle;
  QCheckBox* m_matchCase;
  QLabel* m_pauseBefore;
  QLineEdit* m_pause;
  QLabel* m_pauseAfter;
  QCheckBox* m_showClass;
  QCheckBox* m_checkWhileTyping;
};
