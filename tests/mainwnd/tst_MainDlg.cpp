#include <QtTest>

#include <QAction>
#include <QLineEdit>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "LangText.h"
#include "MainDlg.h"
#include "MainWndIds.h"
#include "WordListBox.h"

namespace {

// A version 2 list file with the given words, as the program writes it.
QByteArray Vk2(const QList<QPair<QByteArray, QByteArray>>& words) {
  QByteArray s =
      "[INFO]\r\nVERSION=2.0\r\nCREATOR=Vokabit\r\nANTAL=" + QByteArray::number(words.size()) +
      "\r\nTITLE=Test\r\nOWNER=\r\nDESCRIPTION=\r\n\r\n[MARKS]\r\n\r\n[WORDS]\r\n"
      "F=Svenska\r\nO=Engelska";
  for (int i = 0; i < words.size(); ++i) {
    const QByteArray k = QByteArray::number(i + 1);
    s += "\r\n" + k + "=" + words[i].first + "\r\n" + k + "B=" + words[i].second;
  }
  return s + "\r\n";
}

void WriteFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(data);
}

QString ExpectedTitle(const QString& name, bool modified) {
  return name + QStringLiteral(" - ") + LangQText(103) +
         (modified ? QStringLiteral(" *") : QString());
}

}  // namespace

class TestMainDlg : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString Path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

  // Makes the open list modified the way an edit does.
  static void Modify(CMainDlg& dlg) {
    dlg.WordList().AddWord("katt", "cat", 0);
    dlg.SetListTitle(true);
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    WriteFile(Path("djur.vk2"), Vk2({{"hund", "dog"}, {"h\xe4st", "horse"}}));
  }

  void startsWithAnUntitledList() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(LangQText(104), false));
    QCOMPARE(dlg.WordList().GetCount(), 0);
    QVERIFY(platform.m_messages.empty());
  }

  void startsWithTheCommandLineFile() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    dlg.m_startFile = Path("djur.vk2");
    QVERIFY(dlg.OnInitDialog());
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(QStringLiteral("djur.vk2"), false));
    auto* box = qobject_cast<CWordListBox*>(dlg.Control(IDC_WORDLIST));
    QVERIFY(box);
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->LineText(1), std::string("h\xe4st\thorse"));
    // The language names stand above the two columns.
    QCOMPARE(qobject_cast<QLineEdit*>(dlg.Control(IDC_FIRST_LANGUAGE))->text(),
             QStringLiteral("Svenska"));
    QCOMPARE(qobject_cast<QLineEdit*>(dlg.Control(IDC_SECOND_LANGUAGE))->text(),
             QStringLiteral("Engelska"));
  }

  void unreadableCommandLineFileEndsTheWindow() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    dlg.m_startFile = Path("missing.vk2");
    QVERIFY(!dlg.OnInitDialog());
    QCOMPARE(dlg.result(), 1);
    QCOMPARE(platform.m_messages.size(), size_t(1));  // the loader's own message
  }

  void newAsksTheSaveQuestion() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    dlg.m_startFile = Path("djur.vk2");
    QVERIFY(dlg.OnInitDialog());

    // Cancel keeps everything.
    Modify(dlg);
    platform.m_answers = {kIdCancel};
    dlg.CommandAction(ID_FILE_NEW)->trigger();
    QCOMPARE(dlg.WordList().GetCount(), 3);
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(QStringLiteral("djur.vk2"), true));

    // No drops the changes.
    platform.m_answers = {kIdNo};
    dlg.CommandAction(ID_FILE_NEW)->trigger();
    QCOMPARE(dlg.WordList().GetCount(), 0);
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(LangQText(104), false));
    QCOMPARE(platform.m_messages.size(), size_t(2));

    // Yes on an untitled list saves through Save as first.
    Modify(dlg);
    platform.m_answers = {kIdYes};
    platform.QueueFile(Path("ny"), 1);
    dlg.CommandAction(ID_FILE_NEW)->trigger();
    QVERIFY(QFile::exists(Path("ny.vk2")));
    QCOMPARE(dlg.WordList().GetCount(), 0);

    // Yes, then a cancelled Save as: nothing happens.
    Modify(dlg);
    platform.m_answers = {kIdYes};
    platform.QueueCancelFile();
    dlg.CommandAction(ID_FILE_NEW)->trigger();
    QCOMPARE(dlg.WordList().GetCount(), 1);
  }

  void openShowsTheWordsAndReportsFailures() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    platform.QueueFile(Path("djur.vk2"));
    dlg.CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(dlg.WordList().GetCount(), 2);
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(QStringLiteral("djur.vk2"), false));

    WriteFile(Path("trasig.vk2"), "inte en lista\r\n");
    platform.QueueFile(Path("trasig.vk2"));
    dlg.CommandAction(ID_FILE_OPEN)->trigger();
    QVERIFY(platform.m_messages.size() >= 2);
    QCOMPARE(platform.m_messages.back().text, LangQText(301));

    // A cancelled dialog changes nothing.
    const size_t before = platform.m_messages.size();
    platform.QueueCancelFile();
    dlg.CommandAction(ID_FILE_OPEN)->trigger();
    QCOMPARE(platform.m_messages.size(), before);
  }

  void saveAndSaveAsWriteTheFile() {
    CFakePlatform platform;
    CMainDlg dlg(platform);
    QVERIFY(dlg.OnInitDialog());
    Modify(dlg);
    platform.QueueFile(Path("forsta"), 1);
    dlg.CommandAction(ID_FILE_SAVE)->trigger();  // untitled: asks for a name
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QVERIFY(platform.m_dialogs[0].save);
    QVERIFY(QFile::exists(Path("forsta.vk2")));
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(QStringLiteral("forsta.vk2"), false));

    Modify(dlg);
    dlg.CommandAction(ID_FILE_SAVE)->trigger();  // titled: no dialog
    QCOMPARE(platform.m_dialogs.size(), size_t(1));
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(QStringLiteral("forsta.vk2"), false));

    platform.QueueFile(Path("andra.vk1"), 2);
    dlg.CommandAction(ID_FILE_SAVE_AS)->trigger();
    QVERIFY(QFile::exists(Path("andra.vk1")));
    QCOMPARE(dlg.windowTitle(), ExpectedTitle(QStringLiteral("andra.vk1"), false));

    // A failed save keeps the modified title and says so.
    Modify(dlg);
    platform.QueueFile(Path("saknas/mapp/lista"), 1);
    dlg.CommandAction(ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(platform.m_messages.back().text, LangQText(300));
    QVERIFY(dlg.windowTitle().endsWith(QStringLiteral(" *")));
  }

  void exitFollowsTheSaveQuestion() {
    // Cancel keeps the window open.
    {
      CFakePlatform platform;
      CMainDlg dlg(platform);
      QVERIFY(dlg.OnInitDialog());
      dlg.show();
      Modify(dlg);
      platform.m_answers = {kIdCancel};
      dlg.CommandAction(ID_APP_EXIT)->trigger();
      QVERIFY(dlg.isVisible());
      // So does the close box.
      platform.m_answers = {kIdCancel};
      QVERIFY(!dlg.close());
      QVERIFY(dlg.isVisible());
      // Escape does nothing at all.
      QTest::keyClick(&dlg, Qt::Key_Escape);
      QVERIFY(dlg.isVisible());
    }
    // No ends it without saving.
    {
      CFakePlatform platform;
      CMainDlg dlg(platform);
      dlg.m_startFile = Path("djur.vk2");
      QVERIFY(dlg.OnInitDialog());
      dlg.show();
      Modify(dlg);
      platform.m_answers = {kIdNo};
      dlg.CommandAction(ID_APP_EXIT)->trigger();
      QVERIFY(!dlg.isVisible());
      QFile f(Path("djur.vk2"));
      QVERIFY(f.open(QIODevice::ReadOnly));
      QVERIFY(!f.readAll().contains("katt"));
    }
    // Yes saves, then ends.
    {
      CFakePlatform platform;
      CMainDlg dlg(platform);
      WriteFile(Path("spara.vk2"), Vk2({{"ett", "one"}}));
      dlg.m_startFile = Path("spara.vk2");
      QVERIFY(dlg.OnInitDialog());
      dlg.show();
      Modify(dlg);
      platform.m_answers = {kIdYes};
      dlg.CommandAction(ID_APP_EXIT)->trigger();
      QVERIFY(!dlg.isVisible());
      QFile f(Path("spara.vk2"));
      QVERIFY(f.open(QIODevice::ReadOnly));
      QVERIFY(f.readAll().contains("2=katt\r\n2B=cat"));
    }
    // Without changes there is no question.
    {
      CFakePlatform platform;
      CMainDlg dlg(platform);
      QVERIFY(dlg.OnInitDialog());
      dlg.show();
      dlg.CommandAction(ID_APP_EXIT)->trigger();
      QVERIFY(!dlg.isVisible());
      QVERIFY(platform.m_messages.empty());
    }
  }
};

QTEST_MAIN(TestMainDlg)
#include "tst_MainDlg.moc"
