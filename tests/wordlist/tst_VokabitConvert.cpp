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

// One run as "exit code|standard error|standard output". fileSizeLimit > 0:
// the converter runs as on a disk that is full once a file reaches that size.
QString Convert(const QStringList& args, rlim_t fileSizeLimit = 0) {
  QProcess process;
  if (fileSizeLimit > 0) {
    process.setChildProcessModifier([fileSizeLimit] {
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{fileSizeLimit, fileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    });
  }
  process.start(QStringLiteral(VOKABIT_CONVERT_PATH), args);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return {};
  return QString::number(process.exitCode()) + u'|' +
         QString::fromLocal8Bit(process.readAllStandardError()).trimmed() + u'|' +
         QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

}  // namespace

class TestVokabitConvert : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString m_source = m_dir.filePath(u"source.vk2"_s);
  // Words of Windows-1252 and of other scripts, an empty side, a
  // separator and quotes.
  CWordList m_list = ListOf({{"häst", "horse", 2},
                             {"a=b", "2+2=4", -3},
                             {std::string(100000, 'l'), "long", 1},
                             {"tom", "", 2},
                             {"katt, kisse", "\"cat\"", 0},
                             {"книга, книжка", "كتاب (kitāb)", 1},
                             {"图书馆", "😀", 0}});

  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    m_list.SetFirstLanguage("Русский");
    m_list.SetSecondLanguage("日本語");
    QCOMPARE(m_list.SaveTo(m_source, u"VK2"_s), FileResult::Done);
  }

  // Every readable type out and back to version 2 keeps the words; version 2
  // and version 1 output are lists of their own, the rest exports. Marks
  // survive version 2 only, the language names version 2, version 1 and CSV.
  void roundTrips() {
    for (const char* type : {"vk2", "vk1", "ord", "txt", "skv", "scv", "csv"}) {
      const QString extension = QLatin1String(type), middle = Path(u"middle."_s + extension);
      const QString back = Path(u"back-"_s + extension + u".vk2"_s);
      const bool exported = !extension.startsWith(u"vk"_s);
      QCOMPARE(Convert({m_source, middle}),
               u"0||"_s + (exported ? WithPath(kTxtExported, middle) : QString()));
      QCOMPARE(Convert({middle, back}), u"0||"_s);
      QStringList expected = WordsOf(m_list);
      if (extension != u"vk2"_s)
        expected.replaceInStrings(QRegularExpression(u"/-?\\d+$"_s), u"/0"_s);
      // ORD skips empty lines, so it cannot hold the word with an empty side.
      if (extension == u"ord"_s) expected.removeAt(3);
      CWordList list;
      QCOMPARE(list.OpenFile(back), FileResult::Done);
      QCOMPARE(WordsOf(list), expected);
      QCOMPARE(list.GetFirstLanguage() + '|' + list.GetSecondLanguage(),
               !exported || extension == u"csv"_s
                   ? "Русский|日本語"
                   : LangText(kTxtFirstLanguage) + '|' + LangText(kTxtSecondLanguage));
    }
  }

  // A sheet without a heading row: --no-header, before or after the files,
  // reads its first row as a word.
  void csvHeaderOption() {
    const QString sheet = Path(u"sheet.csv"_s), out = Path(u"sheet.vk2"_s);
    QVERIFY(WriteFile(sheet, "katt;Katze\r\nhund;Hund\r\n"));
    const QList<QStringList> cases{
        {sheet, out}, {u"--no-header"_s, sheet, out}, {sheet, out, u"--no-header"_s}};
    for (const QStringList& args : cases) {
      CWordList list;
      QCOMPARE(Convert(args), u"0||"_s);
      QCOMPARE(list.OpenFile(out), FileResult::Done);
      QCOMPARE(WordsOf(list).join(u' '),
               args.size() == 2 ? u"hund/Hund/0"_s : u"katt/Katze/0 hund/Hund/0"_s);
    }
  }

  void failures() {
    // A rejected input, or an output that cannot be written: the
    // program's own message, status 1, nothing written. A pipe as input is
    // refused at once, and so is one as output that nobody reads.
    const QString bad = Path(u"bad.vk2"_s), never = Path(u"never.vk2"_s);
    QVERIFY(WriteFile(bad, "[INFO]\r\nVERSION=9.9\r\n"));
    const QString unwritable = Path(u"no-folder/out.vk2"_s), pipe = Path(u"pipe.vk2"_s);
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QList<std::pair<QStringList, QString>> cases = {
        {{bad, never}, WithPath(kTxtFileRejected, bad)},
        {{m_source, unwritable}, WithPath(kTxtSaveFailed, unwritable)},
        {{pipe, never}, WithPath(kTxtFileRejected, pipe)},
        {{m_source, pipe}, WithPath(kTxtSaveFailed, pipe)}};
    for (const auto& [args, message] : cases) QCOMPARE(Convert(args), u"1|"_s + message + u'|');
    // Wrong arguments: the usage and status 2.
    const QList<QStringList> wrong{
        {}, {u"--header"_s, m_source, never}, {u"--no-header"_s, m_source}};
    for (const QStringList& args : wrong)
      QCOMPARE(Convert(args).section(u'\n', 0, 0),
               u"2|Usage: vokabit-convert [--no-header] INPUT OUTPUT"_s);
    QVERIFY(!QFile::exists(never));
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
        QCOMPARE(Convert({input, output}, 1024), u"1|"_s + WithPath(kTxtSaveFailed, output) + u'|');
        QCOMPARE(ReadAll(output), QByteArray("old output"));
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestVokabitConvert)
#include "tst_VokabitConvert.moc"
