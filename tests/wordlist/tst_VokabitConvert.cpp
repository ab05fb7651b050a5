#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <QProcess>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "lang/LangText.h"
#include "wordlist/WordListTexts.h"

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
  CWordList m_list;
  // Words in eight scripts, which Windows-1252 cannot hold.
  QString m_scriptSource;
  CWordList m_scripts;

  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    m_list = ListOf({{"hund", "dog", 1},
                     {"häst", "horse", 2},
                     {"€-tecken", "euro sign", 0},
                     {"a=b", "2+2=4", -3},
                     {std::string(100000, 'l'), "long", 1},
                     {"tom", "", 2},
                     {"katt, kisse", "\"cat\"", 0}});
    m_list.SetTitle("Djur");
    m_list.SetFirstLanguage("Svenska");
    m_list.SetSecondLanguage("Engelska");
    m_source = Path(QStringLiteral("source.vk2"));
    QCOMPARE(m_list.SaveTo(m_source, QStringLiteral("VK2")), FileResult::Done);

    m_scripts = ListOf({{"книга, книжка", "book", 1},
                        {"σοφία", "wisdom", 2},
                        {"źdźbło", "blade of grass", 0},
                        {"İstanbul", "ılık", 1},
                        {"كتاب (kitāb)", "book", 0},
                        {"שָׁלוֹם", "peace", 2},
                        {"图书馆", "library", 0},
                        {"勉強する", "to study", 1},
                        {"😀", "smile", 0}});
    m_scripts.SetTitle("Ord på åtta språk");
    m_scripts.SetFirstLanguage("Русский");
    m_scripts.SetSecondLanguage("日本語");
    m_scriptSource = Path(QStringLiteral("scripts.vk2"));
    QCOMPARE(m_scripts.SaveTo(m_scriptSource, QStringLiteral("VK2")), FileResult::Done);
  }

  // Every readable type out and back to version 2 keeps the words; version 2
  // and version 1 output are lists of their own, the rest exports.
  void roundTrips_data() {
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("keepsMarks");
    QTest::addColumn<bool>("keepsNames");  // the two language names
    QTest::addColumn<bool>("exported");
    QTest::addColumn<bool>("scripts");  // the list in eight scripts
    for (const bool scripts : {false, true}) {
      const char* list = scripts ? "scripts" : "Windows-1252";
      QTest::addRow("vk2, %s", list) << "vk2" << true << true << false << scripts;
      QTest::addRow("vk1, %s", list) << "vk1" << false << true << false << scripts;
      QTest::addRow("ord, %s", list) << "ord" << false << false << true << scripts;
      QTest::addRow("txt, %s", list) << "txt" << false << false << true << scripts;
      QTest::addRow("skv, %s", list) << "skv" << false << false << true << scripts;
      QTest::addRow("scv, %s", list) << "scv" << false << false << true << scripts;
      QTest::addRow("csv, %s", list) << "csv" << false << true << true << scripts;
    }
  }

  void roundTrips() {
    QFETCH(QString, extension);
    QFETCH(bool, keepsMarks);
    QFETCH(bool, keepsNames);
    QFETCH(bool, exported);
    QFETCH(bool, scripts);
    const CWordList& source = scripts ? m_scripts : m_list;
    const QString middle = Path(QStringLiteral("middle.") + extension);
    const QString back = Path(QStringLiteral("back-") + extension + QStringLiteral(".vk2"));
    const Run out = Convert({scripts ? m_scriptSource : m_source, middle});
    QCOMPARE(out.exitCode, 0);
    QCOMPARE(out.err, QString());
    QCOMPARE(out.out, exported ? WithPath(kTxtExported, middle) : QString());
    const Run in = Convert({middle, back});
    QCOMPARE(in.exitCode, 0);
    QCOMPARE(in.err + in.out, QString());

    // ORD skips empty lines, so it cannot hold a word with an empty side.
    // The file in between holds UTF-8 only when it must, and says so.
    const QByteArray written = ReadAll(middle);
    const bool utf8 = written.contains("ENCODING=UTF-8\r\n") || written.startsWith("\xEF\xBB\xBF");
    QCOMPARE(utf8, scripts || extension == QLatin1String("csv"));

    QStringList expected;
    for (int i = 0; i < source.GetCount(); ++i) {
      if (extension == QLatin1String("ord") && source.GetTranslation(i).empty()) continue;
      expected << WordsOf(source)[i].section(u'/', 0, -2) + u'/' +
                      QString::number(keepsMarks ? source.GetMark(i) : 0);
    }
    CWordList list;
    QCOMPARE(list.OpenFile(back), FileResult::Done);
    QCOMPARE(WordsOf(list), expected);
    const auto names = [](const std::string& first, const std::string& second) {
      return first + '|' + second;
    };
    QCOMPARE(names(list.GetFirstLanguage(), list.GetSecondLanguage()),
             keepsNames ? names(source.GetFirstLanguage(), source.GetSecondLanguage())
                        : names(LangText(kTxtFirstLanguage), LangText(kTxtSecondLanguage)));
    if (extension == QLatin1String("vk2")) QCOMPARE(list.GetTitle(), source.GetTitle());
  }

  void csvHeaderOption() {
    // A sheet without a heading row: --no-header, before or after the files,
    // reads its first row as a word.
    const QString sheet = Path(QStringLiteral("sheet.csv"));
    QVERIFY(WriteFile(sheet, "katt;Katze\r\nhund;Hund\r\n"));
    const QString out = Path(QStringLiteral("sheet.vk2"));
    const QList<std::pair<QStringList, QStringList>> cases = {
        {{sheet, out}, {QStringLiteral("hund/Hund/0")}},
        {{QStringLiteral("--no-header"), sheet, out},
         {QStringLiteral("katt/Katze/0"), QStringLiteral("hund/Hund/0")}},
        {{sheet, out, QStringLiteral("--no-header")},
         {QStringLiteral("katt/Katze/0"), QStringLiteral("hund/Hund/0")}}};
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
    const QString page = Path(QStringLiteral("page.HTML"));
    QCOMPARE(Convert({m_source, page}).exitCode, 0);
    QVERIFY(ReadAll(page).startsWith("<html>\r\n<head>\r\n<title>"));
    // A page of words in any script says that it is UTF-8.
    const QString scripts = Path(QStringLiteral("scripts.html"));
    QCOMPARE(Convert({m_scriptSource, scripts}).exitCode, 0);
    const QByteArray html = ReadAll(scripts);
    QVERIFY(html.startsWith("<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>"));
    QVERIFY(html.contains("<td>图书馆</td><td>library</td>"));
    // An unknown extension is written as version 2, to the name as given.
    const QString other = Path(QStringLiteral("copy.lst"));
    QCOMPARE(Convert({m_source, other}).exitCode, 0);
    QVERIFY(ReadAll(other).startsWith("[INFO]\r\nVERSION=2.0\r\n"));
  }

  void failures() {
    // A rejected or missing input, or an output that cannot be written: the
    // program's own message, status 1, nothing written.
    const QString bad = Path(QStringLiteral("bad.vk2"));
    QVERIFY(WriteFile(bad, "[INFO]\r\nVERSION=9.9\r\n"));
    const QString never = Path(QStringLiteral("never.vk2"));
    const QString missing = Path(QStringLiteral("missing.txt"));
    const QString unwritable = Path(QStringLiteral("no-folder/out.vk2"));
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
    const QString pipe = Path(QStringLiteral("pipe.vk2"));
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
    const QString small = Path(QStringLiteral("small.vk2"));
    CWordList words;
    for (int i = 0; i < 300; ++i) (void)words.AddWord("ord" + std::to_string(i), "word", 1);
    QCOMPARE(words.SaveTo(small, QStringLiteral("VK2")), FileResult::Done);
    for (const QString& input : {small, m_source}) {
      for (const char* extension : {"vk2", "vk1", "html", "ord", "txt", "skv"}) {
        const QString output = Path(QStringLiteral("kept.") + QLatin1String(extension));
        QVERIFY(WriteFile(output, "old output"));
        const Run run = Convert({input, output}, 1024);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, WithPath(kTxtSaveFailed, output));
        QCOMPARE(ReadAll(output), QByteArray("old output"));
      }
    }
  }

  void usage() {
    const QString out = Path(QStringLiteral("never.csv"));
    for (const QStringList& args :
         {QStringList{}, QStringList{m_source}, QStringList{m_source, m_source, m_source},
          QStringList{QStringLiteral("--header"), m_source, out},
          QStringList{QStringLiteral("--no-header"), m_source}}) {
      const Run run = Convert(args);
      QCOMPARE(run.exitCode, 2);
      QVERIFY(run.err.contains(QStringLiteral("vokabit-convert [--no-header] INPUT OUTPUT")));
    }
    QVERIFY(!QFile::exists(out));
  }
};

QTEST_GUILESS_MAIN(TestVokabitConvert)
#include "tst_VokabitConvert.moc"
