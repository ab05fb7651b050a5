#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <QProcess>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "lang/LangText.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

// Exit code, standard output and standard error of one run.
struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

// fileSizeLimit > 0: the converter runs as on a disk that is full once a
// file reaches that size.
Run Convert(const QStringList& args, rlim_t fileSizeLimit = 0) {
  QProcess process;
  if (fileSizeLimit > 0) {
    process.setChildProcessModifier([fileSizeLimit] {
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit limit{};
      getrlimit(RLIMIT_FSIZE, &limit);
      limit.rlim_cur = fileSizeLimit;
      setrlimit(RLIMIT_FSIZE, &limit);
    });
  }
  process.start(QStringLiteral(VOKABIT_CONVERT_PATH), args);
  Run run;
  if (!process.waitForFinished(30000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
  run.err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
  return run;
}

}  // namespace

class TestVokabitConvert : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString m_source;
  // Words of Windows-1252 and of eight other scripts, an empty side, a
  // separator and quotes.
  CWordList m_list = ListOf({{"häst", "horse", 2},
                             {"a=b", "2+2=4", -3},
                             {std::string(100000, 'l'), "long", 1},
                             {"tom", "", 2},
                             {"katt, kisse", "\"cat\"", 0},
                             {"книга, книжка", "book", 1},
                             {"σοφία", "wisdom", 2},
                             {"كتاب (kitāb)", "book", 0},
                             {"图书馆", "library", 0},
                             {"😀", "smile", 0}});

  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    m_list.SetTitle("Ord på många språk");
    m_list.SetFirstLanguage("Русский");
    m_list.SetSecondLanguage("日本語");
    m_source = Path(u"source.vk2"_s);
    QCOMPARE(m_list.SaveTo(m_source, u"VK2"_s), FileResult::Done);
  }

  // Every readable type out and back to version 2 keeps the words; version 2
  // and version 1 output are lists of their own, the rest exports.
  void roundTrips_data() {
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("keepsMarks");
    QTest::addColumn<bool>("keepsNames");  // the two language names
    QTest::addColumn<bool>("exported");
    QTest::newRow("vk2") << "vk2" << true << true << false;
    QTest::newRow("vk1") << "vk1" << false << true << false;
    QTest::newRow("ord") << "ord" << false << false << true;
    QTest::newRow("txt") << "txt" << false << false << true;
    QTest::newRow("skv") << "skv" << false << false << true;
    QTest::newRow("scv") << "scv" << false << false << true;
    QTest::newRow("csv") << "csv" << false << true << true;
  }

  void roundTrips() {
    QFETCH(QString, extension);
    QFETCH(bool, keepsMarks);
    QFETCH(bool, keepsNames);
    QFETCH(bool, exported);
    const QString middle = Path(u"middle."_s + extension);
    const QString back = Path(u"back-"_s + extension + u".vk2"_s);
    const Run out = Convert({m_source, middle});
    QCOMPARE(out.exitCode, 0);
    QCOMPARE(out.err, QString());
    QCOMPARE(out.out, exported ? WithPath(kTxtExported, middle) : QString());
    const Run in = Convert({middle, back});
    QCOMPARE(in.exitCode, 0);
    QCOMPARE(in.err + in.out, QString());

    // ORD skips empty lines, so it cannot hold a word with an empty side.
    QStringList expected;
    for (int i = 0; i < m_list.GetCount(); ++i) {
      if (extension == u"ord"_s && m_list.GetTranslation(i).empty()) continue;
      expected << WordsOf(m_list)[i].section(u'/', 0, -2) + u'/' +
                      QString::number(keepsMarks ? m_list.GetMark(i) : 0);
    }
    CWordList list;
    QCOMPARE(list.OpenFile(back), FileResult::Done);
    QCOMPARE(WordsOf(list), expected);
    const auto names = [](const std::string& first, const std::string& second) {
      return first + '|' + second;
    };
    QCOMPARE(names(list.GetFirstLanguage(), list.GetSecondLanguage()),
             keepsNames ? names(m_list.GetFirstLanguage(), m_list.GetSecondLanguage())
                        : names(LangText(kTxtFirstLanguage), LangText(kTxtSecondLanguage)));
    if (extension == u"vk2"_s) QCOMPARE(list.GetTitle(), m_list.GetTitle());
  }

  void csvHeaderOption() {
    // A sheet without a heading row: --no-header, before or after the files,
    // reads its first row as a word.
    const QString sheet = Path(u"sheet.csv"_s);
    QVERIFY(WriteFile(sheet, "katt;Katze\r\nhund;Hund\r\n"));
    const QString out = Path(u"sheet.vk2"_s);
    const QList<std::pair<QStringList, QStringList>> cases = {
        {{sheet, out}, {u"hund/Hund/0"_s}},
        {{u"--no-header"_s, sheet, out}, {u"katt/Katze/0"_s, u"hund/Hund/0"_s}},
        {{sheet, out, u"--no-header"_s}, {u"katt/Katze/0"_s, u"hund/Hund/0"_s}}};
    for (const auto& [args, words] : cases) {
      QCOMPARE(Convert(args).exitCode, 0);
      CWordList list;
      QCOMPARE(list.OpenFile(out), FileResult::Done);
      QCOMPARE(WordsOf(list), words);
      QCOMPARE(list.GetFirstLanguage(),
               words.size() == 1 ? std::string("katt") : LangText(kTxtFirstLanguage));
    }
  }

  void htmlAndUnknownTypes() {
    // A page of words in any script says that it is UTF-8.
    const QString page = Path(u"page.HTML"_s);
    QCOMPARE(Convert({m_source, page}).exitCode, 0);
    const QByteArray html = ReadAll(page);
    QVERIFY(html.startsWith("<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>"));
    QVERIFY(html.contains("<td>图书馆</td><td>library</td>"));
    // An unknown extension is written as version 2, to the name as given.
    const QString other = Path(u"copy.lst"_s);
    QCOMPARE(Convert({m_source, other}).exitCode, 0);
    QVERIFY(ReadAll(other).startsWith("[INFO]\r\nVERSION=2.0\r\n"));
  }

  void failures() {
    // A rejected or missing input, or an output that cannot be written: the
    // program's own message, status 1, nothing written.
    const QString bad = Path(u"bad.vk2"_s);
    QVERIFY(WriteFile(bad, "[INFO]\r\nVERSION=9.9\r\n"));
    const QString never = Path(u"never.vk2"_s);
    const QString missing = Path(u"missing.txt"_s);
    const QString unwritable = Path(u"no-folder/out.vk2"_s);
    const QList<std::pair<QStringList, QString>> cases = {
        {{bad, never}, WithPath(kTxtFileRejected, bad)},
        {{missing, never}, WithPath(kTxtFileRejected, missing)},
        {{m_source, unwritable}, WithPath(kTxtSaveFailed, unwritable)}};
    for (const auto& [args, message] : cases) {
      const Run run = Convert(args);
      QCOMPARE(run.exitCode, 1);
      QCOMPARE(run.err, message);
      QCOMPARE(run.out, QString());
    }
    QVERIFY(!QFile::exists(never));

    // A pipe as input is refused at once, and so is one as output that
    // nobody reads: neither may hang.
    const QString pipe = Path(u"pipe.vk2"_s);
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const Run fromPipe = Convert({pipe, never});
    QCOMPARE(fromPipe.exitCode, 1);
    QCOMPARE(fromPipe.err, WithPath(kTxtFileRejected, pipe));
    const Run toPipe = Convert({m_source, pipe});
    QCOMPARE(toPipe.exitCode, 1);
    QCOMPARE(toPipe.err, WithPath(kTxtSaveFailed, pipe));
  }

  // A disk that fills up while the output is written: status 1 with the
  // message, and the old output stays whole, for every output type and for
  // lists smaller than any write buffer as for larger ones.
  void fullDiskKeepsTheOldOutput() {
    const QString small = Path(u"small.vk2"_s);
    CWordList words;
    for (int i = 0; i < 300; ++i) (void)words.AddWord("ord" + std::to_string(i), "word", 1);
    QCOMPARE(words.SaveTo(small, u"VK2"_s), FileResult::Done);
    for (const QString& input : {small, m_source}) {
      for (const char* extension : {"vk2", "vk1", "html", "ord", "txt", "skv"}) {
        const QString output = Path(u"kept."_s + QLatin1String(extension));
        QVERIFY(WriteFile(output, "old output"));
        const Run run = Convert({input, output}, 1024);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, WithPath(kTxtSaveFailed, output));
        QCOMPARE(ReadAll(output), QByteArray("old output"));
      }
    }
  }

  void usage() {
    const QString out = Path(u"never.csv"_s);
    for (const QStringList& args :
         {QStringList{}, QStringList{m_source}, QStringList{m_source, m_source, m_source},
          QStringList{u"--header"_s, m_source, out}, QStringList{u"--no-header"_s, m_source}}) {
      const Run run = Convert(args);
      QCOMPARE(run.exitCode, 2);
      QVERIFY(run.err.contains(u"vokabit-convert [--no-header] INPUT OUTPUT"_s));
    }
    QVERIFY(!QFile::exists(out));
  }
};

QTEST_GUILESS_MAIN(TestVokabitConvert)
#include "tst_VokabitConvert.moc"
