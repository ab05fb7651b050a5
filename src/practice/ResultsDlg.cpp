#include "ResultsDlg.h"

#include <algorithm>

#include <QCollator>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

#include "Exercise.h"
#include "PracticeDialogTexts.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "platform/HelpTopics.h"
#include "platform/Platform.h"
#include "settings/SettingsKeys.h"
#include "wordlist/WordList.h"

namespace {

// Template layout in dialog units, positions relative to the dialog.
constexpr int kDialogWidth = 362;
constexpr int kDialogHeight = 143;
constexpr int kEdge = 7;  // left, top and right margin
constexpr int kWrongGroupX = 7, kWrongGroupY = 7, kWrongGroupW = 193, kGroupH = 107;
constexpr int kListX = 14, kListY = 21, kListW = 180, kListH = 86;
constexpr int kCountGroupX = 202, kCountGroupW = 153;
constexpr int kLabelX = 211, kLabelW = 99, kRowH = 8;
constexpr int kLabelY[4] = {27, 37, 48, 59};
constexpr int kValueGap = 5;  // between a label and its value
constexpr int kValueW = 31;
constexpr int kValueRight = 9;  // right of the values, inside the frame
constexpr int kButtonY = 122, kButtonH = 14, kButtonGap = 5;
constexpr int kOkW = 50, kActionW = 92;

constexpr int kTabStop = 80;

constexpr unsigned kLabelTexts[4] = {kTxtResultsQuestions, kTxtResultsRightFirst, kTxtResultsWrong,
                                     kTxtResultsRightSecond};
constexpr const char* kValueNames[4] = {"IDC_TOTAL", "IDC_RIGHT_FIRST", "IDC_WRONG",
                                        "IDC_RIGHT_SECOND"};
constexpr int kValueIds[4] = {CResultsDlg::IDC_TOTAL, CResultsDlg::IDC_RIGHT_FIRST,
                              CResultsDlg::IDC_WRONG, CResultsDlg::IDC_RIGHT_SECOND};

// "&Foo" -> "Foo", "Questions:" -> "Questions": the name a screen reader
// gives a control.
QString PlainName(QString text) {
  text.remove(QLatin1Char('&'));
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char(' '))) text.chop(1);
  return text;
}

// The foreign word and the translation of a list line.
std::pair<QString, QString> SplitLine(const QString& line) {
  const qsizetype tab = line.indexOf(QLatin1Char('\t'));
  if (tab < 0) return {line, QString()};
  return {line.left(tab), line.mid(tab + 1)};
}

}  // namespace

CResultsDlg::CResultsDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform) {
  setWindowTitle(LangQText(kTxtResultsCaption));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  m_wrongGroup = new QGroupBox(LangQText(kTxtResultsWrongWords), this);
  m_list = new CWordListBox(m_wrongGroup);
  m_list->setObjectName(QStringLiteral("IDC_WRONG_LIST"));
  m_list->setSelectionMode(QAbstractItemView::NoSelection);
  m_list->setAccessibleName(PlainName(LangQText(kTxtResultsWrongWords)));
  m_list->SetTabStop(kTabStop);

  m_countGroup = new QGroupBox(LangQText(kTxtResultsCaption), this);
  for (int i = 0; i < 4; ++i) {
    m_labels[i] = new QLabel(LangQText(kLabelTexts[i]), m_countGroup);
    m_values[i] = new QLabel(m_countGroup);
    m_values[i]->setObjectName(QLatin1String(kValueNames[i]));
  }

  const auto makeButton = [this](const char* name, unsigned text) {
    CHoverButton* button = MakeDialogButton(LangQText(text), this);
    button->setObjectName(QLatin1String(name));
    return button;
  };
  m_ok = makeButton("IDOK", kTxtResultsOk);
  m_again = makeButton("IDC_PRACTISE_AGAIN", kTxtResultsPractiseAgain);
  m_save = makeButton("IDC_SAVE_WRONG", kTxtResultsSave);
  // Enter anywhere else (the list) closes the dialog, as OK.
  m_ok->setDefault(true);

  setTabOrder(m_list, m_ok);
  setTabOrder(m_ok, m_again);
  setTabOrder(m_again, m_save);

  connect(m_ok, &QPushButton::clicked, this, &CResultsDlg::accept);
  connect(m_again, &QPushButton::clicked, this, [this] { done(IDC_PRACTISE_AGAIN); });
  connect(m_save, &QPushButton::clicked, this, &CResultsDlg::SaveWrongWords);

  LayOut();
}

void CResultsDlg::LayOut() {
  const CDialogUnits du(font());

  // The label column and the buttons grow where a text in the current
  // language is wider than the template allows; everything right of them
  // moves along.
  int labelWidth = du.X(kLabelW);
  for (const QLabel* label : m_labels) labelWidth = std::max(labelWidth, label->sizeHint().width());
  const int rowHeight = std::max(du.Y(kRowH), m_labels[0]->sizeHint().height());
  const int labelX = du.X(kLabelX - kCountGroupX);
  const int valueX = labelX + labelWidth + du.X(kValueGap);
  const int valueWidth =
      std::max(du.X(kValueW), m_values[0]->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
  for (int i = 0; i < 4; ++i) {
    // The values stand on their labels' lines.
    const int y = du.Y(kLabelY[i] - kWrongGroupY);
    m_labels[i]->setGeometry(labelX, y, labelWidth, rowHeight);
    m_values[i]->setGeometry(valueX, y, valueWidth, rowHeight);
  }

  const int groupTop = du.Y(kWrongGroupY);
  const int groupHeight = du.Y(kGroupH);
  m_wrongGroup->setGeometry(du.X(kWrongGroupX), groupTop, du.X(kWrongGroupW), groupHeight);
  m_list->setGeometry(du.X(kListX - kWrongGroupX), du.Y(kListY - kWrongGroupY), du.X(kListW),
                      du.Y(kListH));
  const int countWidth = std::max(du.X(kCountGroupW), valueX + valueWidth + du.X(kValueRight));
  m_countGroup->setGeometry(du.X(kCountGroupX), groupTop, countWidth, groupHeight);

  const int buttonHeight = std::max({du.Y(kButtonH), m_ok->sizeHint().height(),
                                     m_again->sizeHint().height(), m_save->sizeHint().height()});
  int x = du.X(kEdge);
  const std::pair<CHoverButton*, int> buttons[] = {
      {m_ok, kOkW}, {m_again, kActionW}, {m_save, kActionW}};
  for (const auto& [button, width] : buttons) {
    const int w = std::max(du.X(width), button->sizeHint().width());
    button->setGeometry(x, du.Y(kButtonY), w, buttonHeight);
    x += w + du.X(kButtonGap);
  }

  const int width =
      std::max({du.X(kDialogWidth), m_countGroup->geometry().right() + 1 + du.X(kEdge),
                m_save->geometry().right() + 1 + du.X(kEdge)});
  const int height = std::max(du.Y(kDialogHeight), m_save->geometry().bottom() + 1 + du.Y(kEdge));
  setFixedSize(width, height);
}

void CResultsDlg::Prepare(const CExercise& exercise) {
  m_exercise = &exercise;
  m_total = exercise.Total();
  m_wrong = exercise.WrongAnswers();
  m_rightFirst = exercise.RightFirstTry();
  m_rightSecond = exercise.RightSecondTry();

  const int counts[4] = {m_total, m_rightFirst, m_wrong, m_rightSecond};
  for (int i = 0; i < 4; ++i) {
    m_values[i]->setText(QString::number(counts[i]));
    // A screen reader reads a label's name instead of its text: the name
    // carries the number, with the caption it belongs to.
    m_values[i]->setAccessibleName(PlainName(LangQText(kLabelTexts[i])) + QStringLiteral(": ") +
                                   QString::number(counts[i]));
  }

  m_list->clear();
  const bool anyWrong = m_wrong >= 1;
  m_again->setEnabled(anyWrong);
  m_save->setEnabled(anyWrong);
  if (!anyWrong) {
    m_list->SetClassNames({});
    m_list->AddLine(LangQText(kTxtResultsNoWrong), 0);
    return;
  }
  m_list->SetClassNames({LangQText(kTxtResultsClassNone), LangQText(kTxtResultsClass1),
                         LangQText(kTxtResultsClass2)});
  const int n = exercise.CountEntries(ExerciseTable::WrongWords);
  for (int i = 0; i < n; ++i) {
    AddWrongWord(QString::fromStdString(exercise.GetEntryForeign(ExerciseTable::WrongWords, i)),
                 QString::fromStdString(exercise.GetEntryTranslation(ExerciseTable::WrongWords, i)),
                 exercise.GetEntryMark(ExerciseTable::WrongWords, i));
  }
}

void CResultsDlg::AddWrongWord(const QString& foreign, const QString& translation, int mark) {
  // Alphabetical in the user's language, letters of either case together;
  // field by field, so that the tab between the two words never decides.
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  const auto less = [&collator](const std::pair<QString, QString>& a,
                                const std::pair<QString, QString>& b) {
    for (const auto& [x, y] : {std::pair{&a.first, &b.first}, std::pair{&a.second, &b.second}}) {
      if (const int c = collator.compare(*x, *y); c != 0) return c < 0;
      if (const int c = x->compare(*y); c != 0) return c < 0;
    }
    return false;
  };
  const std::pair<QString, QString> key{foreign, translation};
  // After every equal line, so that equal words keep the order of the run.
  int lo = 0;
  for (int hi = m_list->count(); lo < hi;) {
    const int mid = lo + (hi - lo) / 2;
    if (less(key, SplitLine(m_list->item(mid)->text())))
      hi = mid;
    else
      lo = mid + 1;
  }
  m_list->AddLine(foreign + QLatin1Char('\t') + translation, mark, lo);
}

FileResult CResultsDlg::SaveWrongWords() {
  if (!m_exercise) return FileResult::Cancelled;
  // A separate list: the open list and the exercise stay as they are.
  CWordList list(&m_platform);
  list.NewList();
  const int n = m_exercise->CountEntries(ExerciseTable::WrongWords);
  for (int i = 0; i < n; ++i) {
    // The words of one list always fit another.
    (void)list.AddWord(m_exercise->GetEntryForeign(ExerciseTable::WrongWords, i),
                       m_exercise->GetEntryTranslation(ExerciseTable::WrongWords, i), 0);
  }
  const FileResult result = list.Save();
  // The list itself reports nothing when the file cannot be written; without
  // this the user would believe the words were saved.
  if (result == FileResult::Failed)
    m_platform.MessageBox(LangQText(kTxtResultsSaveFailed), MessageButtons::Ok,
                          MessageIcon::Warning);
  return result;
}

CHoverButton* CResultsDlg::Button(int id) const {
  switch (id) {
    case IDOK:
      return m_ok;
    case IDC_PRACTISE_AGAIN:
      return m_again;
    case IDC_SAVE_WRONG:
      return m_save;
    default:
      return nullptr;
  }
}

QLabel* CResultsDlg::CountValue(int id) const {
  for (int i = 0; i < 4; ++i)
    if (kValueIds[i] == id) return m_values[i];
  return nullptr;
}

void CResultsDlg::accept() {
  done(IDOK);
}

void CResultsDlg::reject() {
  done(IDCANCEL);
}

void CResultsDlg::keyPressEvent(QKeyEvent* event) {
  if (HelpOnF1(event, m_platform, kHelpResults)) return;
  QDialog::keyPressEvent(event);
}
