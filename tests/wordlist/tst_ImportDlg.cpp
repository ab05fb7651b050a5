#include <QtTest>

#include <functional>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "FakePlatform.h"
#include "ImportDlg.h"
#include "LangText.h"
#include "WordImport.h"
#include "WordList.h"
#include "WordListBox.h"

using namespace Qt::StringLiterals;

namespace {

struct Word {
  const char* foreign;
  const char* translation;
  int mark;
};

CWordList ListOf(std::initializer_list<Word> words) {
  CWordList list;
  for (const Word& w : words) list.AddWord(w.foreign, w.translation, w.mark);
  return list;
}

void RunModal(QDialog& dlg, const std::function<void()>& during) {
  QTimer::singleShot(0, &dlg, [&] {
    during();
    if (dlg.isVisible()) dlg.reject();
  });
  dlg.exec();
}

void ClickLine(CWordListBox* box, int row) {
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                    box->visualItemRect(box->item(row)).center());
}

std::vector<std::string> Words(const CWordList& list) {
  std::vector<std::string> words;
  for (int i = 0; i < list.GetCount(); ++i)
    words.push_back(list.GetForeign(i) + '/' + list.GetTranslation(i) + '/' +
                    std::to_string(list.GetMark(i)));
  return words;
}

}  // namespace

class TestImportDlg : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

  QString SaveList(const char* name, std::initializer_list<Word> words) {
    CWordList list = ListOf(words);
    const QString path = m_dir.filePath(QString::fromLatin1(name));
    if (list.SaveTo(path, u"VK2"_s) != 0) return {};
    return path;
  }
  QString WriteFile(const char* name, const QByteArray& bytes) {
    const QString path = m_dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  // --- what the import does to the open list -------------------------------

  void addsNewWordsAndReportsTheRest() {
    CWordList open = ListOf({{"hund", "dog", 0}, {"bil", "car", 0}});
    open.SetModified(0);
    const CWordList chosen = ListOf({{"katt", "cat", 1},
                                     {"hund", "dog", 0},   // both sides present
                                     {"vovve", "dog", 0},  // translation present
                                     {"h\xe4st", "horse", 2},
                                     {"katt", "kitty", 0}});  // added just before
    const ImportResult result = ImportWordsInto(open, chosen);
    QCOMPARE(result.added, 2);
    QCOMPARE(result.skipped, std::string("hund\tdog\nvovve\tdog\nkatt\tkitty\n"));
    QCOMPARE(Words(open), (std::vector<std::string>{"hund/dog/0", "bil/car/0", "katt/cat/1",
                                                    "h\xe4st/horse/2"}));
    QVERIFY(open.IsModified());
    QCOMPARE(ImportReport(result), u"2 "_s + LangQText(305) + u"\n\n"_s + LangQText(306) +
                                       u"\nhund\tdog\nvovve\tdog\nkatt\tkitty\n"_s);
  }

  void aFullListTakesWhatFits() {
    CWordList open;
    for (int i = 0; i < 299; ++i) open.AddWord("f" + std::to_string(i), "t" + std::to_string(i));
    const ImportResult result =
        ImportWordsInto(open, ListOf({{"a", "1", 0}, {"b", "2", 0}, {"c", "3", 0}}));
    QCOMPARE(result.added, 1);
    QCOMPARE(result.skipped, std::string("b\t2\nc\t3\n"));
    QCOMPARE(open.GetCount(), CWordList::kMaxWords);
    QCOMPARE(open.GetForeign(299), std::string("a"));
  }

  void nothingChosenStillCountsAsAnImport() {
    CWordList open = ListOf({{"hund", "dog", 0}});
    open.SetModified(0);
    const ImportResult result = ImportWordsInto(open, CWordList());
    QCOMPARE(result.added, 0);
    QVERIFY(open.IsModified());
    QCOMPARE(ImportReport(result), u"0 "_s + LangQText(305));
  }

  // --- the dialog -----------------------------------------------------------

  void choosesWordsOfTheOpenedFile() {
    const QString path =
        SaveList("djur.vk2", {{"katt", "cat", 1}, {"hund", "dog", 0}, {"h\xe4st", "horse", 2}});
    QVERIFY(!path.isEmpty());
    CFakePlatform platform;
    platform.QueueFile(path);
    CImportDlg dlg(platform, nullptr, [] { return u"/help/vokabit"_s; });
    QCOMPARE(dlg.windowTitle(), LangQText(420));
    auto* box = dlg.findChild<CWordListBox*>(u"c1162"_s);
    auto* file = dlg.findChild<QLabel*>(u"c1161"_s);
    auto* ok = dlg.findChild<QPushButton*>(u"c1"_s);
    QVERIFY(box && file && ok);
    QCOMPARE(file->text(), LangQText(421));

    RunModal(dlg, [&] {
      // The file dialog comes with the dialog.
      QTRY_COMPARE(box->count(), 3);
      QCOMPARE(platform.m_dialogs.size(), std::size_t(1));
      QCOMPARE(platform.m_dialogs[0].request.title, LangQText(53));
      QCOMPARE(platform.m_dialogs[0].request.filter, LangQText(108));
      QCOMPARE(file->text(), path);
      QCOMPARE(box->LineText(2), std::string("h\xe4st\thorse"));
      QCOMPARE(box->ItemData(0), 1);
      QVERIFY(ok->isEnabled());

      // Each click toggles a line.
      ClickLine(box, 0);
      ClickLine(box, 2);
      ClickLine(box, 1);
      ClickLine(box, 1);
      QCOMPARE(box->SelectedRows(), (std::vector<int>{0, 2}));
      QTest::keyClick(box, Qt::Key_F1);
      QTest::keyClick(box, Qt::Key_Return);  // Enter imports
    });
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(Words(dlg.GetChosenWords()),
             (std::vector<std::string>{"katt/cat/1", "h\xe4st/horse/2"}));
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(platform.m_help.size(), std::size_t(1));
    QCOMPARE(platform.m_help[0].second, 131206u);
  }

  void equalForeignWordsKeepTheirOwnTranslations() {
    const QString path = SaveList("bank.vk2", {{"bank", "bench", 0}, {"bank", "bank", 1}});
    CFakePlatform platform;
    platform.QueueFile(path);
    CImportDlg dlg(platform);
    auto* box = dlg.findChild<CWordListBox*>(u"c1162"_s);
    RunModal(dlg, [&] {
      QTRY_COMPARE(box->count(), 2);
      ClickLine(box, 1);
      dlg.accept();
    });
    QCOMPARE(Words(dlg.GetChosenWords()), std::vector<std::string>{"bank/bank/1"});
  }

  void anotherFileReplacesTheWords() {
    const QString first = SaveList("first.vk2", {{"ett", "one", 0}, {"tv\xe5", "two", 0}});
    // A text file reads as a modified list, which must not raise the save
    // question when the next file replaces it.
    const QString second =
        WriteFile("second.txt", "r\xf6\x64\tred\nbl\xe5\tblue\ngr\xf6n\tgreen\n");
    CFakePlatform platform;
    platform.QueueFile(first);
    platform.QueueFile(second);
    CImportDlg dlg(platform);
    auto* box = dlg.findChild<CWordListBox*>(u"c1162"_s);
    RunModal(dlg, [&] {
      QTRY_COMPARE(box->count(), 2);
      ClickLine(box, 0);
      QTest::mouseClick(dlg.findChild<QPushButton*>(u"c3"_s), Qt::LeftButton);
      QCOMPARE(box->count(), 3);
      QVERIFY(box->SelectedRows().empty());
      ClickLine(box, 2);
      dlg.accept();
    });
    QCOMPARE(Words(dlg.GetChosenWords()), std::vector<std::string>{"gr\xf6n/green/0"});
    QVERIFY(platform.m_messages.empty());
  }

  void cancelledFileDialogLeavesAnEmptyChoice() {
    CFakePlatform platform;
    platform.QueueCancelFile();
    CImportDlg dlg(platform);
    auto* box = dlg.findChild<CWordListBox*>(u"c1162"_s);
    auto* ok = dlg.findChild<QPushButton*>(u"c1"_s);
    RunModal(dlg, [&] {
      QTRY_COMPARE(platform.m_dialogs.size(), std::size_t(1));
      QCOMPARE(box->count(), 0);
      QCOMPARE(dlg.findChild<QLabel*>(u"c1161"_s)->text(), LangQText(421));
      QVERIFY(ok->isEnabled());
      QTest::mouseClick(ok, Qt::LeftButton);
    });
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.GetChosenWords().GetCount(), 0);
  }

  void rejectedFileBlocksTheImport() {
    const QString good = SaveList("good.vk2", {{"sol", "sun", 0}});
    const QString bad = WriteFile("bad.vk2", "this is no word list\r\n");
    CFakePlatform platform;
    platform.QueueFile(good);
    platform.QueueFile(bad);
    CImportDlg dlg(platform);
    auto* box = dlg.findChild<CWordListBox*>(u"c1162"_s);
    auto* ok = dlg.findChild<QPushButton*>(u"c1"_s);
    auto* file = dlg.findChild<QLabel*>(u"c1161"_s);
    RunModal(dlg, [&] {
      QTRY_COMPARE(box->count(), 1);
      dlg.BrowseForList();
      QCOMPARE(platform.m_messages.size(), std::size_t(1));  // the loader's own message
      QVERIFY(platform.m_messages[0].text.contains(bad));
      QCOMPARE(file->text(), LangQText(510));
      QVERIFY(!ok->isEnabled());
      QCOMPARE(box->count(), 1);  // the old lines stay, but cannot be imported
      ClickLine(box, 0);
      QTest::keyClick(box, Qt::Key_Return);
      QVERIFY(dlg.isVisible());
      dlg.accept();
      QVERIFY(dlg.isVisible());
    });
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(dlg.GetChosenWords().GetCount(), 0);
  }
};

QTEST_MAIN(TestImportDlg)
#include "tst_ImportDlg.moc"
