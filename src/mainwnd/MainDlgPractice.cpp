// The practice run in the main window: start, questions, answers, the pause,
// the suggestion list and the end of the run.
#include <QCheckBox>
#include <QCollator>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimerEvent>

#include "AnswerJudge.h"
#include "ColorEdit.h"
#include "ColorLabel.h"
#include "Cp1252.h"
#include "DirectionDlg.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "Pictures.h"
#include "Platform.h"
#include "ResultsDlg.h"
#include "Settings.h"
#include "SettingsKeys.h"

namespace {

constexpr int kPauseTimerId = 1;
constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kGreen = 0x00FF00;

// A line of the suggestion list. The list sorts alphabetically in the user's
// language with capitals among the small letters, so that a capitalised word
// (every German noun) stands where the user looks for it, not before all
// words in small letters.
class CSuggestionItem : public QListWidgetItem {
 public:
  using QListWidgetItem::QListWidgetItem;

  bool operator<(const QListWidgetItem& other) const override {
    static const QCollator collator = [] {
      QCollator c;
      c.setCaseSensitivity(Qt::CaseInsensitive);
      return c;
    }();
    if (const int c = collator.compare(text(), other.text()); c != 0) return c < 0;
    return text() < other.text();
  }
};

}  // namespace

void CMainDlg::SetAnswerColours(std::optional<int> text, std::optional<int> back) {
  const ColorRef window = ToColorRef(palette().color(QPalette::Base));
  auto colour = [window](int c) -> ColorRef {
    switch (static_cast<AnswerColour>(c)) {
      case AnswerColour::Black:
        return kBlack;
      case AnswerColour::Red:
        return kRed;
      case AnswerColour::Green:
        return kGreen;
      case AnswerColour::Window:
        return window;
    }
    return window;
  };
  if (text) m_answerEdit->SetTextColour(colour(*text));
  if (back) m_answerEdit->SetBackColour(colour(*back));
}

void CMainDlg::ShowCounters() {
  static_cast<QLabel*>(Control(IDC_COUNT_TOTAL))->setText(QString::number(m_exercise.Total()));
  static_cast<QLabel*>(Control(IDC_COUNT_CURRENT))->setText(QString::number(m_exercise.Current()));
  static_cast<QLabel*>(Control(IDC_COUNT_RIGHT))
      ->setText(QString::number(m_exercise.RightFirstTry()));
  static_cast<QLabel*>(Control(IDC_COUNT_WRONG))
      ->setText(QString::number(m_exercise.WrongAnswers()));
}

void CMainDlg::StartExercise() {
  if (m_wordList.GetCount() < 1) {
    m_platform.MessageBox(LangQText(kTxtEmptyList), MessageButtons::Ok, MessageIcon::Information);
    ShowEditPanel(true);
    return;
  }
  // "Only the first 0 words" asks nothing: no direction to choose, no run,
  // no results praising answers that were never given.
  if (IsChecked(IDC_ONLY_WORDS) && EditText(IDC_ONLY_COUNT).toInt() < 1) {
    if (m_mode == Practice) ShowEditPanel(true);
    SetWarningStatus(kTxtNothingToPractise);
    return;
  }
  SetAnswerColours(int(AnswerColour::Black), int(AnswerColour::Window));
  CDirectionDlg direction(m_platform, this);
  const int choice = direction.exec();
  if (choice != CDirectionDlg::IDC_FOREIGN && choice != CDirectionDlg::IDC_TRANSLATION) {
    ShowEditPanel(true);
    return;
  }
  m_pauseTimer.stop();
  ShowPracticePanel(true);

  ExerciseSetup setup;
  setup.writeForeign = choice == CDirectionDlg::IDC_FOREIGN;
  setup.checkWhileTyping = IsChecked(IDC_CHECK_WHILE_TYPING);
  setup.shuffle = IsChecked(IDC_SHUFFLE);
  setup.onlyFirstN = IsChecked(IDC_ONLY_WORDS);
  setup.n = EditText(IDC_ONLY_COUNT).toInt();
  setup.pauseText = ToCp1252(ReadSetting(SettingsRoot::CurrentUser, kKeySetups, kValuePause));
  static_cast<QLabel*>(Control(IDC_DIRECTION))
      ->setText(LangQText(setup.writeForeign ? kTxtWriteForeign : kTxtWriteTranslation));
  WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF,
               setup.writeForeign ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
  m_exercise.Start(m_wordList, setup);
  if (setup.shuffle) {
    // The list itself has a new order now.
    SetListTitle(m_wordList.IsModified() != 0);
  }

  m_suggestions->clear();
  const int count = m_wordList.GetCount();
  for (int i = 0; i < count; ++i) {
    m_suggestions->addItem(new CSuggestionItem(
        FromCp1252(setup.writeForeign ? m_wordList.GetForeign(i) : m_wordList.GetTranslation(i))));
  }
  if (m_suggestions->count() > 0) m_suggestions->setCurrentRow(0);
  AskNext();
}

void CMainDlg::AskNext() {
  const CExercise::NextResult next = m_exercise.NextQuestion();
  if (next == CExercise::NextResult::Blocked) return;
  if (next == CExercise::NextResult::Asked) {
    m_questionText = m_exercise.QuestionText();
    m_answerText = m_exercise.AnswerText();
    SetStatus(m_exercise.WriteForeign() ? kTxtStatusTranslation : kTxtStatusForeign);
    static_cast<QLabel*>(Control(IDC_QUESTION))->setText(FromCp1252(m_exercise.QuestionLine()));
    // Every question starts neutral, whatever the last answer (or the last
    // run) left in the captions and colours.
    SetControlText(IDC_ANSWER_GROUP, kTxtAnswerGroup);
    SetControlText(IDC_ANSWER_BUTTON, kTxtAnswerButton);
    m_answerEdit->clear();
    SetAnswerColours(int(AnswerColour::Black), int(AnswerColour::Window));
    ShowCounters();
    const int mark = IsChecked(IDC_SHOW_CLASS) ? m_exercise.MarkAt(m_exercise.Current() - 1) : 0;
    static_cast<QLabel*>(Control(IDC_CLASS_PICTURE))->setPixmap(CPictures::ClassPicture(mark));
    m_answerEdit->setFocus();
    return;
  }
  // The run is over.
  CResultsDlg results(m_platform, this);
  results.Prepare(m_exercise);
  if (results.exec() == CResultsDlg::IDC_PRACTISE_AGAIN) {
    m_exercise.StartWrongWordsAgain();
    AskNext();
  } else {
    ShowEditPanel(true);
  }
}

void CMainDlg::RestartExercise() {
  if (m_mode != Practice) return;
  m_pauseTimer.stop();
  m_exercise.ResetForRestart();
  SetAnswerColours(int(AnswerColour::Black), int(AnswerColour::Window));
  SetControlText(IDC_ANSWER_GROUP, kTxtAnswerGroup);
  SetControlText(IDC_ANSWER_BUTTON, kTxtAnswerButton);
  m_answerEdit->clear();
  ShowCounters();
  AskNext();
}

void CMainDlg::CheckAnswer() {
  if (m_mode != Practice) return;
  const QString wrongSound = EditText(IDC_WRONG_SOUND_PATH);
  const QString rightSound = EditText(IDC_RIGHT_SOUND_PATH);
  AnswerOptions options;
  options.caseDistinguished = IsChecked(IDC_MATCH_CASE);
  options.rightSound = IsChecked(IDC_RIGHT_SOUND_CHECK);
  options.wrongSound = IsChecked(IDC_WRONG_SOUND_CHECK);
  CAnswerJudge judge(m_exercise);
  const AnswerVerdict verdict = judge.CheckAnswer(m_answerEdit->GetText(), options);
  if (verdict.outcome == AnswerOutcome::NotJudged) return;

  std::optional<int> text;
  std::optional<int> back;
  if (verdict.textColour) text = int(*verdict.textColour);
  if (verdict.background) back = int(*verdict.background);
  SetAnswerColours(text, back);
  if (verdict.fieldText) {
    m_answerEdit->SetText(*verdict.fieldText);
  }
  if (verdict.groupCaption) SetControlText(IDC_ANSWER_GROUP, *verdict.groupCaption);
  if (verdict.buttonCaption) SetControlText(IDC_ANSWER_BUTTON, *verdict.buttonCaption);
  if (verdict.showCounters) ShowCounters();
  if (verdict.statusText) {
    if (verdict.statusRed) {
      SetWarningStatus(*verdict.statusText);
    } else {
      SetStatus(*verdict.statusText);
    }
  }
  if (verdict.sound == AnswerSound::Right) m_platform.PlaySound(rightSound);
  if (verdict.sound == AnswerSound::Wrong) m_platform.PlaySound(wrongSound);
  if (verdict.startPause) {
    m_pauseTimer.start(verdict.pauseMs, this);
  } else if (verdict.askNext) {
    AskNext();
  }
}

void CMainDlg::OnAnswerChanged() {
  if (m_mode != Practice) return;
  const CAnswerJudge judge(m_exercise);
  const TypingFeedback feedback =
      judge.OnAnswerChanged(m_answerEdit->GetText(), IsChecked(IDC_MATCH_CASE));
  std::optional<int> text;
  std::optional<int> back;
  if (feedback.textColour) text = int(*feedback.textColour);
  if (feedback.background) back = int(*feedback.background);
  SetAnswerColours(text, back);
  if (feedback.submit) CheckAnswer();
}

void CMainDlg::OnPauseExpired() {
  m_pauseTimer.stop();
  m_exercise.EndPause();
  if (m_mode != Practice || m_exercise.IsCopyMode()) return;
  m_answerEdit->clear();
  SetAnswerColours(std::nullopt, int(AnswerColour::Window));
  AskNext();
  if (m_mode == Practice) {
    SetStatus(m_exercise.WriteForeign() ? kTxtStatusTranslation : kTxtStatusForeign);
  }
}

void CMainDlg::TypeAheadInPause(QObject* watched, QEvent* event) {
  if (watched != m_answerEdit || !m_pauseTimer.isActive() || m_mode != Practice) return;
  // The last question has no next answer to begin.
  if (m_exercise.Current() >= m_exercise.Total()) return;
  bool types = false;
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool command =
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool special = key->key() >= Qt::Key_F5 && key->key() <= Qt::Key_F8;
    types = !command && (special || (!key->text().isEmpty() && key->text().at(0).isPrint()));
  } else if (event->type() == QEvent::InputMethod) {
    // A letter composed with a dead key arrives this way.
    types = !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty();
  }
  if (types) OnPauseExpired();
}

void CMainDlg::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_pauseTimer.timerId()) {
    OnPauseExpired();
    return;
  }
  QDialog::timerEvent(event);
}

void CMainDlg::OpenSuggestions() {
  static_cast<CHoverButton*>(Control(IDC_SUGGEST_BUTTON))->SetLatched(true);
  const QString typed = m_answerEdit->text();
  int row = 0;
  for (int i = 0; i < m_suggestions->count(); ++i) {
    if (m_suggestions->item(i)->text().startsWith(typed, Qt::CaseInsensitive)) {
      row = i;
      break;
    }
  }
  if (m_suggestions->count() > 0) m_suggestions->setCurrentRow(row);
  m_suggestions->show();
  m_suggestions->raise();
  m_suggestions->setFocus();
}

void CMainDlg::TakeSuggestion() {
  QListWidgetItem* item = m_suggestions->currentItem();
  if (!item || !item->isSelected()) return;
  m_suggestions->hide();
  static_cast<CHoverButton*>(Control(IDC_SUGGEST_BUTTON))->SetLatched(false);
  m_answerEdit->setText(item->text());
  m_answerEdit->setFocus();
}

void CMainDlg::CloseSuggestions() {
  m_suggestions->hide();
  static_cast<CHoverButton*>(Control(IDC_SUGGEST_BUTTON))->SetLatched(false);
}
