#include <QtTest>

#include <functional>
#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>

#include "Cp1252.h"
#include "Exercise.h"
#include "FakePlatform.h"
#include "HelpTopics.h"
#include "HoverButton.h"
#include "LangText.h"
#include "PracticeDialogTexts.h"
#include "ResultsDlg.h"
#include "Settings.h"
#include "SettingsKeys.h"
#include "VkLang.h"
#include "WordList.h"
#include "WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

int RunModal(QDialog& dlg, const std::function<void(CResultsDlg&)>& script) {
  QTimer::singleShot(0, &dlg, [&dlg, &script] {
    if (QApplication::activeModalWidget() == &dlg && QTest::qWaitForWindowActive(&dlg))
      script(static_cast<CResultsDlg&>(dlg));
    if (dlg.isVisible()) dlg.done(-1);
  });
  return dlg.exec();
}

// A run over list with one outcome per question, as the answer judge counts
// them: 'R' right, 'W' wrong once and then right, 'X' wrong twice and copied.
void Run(CExercise& exercise, const char* outcomes) {
  for (const char* o = outcomes; *o; ++o) {
    QCOMPARE(exercise.NextQuestion(), CExercise::NextResult::Asked);
    if (*o == 'R') {
      exercise.RecordRight();
    } else if (*o == 'W') {
      exercise.RecordFirstWrong();
      exercise.RecordRight();
    } else {
      exercise.RecordFirstWrong();
      exercise.RecordSecondWrong();
      exercise.RecordCopied();
    }
  }
  QCOMPARE(exercise.NextQuestion(), CExercise::NextResult::Finished);
}

}  // namespace

class TestResultsDlg : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  CWordList m_list;
  CExercise m_exercise;

  QString Path(const char* name) const { return m_dir->filePath(QLatin1String(name)); }

  // Three words in run order; capitals and a Windows-1252 letter, so that
  // a sort by code point or a lost byte shows.
  void StartThreeWords() {
    m_list = CWordList();
    m_list.AddWord("Pferd", "horse", 1);
    m_list.AddWord("apfel", "\xc4pple", 2);  // "Äpple"
    m_list.AddWord("Hund", "dog", 0);
    QCOMPARE(m_exercise.Start(m_list, ExerciseSetup{}), 3);
  }

 private Q_SLOTS:
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(m_dir->filePath(u"config"_s)));
    QVERIFY(VKLangSetLanguage(1) == 0);
  }

  void showsTheCountsAndTheSortedWrongWords() {
    StartThreeWords();
    Run(m_exercise, "WXR");

    CFakePlatform platform;
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);
    QCOMPARE(dlg.CountValue(CResultsDlg::IDC_TOTAL)->text(), u"3"_s);
    QCOMPARE(dlg.CountValue(CResultsDlg::IDC_RIGHT_FIRST)->text(), u"1"_s);
    QCOMPARE(dlg.CountValue(CResultsDlg::IDC_WRONG)->text(), u"3"_s);
    QCOMPARE(dlg.CountValue(CResultsDlg::IDC_RIGHT_SECOND)->text(), u"1"_s);

    // Alphabetical whatever the case, not in the order of the run, each
    // with its own mark for the class picture.
    const CWordListBox* list = dlg.WrongList();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->LineText(0), std::string("apfel\t\xc4pple"));
    QCOMPARE(list->ItemData(0), 2);
    QCOMPARE(list->LineText(1), std::string("Pferd\thorse"));
    QCOMPARE(list->ItemData(1), 1);
    QVERIFY(dlg.Button(CResultsDlg::IDC_PRACTISE_AGAIN)->isEnabled());
    QVERIFY(dlg.Button(CResultsDlg::IDC_SAVE_WRONG)->isEnabled());

    QCOMPARE(RunModal(dlg,
                      [](CResultsDlg& d) {
                        QTest::mouseClick(d.Button(CResultsDlg::IDC_PRACTISE_AGAIN),
                                          Qt::LeftButton);
                      }),
             CResultsDlg::IDC_PRACTISE_AGAIN);
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
    for (qsizetype i = sorted.size(); i-- > 0;) list.AddWord(ToCp1252(sorted[i]), "x", 0);
    m_exercise.Start(list, ExerciseSetup{});
    Run(m_exercise, QByteArray(sorted.size(), 'X').constData());
    CFakePlatform platform;
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);
    QStringList shown;
    for (int i = 0; i < dlg.WrongList()->count(); ++i)
      shown.append(dlg.WrongList()->item(i)->text().section(QLatin1Char('\t'), 0, 0));
    QCOMPARE(shown, sorted);
  }

  void withoutWrongAnswersTheListSaysSo_data() {
    QTest::addColumn<bool>("restart");
    QTest::newRow("clean run") << false;
    // Words missed before a restart stay in the table, but the counts start
    // afresh: no wrong answer since the restart means nothing to practise.
    QTest::newRow("after a restart") << true;
  }

  void withoutWrongAnswersTheListSaysSo() {
    QFETCH(bool, restart);
    StartThreeWords();
    if (restart) {
      Run(m_exercise, "WRR");
      m_exercise.ResetForRestart();
    }
    Run(m_exercise, "RRR");

    CFakePlatform platform;
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);
    QCOMPARE(dlg.CountValue(CResultsDlg::IDC_WRONG)->text(), u"0"_s);
    QCOMPARE(dlg.CountValue(CResultsDlg::IDC_RIGHT_FIRST)->text(), u"3"_s);
    const CWordListBox* list = dlg.WrongList();
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), LangQText(kTxtResultsNoWrong));
    QCOMPARE(list->ItemData(0), 0);
    QVERIFY(!dlg.Button(CResultsDlg::IDC_PRACTISE_AGAIN)->isEnabled());
    QVERIFY(!dlg.Button(CResultsDlg::IDC_SAVE_WRONG)->isEnabled());
    // The list has the focus first; Enter there is the dialog's OK.
    QCOMPARE(RunModal(dlg,
                      [](CResultsDlg& d) {
                        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d.WrongList()));
                        QTest::keyClick(d.WrongList(), Qt::Key_Return);
                      }),
             CResultsDlg::IDOK);
  }

  void savesTheWrongWordsAsANewListWithoutMarks() {
    StartThreeWords();
    Run(m_exercise, "WXR");
    const QString path = Path("missed.vk2");

    CFakePlatform platform;
    platform.QueueFile(path, 1);
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);
    const int result = RunModal(dlg, [](CResultsDlg& d) {
      QTest::mouseClick(d.Button(CResultsDlg::IDC_SAVE_WRONG), Qt::LeftButton);
      QVERIFY(d.isVisible());  // the dialog stays for the next choice
      QTest::mouseClick(d.Button(CResultsDlg::IDOK), Qt::LeftButton);
    });
    QCOMPARE(result, CResultsDlg::IDOK);
    QCOMPARE(platform.m_dialogs.size(), std::size_t(1));
    QVERIFY(platform.m_dialogs.front().save);
    QVERIFY(platform.m_messages.empty());

    CWordList saved;
    QCOMPARE(saved.OpenFile(path), 0);
    QCOMPARE(saved.GetCount(), 2);
    QCOMPARE(saved.GetForeign(0), std::string("Pferd"));
    QCOMPARE(saved.GetTranslation(1), std::string("\xc4pple"));
    QCOMPARE(saved.GetMark(0), 0);
    QCOMPARE(saved.GetMark(1), 0);

    // Neither the open list nor the run changed.
    QCOMPARE(m_list.GetMark(1), 2);
    QCOMPARE(m_exercise.CountEntries(ExerciseTable::WrongWords), 2);
    QCOMPARE(m_exercise.GetEntryMark(ExerciseTable::WrongWords, 0), 1);
  }

  void aFailedSaveIsReportedACancelledOneIsNot() {
    StartThreeWords();
    Run(m_exercise, "XRR");
    CFakePlatform platform;
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);

    platform.QueueCancelFile();
    QCOMPARE(dlg.SaveWrongWords(), 2);
    QVERIFY(platform.m_messages.empty());

    platform.QueueFile(Path("no-such-folder/missed.vk2"), 1);
    QCOMPARE(dlg.SaveWrongWords(), -2);
    QCOMPARE(platform.m_messages.size(), std::size_t(1));
    QCOMPARE(platform.m_messages.front().text, LangQText(kTxtResultsSaveFailed));
    QVERIFY(!QFileInfo::exists(Path("no-such-folder/missed.vk2")));
  }

  void helpKeepsTheDialogOpenEscapeCloses() {
    CreateSettingsKey(SettingsRoot::CurrentUser, kKeyVokabit30);
    WriteSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueHelpFile, u"/opt/help"_s);
    StartThreeWords();
    Run(m_exercise, "WRR");
    CFakePlatform platform;
    CResultsDlg dlg(platform);
    dlg.Prepare(m_exercise);
    const int result = RunModal(dlg, [](CResultsDlg& d) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
      QVERIFY(d.isVisible());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    QCOMPARE(result, CResultsDlg::IDCANCEL);
    const std::vector<std::pair<QString, unsigned>> help{{u"/opt/help"_s, kHelpResults}};
    QVERIFY(platform.m_help == help);
  }

  // Texts in every language fit their controls; nothing overlaps or leaves
  // the dialog.
  void everyLanguageFits() {
    StartThreeWords();
    Run(m_exercise, "WXR");
    CFakePlatform platform;
    for (int language = 0; language < 3; ++language) {
      QVERIFY(VKLangSetLanguage(language) == 0);
      CResultsDlg dlg(platform);
      dlg.Prepare(m_exercise);
      const auto groups = dlg.findChildren<QGroupBox*>();
      QCOMPARE(groups.size(), 2);
      QVERIFY(!groups[0]->geometry().intersects(groups[1]->geometry()));
      for (const QGroupBox* group : groups) {
        QVERIFY(dlg.rect().contains(group->geometry()));
        for (const QLabel* label : group->findChildren<QLabel*>()) {
          QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
          QVERIFY(group->rect().contains(label->geometry()));
        }
      }
      QRect previous;
      for (int id :
           {CResultsDlg::IDOK, CResultsDlg::IDC_PRACTISE_AGAIN, CResultsDlg::IDC_SAVE_WRONG}) {
        const CHoverButton* button = dlg.Button(id);
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY(dlg.rect().contains(button->geometry()));
        QVERIFY(!button->geometry().intersects(previous));
        QVERIFY(!button->geometry().intersects(groups[0]->geometry()));
        previous = button->geometry();
      }
    }
  }
};

QTEST_MAIN(TestResultsDlg)
#include "tst_ResultsDlg.moc"
