// The practice dialogs: the direction and the results. Whole runs through
// them, and saving the wrong words, are played in the main window's practice
// tests.
#include <QtTest>

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "controls/HoverButton.h"
#include "controls/WordListBox.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "platform/HelpTopics.h"
#include "practice/DirectionDlg.h"
#include "practice/Exercise.h"
#include "practice/PracticeDialogTexts.h"
#include "practice/ResultsDlg.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"

using namespace Qt::StringLiterals;

namespace {

// A run with one outcome per question, as the answer judge counts them: 'R'
// right, 'W' wrong once and then right, 'X' wrong twice and copied.
void Run(CExercise& exercise, const char* outcomes) {
  for (const char* o = outcomes; *o; ++o) {
    QCOMPARE(exercise.NextQuestion(), CExercise::NextResult::Asked);
    if (*o != 'R') exercise.RecordFirstWrong();
    if (*o == 'X') {
      exercise.RecordSecondWrong();
      exercise.RecordCopied();
    } else {
      exercise.RecordRight();
    }
  }
  QCOMPARE(exercise.NextQuestion(), CExercise::NextResult::Finished);
}

// The lines of the wrong word list, each with its class: "text/mark".
QStringList Lines(const CResultsDlg& dlg) {
  QStringList lines;
  for (int i = 0; i < dlg.WrongList()->count(); ++i)
    lines << dlg.WrongList()->item(i)->text() + u'/' +
                 QString::number(dlg.WrongList()->ItemData(i));
  return lines;
}

}  // namespace

class TestPracticeDialogs : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  CWordList m_list;
  CExercise m_exercise;

  // Three words in run order; capitals and a letter beyond ASCII, so that
  // a sort by code point or a lost byte shows.
  void StartThreeWords(const char* outcomes) {
    m_list = ListOf({{"Pferd", "horse", 1}, {"apfel", "Äpple", 2}, {"Hund", "dog", 0}});
    QCOMPARE(m_exercise.Start(m_list, ExerciseSetup{}), 3);
    Run(m_exercise, outcomes);
  }

 private Q_SLOTS:
  void init() {
    m_dir = FreshSettings();
    QVERIFY(m_dir);
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyPractise);
  }

  // A click is remembered: the next time its button has the focus, so that
  // Enter repeats the choice.
  void theLastChoiceHasTheFocusNextTime() {
    CFakePlatform platform;
    for (int id : {CDirectionDlg::IDC_TRANSLATION, CDirectionDlg::IDC_FOREIGN,
                   CDirectionDlg::IDC_TRANSLATION}) {
      CDirectionDlg click(platform);
      QCOMPARE(RunModal(click, [&] { QTest::mouseClick(click.Button(id), Qt::LeftButton); }), id);
      CDirectionDlg enter(platform);
      QCOMPARE(RunModal(enter,
                        [&] {
                          QTRY_COMPARE(QApplication::focusWidget(), enter.Button(id));
                          QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                        }),
               id);
    }
  }

  // In every language the results' texts fit their controls, with nothing
  // overlapping or leaving the dialog; the direction's hint line follows the
  // mouse and each hint fits. F1 there shows the help and keeps the dialog;
  // Escape cancels and writes nothing.
  void everyLanguageFitsHintsHelpAndEscape() {
    WriteSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF, QString());
    StartThreeWords("WXR");
    CFakePlatform platform;
    for (int language = 0; language < 3; ++language) {
      QVERIFY(VKLangSetLanguage(language) == 0);
      CResultsDlg results(platform);
      results.Prepare(m_exercise);
      const auto groups = results.findChildren<QGroupBox*>();
      QList<const QWidget*> widgets(groups.begin(), groups.end());
      for (int id :
           {CResultsDlg::IDOK, CResultsDlg::IDC_PRACTISE_AGAIN, CResultsDlg::IDC_SAVE_WRONG})
        widgets << results.Button(id);
      for (const QGroupBox* group : groups)
        for (const QLabel* label : group->findChildren<QLabel*>()) widgets << label;
      QVERIFY2(groups.size() == 2 && LayoutProblem(widgets).isEmpty(),
               qPrintable(LayoutProblem(widgets)));

      CDirectionDlg dlg(platform);
      const int result = RunModal(dlg, [&] {
        const std::pair<int, unsigned> hovers[] = {
            {CDirectionDlg::IDC_FOREIGN, kTxtDirectionHintForeign},
            {CDirectionDlg::IDC_TRANSLATION, kTxtDirectionHintTranslation},
            {CDirectionDlg::IDCANCEL, kTxtDirectionHintCancel}};
        for (const auto& [id, text] : hovers) {
          QTest::mouseMove(dlg.Button(id));
          QTRY_COMPARE(dlg.HintLine()->text(), LangQText(text));
          QVERIFY(dlg.HintLine()->heightForWidth(dlg.HintLine()->width()) <=
                  dlg.HintLine()->height());
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);  // the dialog stays
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      });
      QCOMPARE(result, CDirectionDlg::IDCANCEL);
    }
    QVERIFY(ReadSetting(SettingsRoot::CurrentUser, kKeyPractise, kValueF).isEmpty() &&
            platform.m_help.size() == 3 && platform.m_help.back().second == kHelpDirection);
  }

  void showsTheCountsAndTheSortedWrongWords() {
    StartThreeWords("WXR");
    CFakePlatform platform;
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);
    QCOMPARE(dlg.CountValue(CResultsDlg::IDC_WRONG)->text(), u"3"_s);
    // A screen reader reads each value with its number, not as its caption.
    const auto spoken = [&dlg](int id) {
      return QAccessible::queryAccessibleInterface(dlg.CountValue(id))->text(QAccessible::Name);
    };
    QCOMPARE(spoken(CResultsDlg::IDC_TOTAL), u"Questions: 3"_s);
    QCOMPARE(spoken(CResultsDlg::IDC_RIGHT_SECOND), u"Right second time: 1"_s);
    // Alphabetical whatever the case, not in the order of the run, each
    // with its own mark for the class picture.
    QCOMPARE(Lines(dlg), (QStringList{u"apfel\t\u00c4pple/2"_s, u"Pferd\thorse/1"_s}));
    QVERIFY(dlg.Button(CResultsDlg::IDC_SAVE_WRONG)->isEnabled());

    // A failed save of the wrong words is reported, a cancelled one is not.
    platform.QueueCancelFile();
    QCOMPARE(dlg.SaveWrongWords(), FileResult::Cancelled);
    QVERIFY(platform.m_messages.empty());
    platform.QueueFile(m_dir->filePath(u"no-such-folder/missed.vk2"_s), 1);
    QCOMPARE(dlg.SaveWrongWords(), FileResult::Failed);
    QCOMPARE(platform.m_messages.size(), std::size_t(1));
    QCOMPARE(platform.m_messages.front().text, LangQText(kTxtResultsSaveFailed));
  }

  void sortsAlphabeticallyForTheUsersLanguage_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("sorted");  // foreign words, in the order expected
    // Equal but for case: the capital first, so that the order never depends
    // on the order of the run.
    QTest::newRow("C") << QLocale::c() << QStringList{u"AB"_s, u"ab"_s, u"abc"_s, u"b"_s};
    QTest::newRow("German") << QLocale(QLocale::German)
                            << QStringList{u"Apfel"_s, u"\u00c4rger"_s, u"Zebra"_s};
    QTest::newRow("Swedish") << QLocale(QLocale::Swedish)
                             << QStringList{u"Apfel"_s, u"Zebra"_s, u"\u00c4rger"_s};
  }

  void sortsAlphabeticallyForTheUsersLanguage() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, sorted);
    const QLocale previous;
    QLocale::setDefault(locale);
    const auto restore = qScopeGuard([&previous] { QLocale::setDefault(previous); });

    CWordList list;
    for (qsizetype i = sorted.size(); i-- > 0;) (void)list.AddWord(sorted[i].toStdString(), "x", 0);
    m_exercise.Start(list, ExerciseSetup{});
    Run(m_exercise, QByteArray(sorted.size(), 'X').constData());
    CFakePlatform platform;
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);
    QStringList shown = Lines(dlg);
    for (QString& line : shown) line = line.section(u'\t', 0, 0);
    QCOMPARE(shown, sorted);
  }

  // Words missed before a restart stay in the table, but the counts start
  // afresh: no wrong answer since the restart means nothing to practise.
  void withoutWrongAnswersTheListSaysSo() {
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyVokabit30);
    WriteSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueHelpFile, u"/opt/help"_s);
    for (const bool restart : {false, true}) {
      StartThreeWords(restart ? "WRR" : "RRR");
      if (restart) {
        m_exercise.ResetForRestart();
        Run(m_exercise, "RRR");
      }
      CFakePlatform platform;
      CResultsDlg dlg(platform);
      dlg.Prepare(m_exercise);
      QCOMPARE(dlg.CountValue(CResultsDlg::IDC_WRONG)->text(), u"0"_s);
      QCOMPARE(dlg.CountValue(CResultsDlg::IDC_RIGHT_FIRST)->text(), u"3"_s);
      QCOMPARE(Lines(dlg), QStringList{LangQText(kTxtResultsNoWrong) + u"/0"_s});
      QVERIFY(!dlg.Button(CResultsDlg::IDC_PRACTISE_AGAIN)->isEnabled());
      QVERIFY(!dlg.Button(CResultsDlg::IDC_SAVE_WRONG)->isEnabled());
      // The list has the focus first; Enter there is the dialog's OK, F1
      // keeps the dialog open, Escape cancels.
      const int result = RunModal(dlg, [&dlg, restart] {
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dlg.WrongList()));
        QTest::keyClick(dlg.WrongList(), Qt::Key_F1);
        QVERIFY(dlg.isVisible());
        QTest::keyClick(dlg.WrongList(), restart ? Qt::Key_Escape : Qt::Key_Return);
      });
      QCOMPARE(result, restart ? CResultsDlg::IDCANCEL : CResultsDlg::IDOK);
      const std::vector<std::pair<QString, unsigned>> help{{u"/opt/help"_s, kHelpResults}};
      QVERIFY(platform.m_help == help);
    }
  }
};

QTEST_MAIN(TestPracticeDialogs)
#include "tst_PracticeDialogs.moc"
