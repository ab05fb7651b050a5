#include "PracticePanel.h"

#include <QCollator>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimerEvent>

#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "SpecialChars.h"
#include "controls/ColorEdit.h"
#include "controls/DialogSupport.h"
#include "controls/HoverButton.h"
#include "controls/Pictures.h"
#include "lang/LangText.h"
#include "platform/Platform.h"
#include "practice/AnswerJudge.h"
#include "practice/ResultsDlg.h"
#include "wordlist/WordList.h"

namespace {

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

constexpr int kLabelIds[4] = {IDC_LABEL_TOTAL, IDC_LABEL_CURRENT, IDC_LABEL_RIGHT, IDC_LABEL_WRONG};
constexpr int kCounterIds[4] = {IDC_COUNT_TOTAL, IDC_COUNT_CURRENT, IDC_COUNT_RIGHT,
                                IDC_COUNT_WRONG};
constexpr unsigned kLabelTexts[4] = {kTxtCounterQuestions, kTxtCounterCurrent, kTxtCounterRight,
                                     kTxtCounterWrong};

}  // namespace

CPracticePanel::CPracticePanel(CWordList& list, CPlatform& platform, QWidget* parent)
    : CPanel(parent),
      m_list(list),
      m_platform(platform),
      m_answerGroupText(kTxtAnswerGroup),
      m_answerButtonText(kTxtAnswerButton) {
  const auto label = [this](int id) {
    auto* l = new QLabel(this);
    Name(l, id);
    return l;
  };
  const auto group = [this](int id) {
    auto* g = new QGroupBox(this);
    Name(g, id);
    g->lower();
    return g;
  };

  m_countersGroup = group(IDC_COUNTERS_GROUP);
  m_countersGroup->resize(170, 146);
  for (int i = 0; i < 4; ++i) {
    m_counterLabels[i] = label(kLabelIds[i]);
    m_counterLabels[i]->setGeometry(20, 120 + 20 * i, 88, 18);
    m_counters[i] = label(kCounterIds[i]);
    m_counters[i]->setGeometry(110, 120 + 20 * i, 60, 18);
    m_counters[i]->setText(QStringLiteral("0"));
  }
  SetHoverText(m_counterLabels[0], kTxtHoverWordCount);
  m_direction = label(IDC_DIRECTION);
  m_direction->setGeometry(20, 205, 155, 30);
  m_direction->setWordWrap(true);
  m_questionGroup = group(IDC_QUESTION_GROUP);
  m_questionGroup->resize(433, 56);
  m_classPicture = label(IDC_CLASS_PICTURE);
  m_classPicture->resize(14, 14);
  m_question = label(IDC_QUESTION);
  m_question->resize(423, 22);
  m_question->setTextFormat(Qt::PlainText);
  m_answerGroup = group(IDC_ANSWER_GROUP);
  m_answerGroup->resize(433, 56);
  m_answer = new CColorEdit(this);
  Name(m_answer, IDC_ANSWER);
  m_answer->resize(333, 20);
  m_answer->SetRefusalHint(LangQText(kTxtCharRefused));
  m_answer->installEventFilter(this);
  connect(m_answer, &QLineEdit::textChanged, this, &CPracticePanel::OnAnswerChanged);
  m_suggestions = new QListWidget(this);
  Name(m_suggestions, IDC_SUGGESTIONS);
  m_suggestions->setSortingEnabled(true);
  m_suggestions->hide();
  m_suggestions->installEventFilter(this);
  connect(m_suggestions, &QListWidget::itemDoubleClicked, this, &CPracticePanel::TakeSuggestion);
  m_suggestButton = MakeDialogButton(QString(), this);
  Name(m_suggestButton, IDC_SUGGEST_BUTTON);
  m_suggestButton->resize(20, 20);
  const QIcon drop = CPictures::ButtonIcon(CPictures::ButtonPicture::DropDown);
  m_suggestButton->SetIcon(drop, drop, 12, 12);
  m_suggestButton->SetShowText(false);
  connect(m_suggestButton, &QAbstractButton::clicked, this, &CPracticePanel::OpenSuggestions);
  m_answerButton = MakeDialogButton(QString(), this);
  Name(m_answerButton, IDC_ANSWER_BUTTON);
  SetHoverText(m_answerButton, kTxtHoverAnswerButton);
  m_answerButton->resize(48, 22);
  connect(m_answerButton, &QAbstractButton::clicked, this, &CPracticePanel::CheckAnswer);
  m_hiddenGroup = group(IDC_HIDDEN_GROUP);
  m_hiddenGroup->hide();
}

void CPracticePanel::SetActive(bool active) {
  setVisible(active);
  m_answerButton->setEnabled(active);
  m_suggestions->hide();
  if (active) {
    const std::array<QString, 4> specials = SpecialChars();
    m_answer->SetSpecialChars(specials[0], specials[1], specials[2], specials[3]);
  }
}

// --- the run -----------------------------------------------------------------------

void CPracticePanel::Start(Direction direction, const PracticeOptions& options) {
  m_pause.stop();
  m_options = options;
  ExerciseSetup setup;
  setup.writeForeign = direction == Direction::Foreign;
  setup.checkWhileTyping = options.checkWhileTyping;
  setup.shuffle = options.shuffle;
  setup.onlyFirstN = !options.allWords;
  setup.n = options.onlyCount;
  setup.pauseText = options.pause.toStdString();
  m_direction->setText(LangQText(setup.writeForeign ? kTxtWriteForeign : kTxtWriteTranslation));
  m_exercise.Start(m_list, setup);
  // A shuffled list itself has a new order now.
  if (setup.shuffle) Q_EMIT ListChanged();

  m_suggestions->clear();
  const int count = m_list.GetCount();
  for (int i = 0; i < count; ++i) {
    m_suggestions->addItem(new CSuggestionItem(QString::fromStdString(
        setup.writeForeign ? m_list.GetForeign(i) : m_list.GetTranslation(i))));
  }
  if (m_suggestions->count() > 0) m_suggestions->setCurrentRow(0);
  AskNext();
}

void CPracticePanel::AskNext() {
  const CExercise::NextResult next = m_exercise.NextQuestion();
  if (next == CExercise::NextResult::Blocked) return;
  if (next == CExercise::NextResult::Asked) {
    Q_EMIT StatusText(m_exercise.WriteForeign() ? kTxtStatusTranslation : kTxtStatusForeign);
    SetWordText(m_question, m_exercise.QuestionLine());
    // Every question starts neutral, whatever the last answer (or the last
    // run) left in the captions and colours.
    SetAnswerCaptions(kTxtAnswerGroup, kTxtAnswerButton);
    m_answer->clear();
    SetAnswerColours(int(AnswerColour::Black), int(AnswerColour::Window));
    ShowCounters();
    const int mark = m_options.showClass ? m_exercise.MarkAt(m_exercise.Current() - 1) : 0;
    m_classPicture->setPixmap(CPictures::ClassPicture(mark));
    m_answer->setFocus();
    return;
  }
  // The run is over.
  CResultsDlg results(m_platform, window());
  results.Prepare(m_exercise);
  if (results.exec() == CResultsDlg::IDC_PRACTISE_AGAIN) {
    m_exercise.StartWrongWordsAgain();
    AskNext();
  } else {
    Q_EMIT RunEnded();
  }
}

void CPracticePanel::Restart() {
  if (!IsActive()) return;
  m_pause.stop();
  m_exercise.ResetForRestart();
  SetAnswerColours(int(AnswerColour::Black), int(AnswerColour::Window));
  SetAnswerCaptions(kTxtAnswerGroup, kTxtAnswerButton);
  m_answer->clear();
  ShowCounters();
  AskNext();
}

void CPracticePanel::CheckAnswer() {
  if (!IsActive()) return;
  AnswerOptions options;
  options.caseDistinguished = m_options.matchCase;
  options.rightSound = m_options.rightSound;
  options.wrongSound = m_options.wrongSound;
  CAnswerJudge judge(m_exercise);
  const AnswerVerdict verdict = judge.CheckAnswer(m_answer->GetText(), options);
  if (verdict.outcome == AnswerOutcome::NotJudged) return;

  std::optional<int> text;
  std::optional<int> back;
  if (verdict.textColour) text = int(*verdict.textColour);
  if (verdict.background) back = int(*verdict.background);
  SetAnswerColours(text, back);
  if (verdict.fieldText) m_answer->SetText(*verdict.fieldText);
  SetAnswerCaptions(verdict.groupCaption.value_or(m_answerGroupText),
                    verdict.buttonCaption.value_or(m_answerButtonText));
  if (verdict.showCounters) ShowCounters();
  if (verdict.statusText) {
    if (verdict.statusRed) {
      Q_EMIT WarningText(*verdict.statusText);
    } else {
      Q_EMIT StatusText(*verdict.statusText);
    }
  }
  if (verdict.sound == AnswerSound::Right) m_platform.PlaySound(m_options.rightSoundPath);
  if (verdict.sound == AnswerSound::Wrong) m_platform.PlaySound(m_options.wrongSoundPath);
  if (verdict.startPause) {
    m_pause.start(verdict.pauseMs, this);
  } else if (verdict.askNext) {
    AskNext();
  }
}

void CPracticePanel::OnAnswerChanged() {
  if (!IsActive()) return;
  const CAnswerJudge judge(m_exercise);
  const TypingFeedback feedback = judge.OnAnswerChanged(m_answer->GetText(), m_options.matchCase);
  std::optional<int> text;
  std::optional<int> back;
  if (feedback.textColour) text = int(*feedback.textColour);
  if (feedback.background) back = int(*feedback.background);
  SetAnswerColours(text, back);
  if (feedback.submit) CheckAnswer();
}

void CPracticePanel::OnPauseExpired() {
  m_pause.stop();
  m_exercise.EndPause();
  if (!IsActive() || m_exercise.IsCopyMode()) return;
  m_answer->clear();
  SetAnswerColours(std::nullopt, int(AnswerColour::Window));
  AskNext();
  if (IsActive())
    Q_EMIT StatusText(m_exercise.WriteForeign() ? kTxtStatusTranslation : kTxtStatusForeign);
}

void CPracticePanel::TypeAheadInPause(QEvent* event) {
  if (!m_pause.isActive() || !IsActive()) return;
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

void CPracticePanel::timerEvent(QTimerEvent* event) {
  if (event->timerId() == m_pause.timerId()) {
    OnPauseExpired();
    return;
  }
  CPanel::timerEvent(event);
}

bool CPracticePanel::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == m_answer && (type == QEvent::KeyPress || type == QEvent::InputMethod)) {
    TypeAheadInPause(event);
  } else if (watched == m_answer && type == QEvent::FocusIn) {
    Q_EMIT StatusText(m_exercise.WriteForeign() ? kTxtStatusTranslation : kTxtStatusForeign);
  } else if (watched == m_suggestions && type == QEvent::FocusOut) {
    CloseSuggestions();
  }
  return CPanel::eventFilter(watched, event);
}

// --- what the panel shows ------------------------------------------------------

void CPracticePanel::ShowCounters() {
  const int values[4] = {m_exercise.Total(), m_exercise.Current(), m_exercise.RightFirstTry(),
                         m_exercise.WrongAnswers()};
  for (int i = 0; i < 4; ++i) m_counters[i]->setText(QString::number(values[i]));
}

void CPracticePanel::SetAnswerColours(std::optional<int> text, std::optional<int> back) {
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
  if (text) m_answer->SetTextColour(colour(*text));
  if (back) m_answer->SetBackColour(colour(*back));
}

void CPracticePanel::SetAnswerCaptions(unsigned group, unsigned button) {
  m_answerGroupText = group;
  m_answerButtonText = button;
  SetText(m_answerGroup, group);
  SetText(m_answerButton, button);
  // Before the first layout the button has no width to fit; the layout fits it.
  if (m_laidOut) FitText(m_answerButton, font());
}

// --- suggestions -----------------------------------------------------------------

void CPracticePanel::ToggleSuggestions() {
  if (!IsActive()) return;
  if (m_suggestions->isVisible()) {
    CloseSuggestions();
  } else {
    OpenSuggestions();
  }
}

void CPracticePanel::OpenSuggestions() {
  m_suggestButton->SetLatched(true);
  const QString typed = m_answer->text();
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

void CPracticePanel::TakeSuggestion() {
  QListWidgetItem* item = m_suggestions->currentItem();
  if (!item || !item->isSelected()) return;
  m_suggestions->hide();
  m_suggestButton->SetLatched(false);
  m_answer->setText(item->text());
  m_answer->setFocus();
}

void CPracticePanel::CloseSuggestions() {
  m_suggestions->hide();
  m_suggestButton->SetLatched(false);
}

void CPracticePanel::OnEnter() {
  if (m_suggestions->isVisible()) {
    TakeSuggestion();
  } else {
    CheckAnswer();
  }
}

void CPracticePanel::TakeFocus() {
  m_answer->setFocus();
}

void CPracticePanel::OnBackgroundClick() {
  m_suggestions->hide();
}

// --- language and layout -------------------------------------------------------------

void CPracticePanel::ApplyLanguage() {
  // The answer's captions change during a run; they keep their meaning.
  SetAnswerCaptions(m_answerGroupText, m_answerButtonText);
  SetText(m_questionGroup, kTxtQuestionGroup);
  SetText(m_countersGroup, kTxtCountersGroup);
  for (int i = 0; i < 4; ++i) SetText(m_counterLabels[i], kLabelTexts[i]);
  SetText(m_hiddenGroup, kTxtHiddenGroup);
  if (!m_direction->text().isEmpty())
    m_direction->setText(
        LangQText(m_exercise.WriteForeign() ? kTxtWriteForeign : kTxtWriteTranslation));
  m_answer->SetRefusalHint(LangQText(kTxtCharRefused));
}

void CPracticePanel::Layout(int w, int h) {
  m_laidOut = true;
  setGeometry(0, 0, w, h);
  const int p = w < 644 ? w - 210 : 433;
  m_countersGroup->move(10, 90);
  for (int i = 0; i < 4; ++i) {
    m_counterLabels[i]->move(20, 120 + 20 * i);
    m_counters[i]->move(110, 120 + 20 * i);
  }
  m_direction->move(20, 205);
  m_questionGroup->setGeometry(200, 90, p, m_questionGroup->height());
  m_classPicture->move(210, 110);
  // Inside the group box: a right-to-left question ends at its right edge.
  m_question->setGeometry(230, 106, p - 40, m_question->height());
  m_answerGroup->setGeometry(200, 160, p, m_answerGroup->height());
  m_answer->setGeometry(220, 183, p - 100, 20);
  m_suggestions->setGeometry(220, 203, p - 80, 60);
  m_suggestButton->setGeometry(p + 120, 183, 20, 20);
  m_answerButton->move(p + 150, 183);
  FitText(m_answerButton, font());
}
