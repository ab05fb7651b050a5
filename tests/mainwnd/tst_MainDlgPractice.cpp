// Whole exercises played on the real main window, with the real direction and
// results dialogs, and the pause after a right answer set to 0.
#include <QtTest>

#include <functional>
#include <memory>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>

#include "ColorEdit.h"
#include "ColorLabel.h"
#include "ColorRef.h"
#include "DirectionDlg.h"
#include "FakePlatform.h"
#include "HoverButton.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "PracticeDialogTexts.h"
#include "PracticeTexts.h"
#include "ResultsDlg.h"
#include "Settings.h"
#include "SettingsDefaults.h"
#include "SettingsKeys.h"
#include "WordList.h"
#include "WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

constexpr ColorRef kBlack = 0x000000;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kGreen = 0x00FF00;

const QString kWrongSound = u"/sounds/wrong.wav"_s;
const QString kRightSound = u"/sounds/right.wav"_s;

void SetOption(QLatin1String name, const QString& value) {
  WriteSetting(SettingsRoot::CurrentUser, kKeySetups, name, value);
}

// What the results dialog showed when it came up.
struct Results {
  bool seen = false;
  int total = -1;
  int rightFirst = -1;
  int wrong = -1;
  int rightSecond = -1;
  QStringList lines;
  bool againEnabled = false;
  bool saveEnabled = false;
};

// Word pairs "f01"/"t01" and so on.
std::vector<std::pair<std::string, std::string>> NumberedWords(int count) {
  std::vector<std::pair<std::string, std::string>> words;
  for (int i = 1; i <= count; ++i) {
    const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
    words.emplace_back("f" + n, "t" + n);
  }
  return words;
}

}  // namespace

class TestMainDlgPractice : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  std::vector<QPointer<QTimer>> m_watchers;

  // Runs act once on the next modal dialog of type Dlg, from inside its own
  // event loop, so that the dialog's real code does the rest.
  template <class Dlg>
  void OnModal(std::function<void(Dlg*)> act) {
    auto* poll = new QTimer(this);
    poll->setInterval(5);
    connect(poll, &QTimer::timeout, poll, [poll, act] {
      auto* dialog = qobject_cast<Dlg*>(QApplication::activeModalWidget());
      if (!dialog) return;
      poll->stop();
      act(dialog);
      poll->deleteLater();
    });
    poll->start();
    m_watchers.emplace_back(poll);
  }

  void ChooseDirection(int button) {
    OnModal<CDirectionDlg>([button](CDirectionDlg* d) { d->Button(button)->click(); });
  }

  // Notes what the results dialog shows, then leaves it with button
  // (IDOK or IDC_PRACTISE_AGAIN), after before() when given.
  void OnResults(Results& out, int button, std::function<void(CResultsDlg*)> before = {}) {
    OnModal<CResultsDlg>([&out, button, before](CResultsDlg* d) {
      out.seen = true;
      out.total = d->CountValue(CResultsDlg::IDC_TOTAL)->text().toInt();
      out.rightFirst = d->CountValue(CResultsDlg::IDC_RIGHT_FIRST)->text().toInt();
      out.wrong = d->CountValue(CResultsDlg::IDC_WRONG)->text().toInt();
      out.rightSecond = d->CountValue(CResultsDlg::IDC_RIGHT_SECOND)->text().toInt();
      for (int i = 0; i < d->WrongList()->count(); ++i)
        out.lines << d->WrongList()->item(i)->text();
      out.againEnabled = d->Button(CResultsDlg::IDC_PRACTISE_AGAIN)->isEnabled();
      out.saveEnabled = d->Button(CResultsDlg::IDC_SAVE_WRONG)->isEnabled();
      if (before) before(d);
      d->Button(button)->click();
    });
  }

  static std::unique_ptr<CMainDlg> OpenWindow(
      CFakePlatform& platform, const std::vector<std::pair<std::string, std::string>>& words,
      const std::vector<int>& marks = {}) {
    auto dlg = std::make_unique<CMainDlg>(platform);
    if (!dlg->OnInitDialog()) return nullptr;
    for (std::size_t i = 0; i < words.size(); ++i) {
      dlg->WordList().AddWord(words[i].first, words[i].second, i < marks.size() ? marks[i] : 0);
    }
    dlg->WordList().SetModified(0);
    dlg->SetListTitle(false);
    dlg->FillWordListBox();
    dlg->show();
    dlg->activateWindow();
    return dlg;
  }

  static CColorEdit* AnswerField(CMainDlg& dlg) {
    return static_cast<CColorEdit*>(dlg.Control(IDC_ANSWER));
  }
  static QString Text(CMainDlg& dlg, int id) {
    if (auto* label = qobject_cast<QLabel*>(dlg.Control(id))) return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(dlg.Control(id))) return group->title();
    return static_cast<QAbstractButton*>(dlg.Control(id))->text();
  }
  static ColorRef Window(CMainDlg& dlg) { return ToColorRef(dlg.palette().color(QPalette::Base)); }

  // Types text into the emptied answer field and presses Enter on it.
  static void Answer(CMainDlg& dlg, const QString& text) {
    CColorEdit* edit = AnswerField(dlg);
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  // Answers the current question right and waits for the next one (or the
  // results, after the last).
  static bool AnswerRight(CMainDlg& dlg) {
    const int current = dlg.Exercise().Current();
    Answer(dlg, QString::fromStdString(dlg.Exercise().AnswerText()));
    return QTest::qWaitFor([&] {
      return dlg.Exercise().Current() != current || !dlg.isVisible() ||
             dlg.CurrentMode() != CMainDlg::Practice;
    });
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    ApplySettingsDefaults(m_dir.path() + u'/', [](unsigned n) { return LangQText(n); });
  }

  // Every test starts from the same options; each changes what it is about.
  void init() {
    SetOption(kValuePause, u"0"_s);
    SetOption(kValueBlandaCheck, u"FALSE"_s);
    SetOption(kValueOvaAllaRadio, u"TRUE"_s);
    SetOption(kValueOvaBara, u"10"_s);
    SetOption(kValueShowRightDirect, u"FALSE"_s);
    SetOption(kValueSkiljCheck, u"TRUE"_s);
    SetOption(kValueLjudFelCheck, u"FALSE"_s);
    SetOption(kValueLjudRattCheck, u"FALSE"_s);
    SetOption(kValueLjudFel, kWrongSound);
    SetOption(kValueLjudRatt, kRightSound);
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, u"TRUE"_s);
  }

  void cleanup() {
    // A failed test may leave a watcher behind; it must not act on the next
    // test's dialogs.
    for (const QPointer<QTimer>& t : m_watchers) delete t.data();
    m_watchers.clear();
  }

  void threeQuestionsAreCountedAndTheMissedWordsAskedAgain() {
    CFakePlatform platform;
    // Missed in the order sebra, apa; the results list shows them sorted.
    auto dlg = OpenWindow(platform, {{"sebra", "zebra"}, {"apa", "ape"}, {"katt", "cat"}});
    QVERIFY(dlg);
    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"zebra"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_TOTAL), u"3"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_CURRENT), u"1"_s);
    CColorEdit* edit = AnswerField(*dlg);
    QCOMPARE(dlg->focusWidget(), edit);
    // The status names the side shown as the question.
    auto* status = static_cast<CColorLabel*>(dlg->Control(IDC_STATUS_LEFT));
    QCOMPARE(status->text(), LangQText(kTxtStatusTranslation));

    // Question 1: wrong, then right.
    Answer(*dlg, u"zebra"_s);
    QCOMPARE(edit->BackColour(), kRed);
    QCOMPARE(Text(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtWrongOnceGroup));
    QCOMPARE(Text(*dlg, IDC_COUNT_WRONG), u"1"_s);
    QCOMPARE(status->text(), LangQText(kTxtStatusWrongOnce));
    QCOMPARE(status->TextColour(), kRed);
    QCOMPARE(dlg->Exercise().Current(), 1);
    Answer(*dlg, u"sebra"_s);
    QCOMPARE(edit->BackColour(), kGreen);
    QCOMPARE(Text(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtRightGroup));
    QTRY_COMPARE(dlg->Exercise().Current(), 2);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(edit->BackColour(), Window(*dlg));
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"ape"_s);
    QCOMPARE(status->text(), LangQText(kTxtStatusTranslation));
    QVERIFY(status->TextColour() != kRed);
    // A right second attempt is not a right answer in the panel's count.
    QCOMPARE(Text(*dlg, IDC_COUNT_RIGHT), u"0"_s);

    // Question 2: wrong twice, then the answer shown is copied.
    Answer(*dlg, u"ape"_s);
    Answer(*dlg, u"monkey"_s);
    QCOMPARE(edit->text(), u"apa"_s);
    QCOMPARE(edit->BackColour(), kGreen);
    QCOMPARE(Text(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtCopyGroup));
    QCOMPARE(Text(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtCopyButton));
    QCOMPARE(Text(*dlg, IDC_COUNT_WRONG), u"3"_s);
    QCOMPARE(status->text(), LangQText(kTxtStatusWrongTwice));
    // Something else than the answer puts the answer back.
    Answer(*dlg, u"ap"_s);
    QCOMPARE(edit->text(), u"apa"_s);
    QCOMPARE(dlg->Exercise().Current(), 2);
    edit->clear();
    QCOMPARE(edit->BackColour(), Window(*dlg));
    QTest::keyClicks(edit, u"apa"_s);
    QCOMPARE(edit->BackColour(), kGreen);
    QCOMPARE(dlg->Exercise().Current(), 2);  // copying is confirmed by Enter
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg->Exercise().Current(), 3);  // at once, no pause
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"cat"_s);
    QCOMPARE(Text(*dlg, IDC_ANSWER_BUTTON), LangQText(kTxtAnswerButtonAgain));

    // Question 3: right; then the results.
    Results first;
    OnResults(first, CResultsDlg::IDC_PRACTISE_AGAIN);
    Answer(*dlg, u"katt"_s);
    QTRY_VERIFY(first.seen);
    QCOMPARE(first.total, 3);
    QCOMPARE(first.rightFirst, 1);
    QCOMPARE(first.wrong, 3);
    QCOMPARE(first.rightSecond, 1);
    QCOMPARE(first.lines, (QStringList{u"apa\tape"_s, u"sebra\tzebra"_s}));
    QVERIFY(first.againEnabled && first.saveEnabled);

    // Practising them again asks them in the order they were missed.
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    QCOMPARE(dlg->Exercise().Total(), 2);
    QCOMPARE(dlg->Exercise().Current(), 1);
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"zebra"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_TOTAL), u"2"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_WRONG), u"0"_s);
    QCOMPARE(Text(*dlg, IDC_DIRECTION), LangQText(kTxtWriteForeign));
    QVERIFY(AnswerRight(*dlg));
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"ape"_s);

    Results second;
    OnResults(second, CResultsDlg::IDOK);
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(second.seen);
    QCOMPARE(second.total, 2);
    QCOMPARE(second.rightFirst, 2);
    QCOMPARE(second.wrong, 0);
    QCOMPARE(second.lines, QStringList{LangQText(kTxtResultsNoWrong)});
    QVERIFY(!second.againEnabled && !second.saveEnabled);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    // The list itself is as it was: no shuffle, nothing changed.
    QCOMPARE(dlg->WordList().GetForeign(0), std::string("sebra"));
    QVERIFY(!dlg->windowTitle().endsWith(u" *"_s));
  }

  void onlyTheFirstNWordsAreAsked() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform, NumberedWords(25));
    QVERIFY(dlg);
    // Chosen in the options panel, as the user does.
    dlg->OnCommand(ID_MODE_SETTINGS);
    static_cast<QAbstractButton*>(dlg->Control(IDC_ONLY_WORDS))->click();
    QVERIFY(!static_cast<QAbstractButton*>(dlg->Control(IDC_ALL_WORDS))->isChecked());
    auto* count = static_cast<QLineEdit*>(dlg->Control(IDC_ONLY_COUNT));
    QCOMPARE(count->text(), u"10"_s);

    ChooseDirection(CDirectionDlg::IDC_TRANSLATION);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(Text(*dlg, IDC_COUNT_TOTAL), u"10"_s);
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    for (int i = 1; i <= 10; ++i) {
      QCOMPARE(dlg->Exercise().Current(), i);
      QCOMPARE(Text(*dlg, IDC_QUESTION), QString::fromStdString(NumberedWords(i).back().first));
      QVERIFY(AnswerRight(*dlg));
    }
    QTRY_VERIFY(results.seen);
    QCOMPARE(results.total, 10);
    QCOMPARE(results.rightFirst, 10);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);

    // The suggestion list still offers every word of the list.
    QCOMPARE(static_cast<QListWidget*>(dlg->Control(IDC_SUGGESTIONS))->count(), 25);
  }

  void shuffleReordersTheListItself() {
    SetOption(kValueBlandaCheck, u"TRUE"_s);
    CFakePlatform platform;
    const auto words = NumberedWords(25);
    auto dlg = OpenWindow(platform, words);
    QVERIFY(dlg);
    QVERIFY(!dlg->windowTitle().endsWith(u" *"_s));

    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->Exercise().Total(), 25);
    std::vector<std::string> asked;
    std::vector<std::string> listed;
    for (int i = 0; i < 25; ++i) {
      asked.push_back(dlg->Exercise().Questions()[i].m_foreign);
      listed.push_back(dlg->WordList().GetForeign(i));
    }
    // The questions come in the list's new order, and every word once.
    QCOMPARE(Text(*dlg, IDC_QUESTION), QString::fromStdString(dlg->WordList().GetTranslation(0)));
    QVERIFY(asked == listed);
    std::vector<std::string> original;
    for (const auto& w : words) original.push_back(w.first);
    QVERIFY(asked != original);
    std::sort(asked.begin(), asked.end());
    QVERIFY(asked == original);
    QVERIFY(dlg->WordList().IsModified());
    QVERIFY(dlg->windowTitle().endsWith(u" *"_s));
  }

  void theDirectionIsRememberedForEnter() {
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, QString());
    CFakePlatform platform;
    auto dlg = OpenWindow(platform, {{"hund", "dog"}});
    QVERIFY(dlg);

    // First use: the focus is on the foreign words; the user picks translations.
    int focused = 0;
    OnModal<CDirectionDlg>([&focused](CDirectionDlg* d) {
      auto* foreign = d->Button(CDirectionDlg::IDC_FOREIGN);
      if (QTest::qWaitFor([d, foreign] { return d->focusWidget() == foreign; }))
        focused = CDirectionDlg::IDC_FOREIGN;
      d->Button(CDirectionDlg::IDC_TRANSLATION)->click();
    });
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(focused, CDirectionDlg::IDC_FOREIGN);
    QVERIFY(!dlg->Exercise().WriteForeign());
    QCOMPARE(Text(*dlg, IDC_DIRECTION), LangQText(kTxtWriteTranslation));
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"hund"_s);
    QCOMPARE(Text(*dlg, IDC_STATUS_LEFT), LangQText(kTxtStatusForeign));
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF), u"FALSE"_s);

    // The next start, from any mode, focuses translations and Enter takes them.
    dlg->OnCommand(ID_MODE_EDIT);
    focused = 0;
    OnModal<CDirectionDlg>([&focused](CDirectionDlg* d) {
      auto* translation = d->Button(CDirectionDlg::IDC_TRANSLATION);
      if (QTest::qWaitFor([d, translation] { return d->focusWidget() == translation; }))
        focused = CDirectionDlg::IDC_TRANSLATION;
      QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Return);
    });
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(focused, CDirectionDlg::IDC_TRANSLATION);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Practice);
    QVERIFY(!dlg->Exercise().WriteForeign());
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"hund"_s);

    // Cancel goes back to editing and keeps the remembered choice.
    OnModal<CDirectionDlg>([](CDirectionDlg* d) { d->Button(CDirectionDlg::IDCANCEL)->click(); });
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(dlg->CurrentMode(), CMainDlg::Edit);
    QCOMPARE(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF), u"FALSE"_s);
  }

  void checkWhileTypingColoursAndSubmits() {
    SetOption(kValueShowRightDirect, u"TRUE"_s);
    CFakePlatform platform;
    auto dlg = OpenWindow(platform, {{"hus, byggnad", "house"}, {"katt", "cat"}});
    QVERIFY(dlg);
    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"house (2)"_s);
    CColorEdit* edit = AnswerField(*dlg);

    QTest::keyClicks(edit, u"by"_s);
    QCOMPARE(edit->TextColour(), kBlack);
    QTest::keyClick(edit, Qt::Key_X);
    QCOMPARE(edit->TextColour(), kRed);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->TextColour(), kBlack);
    // Case counts while case is distinguished.
    QTest::keyClicks(edit, u"G"_s);
    QCOMPARE(edit->TextColour(), kRed);
    QTest::keyClick(edit, Qt::Key_Backspace);
    // One whole alternative is on track but not the whole answer: no submit.
    QTest::keyClicks(edit, u"ggnad, h"_s);
    QCOMPARE(edit->TextColour(), kBlack);
    QCOMPARE(dlg->Exercise().Current(), 1);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 0);

    // The exact stored answer is taken without Enter.
    edit->clear();
    QTest::keyClicks(edit, u"hus, byggnad"_s);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 1);
    QCOMPARE(edit->BackColour(), kGreen);
    QTRY_COMPARE(dlg->Exercise().Current(), 2);
    QCOMPARE(edit->TextColour(), kBlack);
    QCOMPARE(edit->text(), QString());

    // A suggestion taken is typed: the exact answer goes in at once.
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QTest::keyClicks(edit, u"k"_s);
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    auto* list = static_cast<QListWidget*>(dlg->Control(IDC_SUGGESTIONS));
    QCOMPARE(list->currentItem()->text(), u"katt"_s);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(results.seen);
    QCOMPARE(results.rightFirst, 2);
    QCOMPARE(results.wrong, 0);
  }

  void soundsFollowTheirCheckBoxes_data() {
    QTest::addColumn<bool>("wrongOn");
    QTest::addColumn<bool>("rightOn");
    QTest::newRow("none") << false << false;
    QTest::newRow("wrong") << true << false;
    QTest::newRow("right") << false << true;
    QTest::newRow("both") << true << true;
  }

  void soundsFollowTheirCheckBoxes() {
    QFETCH(bool, wrongOn);
    QFETCH(bool, rightOn);
    CFakePlatform platform;
    auto dlg = OpenWindow(platform, {{"hund", "dog"}, {"katt", "cat"}});
    QVERIFY(dlg);
    dlg->OnCommand(ID_MODE_SETTINGS);
    auto* wrongBox = static_cast<QAbstractButton*>(dlg->Control(IDC_WRONG_SOUND_CHECK));
    auto* rightBox = static_cast<QAbstractButton*>(dlg->Control(IDC_RIGHT_SOUND_CHECK));
    if (wrongOn) wrongBox->click();
    if (rightOn) rightBox->click();
    QCOMPARE(wrongBox->isChecked(), wrongOn);
    QCOMPARE(rightBox->isChecked(), rightOn);
    // The paths are read from the edits at the moment of the answer.
    static_cast<QLineEdit*>(dlg->Control(IDC_WRONG_SOUND_PATH))->setText(kWrongSound + u'2');

    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    QStringList expected;
    // First question: wrong, then right.
    Answer(*dlg, u"hun"_s);
    if (wrongOn) expected << kWrongSound + u'2';
    QCOMPARE(platform.m_sounds, expected);
    QVERIFY(AnswerRight(*dlg));
    if (rightOn) expected << kRightSound;
    QCOMPARE(platform.m_sounds, expected);

    // Second question: wrong twice, then the copy, which is silent.
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    Answer(*dlg, u"kat"_s);
    Answer(*dlg, u"kat"_s);
    if (wrongOn) expected << kWrongSound + u'2' << kWrongSound + u'2';
    QCOMPARE(platform.m_sounds, expected);
    QTest::keyClick(AnswerField(*dlg), Qt::Key_Return);
    QTRY_VERIFY(results.seen);
    QCOMPARE(platform.m_sounds, expected);
  }

  void wrongWordsAreSavedAsANewList() {
    CFakePlatform platform;
    auto dlg =
        OpenWindow(platform, {{"hund", "dog"}, {"katt", "cat"}, {"mus", "mouse"}}, {1, 0, 2});
    QVERIFY(dlg);
    ChooseDirection(CDirectionDlg::IDC_TRANSLATION);
    dlg->OnCommand(ID_START_PRACTICE);
    Answer(*dlg, u"cow"_s);
    QVERIFY(AnswerRight(*dlg));
    QVERIFY(AnswerRight(*dlg));
    Answer(*dlg, u"rat"_s);

    const QString path = m_dir.filePath(u"missed.vk2"_s);
    bool stayedOpen = false;
    int saveResult = -99;
    Results results;
    OnResults(results, CResultsDlg::IDOK, [&](CResultsDlg* d) {
      platform.QueueFile(path, 1);
      d->Button(CResultsDlg::IDC_SAVE_WRONG)->click();
      stayedOpen = d->isVisible();
      saveResult = QFileInfo::exists(path) ? 0 : -1;
    });
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(results.seen);
    QVERIFY(stayedOpen);
    QCOMPARE(saveResult, 0);
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QVERIFY(platform.m_dialogs.back().save);

    CWordList saved(&platform);
    QCOMPARE(saved.OpenFile(path), 0);
    QCOMPARE(saved.GetCount(), 2);
    // In the order they were missed, and without their classes.
    QCOMPARE(saved.GetForeign(0), std::string("hund"));
    QCOMPARE(saved.GetTranslation(0), std::string("dog"));
    QCOMPARE(saved.GetForeign(1), std::string("mus"));
    QCOMPARE(saved.GetMark(0), 0);
    QCOMPARE(saved.GetMark(1), 0);
    // The open list is not touched.
    QCOMPARE(dlg->WordList().GetCount(), 3);
    QCOMPARE(dlg->WordList().GetMark(0), 1);
    QVERIFY(dlg->WordList().IsUntitled());
  }

  void emptyAnswersAreIgnoredAndRestartBeginsAgain() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform, {{"hund", "dog"}, {"katt", "cat"}, {"mus", "mouse"}});
    QVERIFY(dlg);
    ChooseDirection(CDirectionDlg::IDC_FOREIGN);
    dlg->OnCommand(ID_START_PRACTICE);
    CColorEdit* edit = AnswerField(*dlg);

    // Enter on an empty field, or on commas and spaces only, judges nothing.
    Answer(*dlg, QString());
    Answer(*dlg, u" , "_s);
    QCOMPARE(dlg->Exercise().WrongAnswers(), 0);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 0);
    QVERIFY(!dlg->IsPauseRunning());
    QCOMPARE(edit->BackColour(), Window(*dlg));
    QCOMPARE(Text(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtAnswerGroup));

    QVERIFY(AnswerRight(*dlg));
    Answer(*dlg, u"hund"_s);
    QCOMPARE(dlg->Exercise().WrongAnswers(), 1);
    QCOMPARE(Text(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtWrongOnceGroup));

    // Alt+Enter starts the same questions again with the counts at 0.
    QTest::keyClick(edit, Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(dlg->Exercise().Current(), 1);
    QCOMPARE(dlg->Exercise().Total(), 3);
    QCOMPARE(dlg->Exercise().WrongAnswers(), 0);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 0);
    QVERIFY(!dlg->Exercise().IsRetryPending());
    QCOMPARE(Text(*dlg, IDC_QUESTION), u"dog"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_CURRENT), u"1"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_WRONG), u"0"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_RIGHT), u"0"_s);
    QCOMPARE(Text(*dlg, IDC_COUNT_TOTAL), u"3"_s);
    QCOMPARE(Text(*dlg, IDC_ANSWER_GROUP), LangQText(kTxtAnswerGroup));
    QCOMPARE(edit->BackColour(), Window(*dlg));
    QCOMPARE(edit->text(), QString());

    // A restart during the pause stops it: the first question stays asked.
    SetOption(kValuePause, u"30"_s);
    dlg->OnCommand(ID_RESTART);
    QCOMPARE(dlg->Exercise().PauseMs(), 0);  // taken at the start only
    dlg->Exercise().SetPause("30");
    Answer(*dlg, u"hund"_s);
    QVERIFY(dlg->IsPauseRunning());
    // Enter during the pause does not count the same answer again.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 1);
    dlg->OnCommand(ID_RESTART);
    QVERIFY(!dlg->IsPauseRunning());
    QTest::qWait(20);
    QCOMPARE(dlg->Exercise().Current(), 1);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 0);
    dlg->Exercise().SetPause("0");

    // Words missed before the restart are still listed when something is
    // missed after it; the counts are those after the restart.
    Answer(*dlg, u"dog"_s);
    QVERIFY(AnswerRight(*dlg));
    QVERIFY(AnswerRight(*dlg));
    Results results;
    OnResults(results, CResultsDlg::IDOK);
    QVERIFY(AnswerRight(*dlg));
    QTRY_VERIFY(results.seen);
    QCOMPARE(results.total, 3);
    QCOMPARE(results.rightFirst, 2);
    QCOMPARE(results.wrong, 1);
    QCOMPARE(results.rightSecond, 1);
    QCOMPARE(results.lines, (QStringList{u"hund\tdog"_s, u"katt\tcat"_s}));
  }

  void suggestionsAreTakenIntoTheAnswerField() {
    CFakePlatform platform;
    auto dlg = OpenWindow(platform,
                          {{"hund", "dog"}, {"hast", "Horse"}, {"hus", "house"}, {"katt", "cat"}});
    QVERIFY(dlg);
    ChooseDirection(CDirectionDlg::IDC_TRANSLATION);
    dlg->OnCommand(ID_START_PRACTICE);
    CColorEdit* edit = AnswerField(*dlg);
    auto* list = static_cast<QListWidget*>(dlg->Control(IDC_SUGGESTIONS));
    auto* drop = static_cast<CHoverButton*>(dlg->Control(IDC_SUGGEST_BUTTON));
    QVERIFY(!list->isVisible());

    // Alphabetical whatever the case of the first letter.
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    QCOMPARE(entries, (QStringList{u"cat"_s, u"dog"_s, u"Horse"_s, u"house"_s}));

    // Alt+L opens it on the first entry when nothing is typed, and closes it.
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QVERIFY(list->isVisible());
    QVERIFY(drop->IsLatched());
    QCOMPARE(list->currentItem()->text(), u"cat"_s);
    QTest::keyClick(list, Qt::Key_L, Qt::AltModifier);
    QVERIFY(!list->isVisible());
    QVERIFY(!drop->IsLatched());

    // Opened on "HO" it selects the first entry beginning with it in any case;
    // Enter takes the selected entry instead of judging the answer.
    edit->setFocus();
    QTest::keyClicks(edit, u"HO"_s);
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QCOMPARE(list->currentItem()->text(), u"Horse"_s);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!list->isVisible());
    QVERIFY(!drop->IsLatched());
    QCOMPARE(edit->text(), u"house"_s);
    QCOMPARE(dlg->Exercise().WrongAnswers(), 0);
    QCOMPARE(dlg->Exercise().RightFirstTry(), 0);

    // The next Enter judges it: "house" is not the answer for "hund".
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(dlg->Exercise().WrongAnswers(), 1);

    // A click on the window closes the list too.
    QTest::keyClick(edit, Qt::Key_L, Qt::AltModifier);
    QVERIFY(list->isVisible());
    QTest::mouseClick(dlg->Control(IDC_COUNTERS_GROUP)->parentWidget(), Qt::LeftButton,
                      Qt::NoModifier, QPoint(5, 80));
    QVERIFY(!list->isVisible());
  }
};

QTEST_MAIN(TestMainDlgPractice)
#include "tst_MainDlgPractice.moc"
