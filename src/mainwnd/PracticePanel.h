#pragma once
// The practice panel: one question after the other, the typed answer judged
// as it is typed or when Enter is pressed, the counters, a short pause after
// a right answer and the list of the words to choose an answer from.
#include <optional>
#include <string>

#include <QBasicTimer>

#include "Panel.h"
#include "practice/Exercise.h"
#include "practice/PracticeOptions.h"

class CColorEdit;
class CHoverButton;
class CPlatform;
class CWordList;
class QGroupBox;
class QLabel;
class QListWidget;

class CPracticePanel : public CPanel {
  Q_OBJECT

 public:
  CPracticePanel(CWordList& list, CPlatform& platform, QWidget* parent);

  void Layout(int width, int height) override;
  void ApplyLanguage() override;
  // Enter takes the chosen suggestion while the list is open, else judges
  // the answer.
  void OnEnter() override;
  void OnBackgroundClick() override;
  void TakeFocus() override;

  // Shown or hidden by the mode switch.
  void SetActive(bool active);

  // Starts a run over the open list. The options hold for the whole run.
  void Start(Direction direction, const PracticeOptions& options);
  // The same questions again from the first, with the counts at 0.
  void Restart();
  void CheckAnswer();
  // Alt+L: opens the suggestion list, or closes it.
  void ToggleSuggestions();

  CExercise& Exercise() { return m_exercise; }
  bool IsPauseRunning() const { return m_pause.isActive(); }

 Q_SIGNALS:
  // The run is over and the user did not practise the missed words again.
  void RunEnded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void AskNext();
  void OnAnswerChanged();
  void OnPauseExpired();
  // A key that types into the answer field during the pause after a right
  // answer ends the pause: the key begins the next answer.
  void TypeAheadInPause(QEvent* event);
  void ShowCounters();
  void SetAnswerColours(std::optional<int> text, std::optional<int> back);
  // The captions that change while a question is answered.
  void SetAnswerCaptions(unsigned group, unsigned button);
  void OpenSuggestions();
  void TakeSuggestion();
  void CloseSuggestions();

  CWordList& m_list;
  CPlatform& m_platform;
  CExercise m_exercise;
  PracticeOptions m_options;
  QBasicTimer m_pause;
  unsigned m_answerGroupText;
  unsigned m_answerButtonText;
  bool m_laidOut = false;

  QGroupBox* m_countersGroup;
  QLabel* m_counterLabels[4];
  QLabel* m_counters[4];  // questions, current, right, wrong
  QLabel* m_direction;
  QGroupBox* m_questionGroup;
  QLabel* m_classPicture;
  QLabel* m_question;
  QGroupBox* m_answerGroup;
  CColorEdit* m_answer;
  QListWidget* m_suggestions;
  CHoverButton* m_suggestButton;
  CHoverButton* m_answerButton;
  QGroupBox* m_hiddenGroup;
};
