#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

#include "LangText.h"
#include "WordList.h"
#include "WordListTexts.h"

namespace {

struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

Run Convert(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(VOKABIT_CONVERT_PATH), args);
  Run run;
  if (!process.waitForFinished(30000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

QString WithPath(unsigned text, const QString& path) {
  QString s = LangQText(text);
  const qsizetype at = s.indexOf(QLatin1String("%s"));
  if (at >= 0) s.replace(at, 2, path);
  return s;
}

}  // namespace

class TestVokabitConvert : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString m_source;
  CWordList m_list;

  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    m_list.SetTitle("Djur");
    m_list.AddWord("hund", "dog", 1);
    m_list.AddWord("h\xE4st", "horse", 2);
    m_list.AddWord("\x80-tecken", "euro sign", 0);
    m_list.AddWord("a=b", "2+2=4", -3);
    m_source = Path(QStringLiteral("source.vk2"));
    QCOMPARE(m_list.SaveTo(m_source, QStringLiteral("VK2")), 0);
  }

  // Every readable type out and back to version 2 keeps the words; version 2
  // and version 1 output are lists of their own, the rest exports.
  void roundTrips_data() {
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("keepsMarks");
    QTest::addColumn<bool>("exported");
    QTest::newRow("vk2") << "vk2" << true << false;
    QTest::newRow("vk1") << "vk1" << false << false;
    QTest::newRow("ord") << "ord" << false << true;
    QTest::newRow("txt") << "txt" << false << true;
    QTest::newRow("skv") << "skv" << false << true;
    QTest::newRow("scv") << "scv" << false << true;
  }

  void roundTrips() {
    QFETCH(QString, extension);
    QFETCH(bool, keepsMarks);
    QFETCH(bool, exported);
    const QString middle = Path(QStringLiteral("middle.") + extension);
    const QString back = Path(QStringLiteral("back-") + extension + QStringLiteral(".vk2"));
    const Run out = Convert({m_source, middle});
    QCOMPARE(out.exitCode, 0);
    QCOMPARE(out.err, QString());
    QCOMPARE(out.out.trimmed(), exported ? WithPath(kTxtExported, middle) : QString());
    const Run in = Convert({middle, back});
    QCOMPARE(in.exitCode, 0);
    QCOMPARE(in.err, QString());

    CWordList list;
    QCOMPARE(list.OpenFile(back), 0);
    QCOMPARE(list.GetCount(), m_list.GetCount());
    for (int i = 0; i < m_list.GetCount(); ++i) {
      QCOMPARE(list.GetForeign(i), m_list.GetForeign(i));
      QCOMPARE(list.GetTranslation(i), m_list.GetTranslation(i));
      QCOMPARE(list.GetMark(i), keepsMarks ? m_list.GetMark(i) : 0);
    }
  }

  void htmlAndUnknownTypes() {
    const QString page = Path(QStringLiteral("page.HTML"));
    QCOMPARE(Convert({m_source, page}).exitCode, 0);
    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("<html>\r\n"));

    // An unknown extension is written as version 2, to the name as given.
    const QString other = Path(QStringLiteral("copy.lst"));
    QCOMPARE(Convert({m_source, other}).exitCode, 0);
    QFile copy(other);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(copy.readAll().startsWith("[INFO]\r\nVERSION=2.0\r\n"));
  }

  void failures() {
    // A rejected input: the program's own message, status 1.
    const QString bad = Path(QStringLiteral("bad.vk2"));
    {
      QFile file(bad);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("[INFO]\r\nVERSION=9.9\r\n");
    }
    Run run = Convert({bad, Path(QStringLiteral("never.vk2"))});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err.trimmed(), WithPath(kTxtFileRejected, bad));
    QVERIFY(!QFile::exists(Path(QStringLiteral("never.vk2"))));

    const QString missing = Path(QStringLiteral("missing.txt"));
    run = Convert({missing, Path(QStringLiteral("never.vk2"))});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err.trimmed(), WithPath(kTxtFileRejected, missing));

    // An output that cannot be written.
    const QString unwritable = Path(QStringLiteral("no-folder/out.vk2"));
    run = Convert({m_source, unwritable});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err.trimmed(), WithPath(kTxtSaveFailed, unwritable));
    QCOMPARE(run.out, QString());
  }

  void usage() {
    for (const QStringList& args :
         {QStringList{}, QStringList{m_source}, QStringList{m_source, m_source, m_source}}) {
      const Run run = Convert(args);
      QCOMPARE(run.exitCode, 2);
      QVERIFY(run.err.contains(QStringLiteral("vokabit-convert INPUT OUTPUT")));
    }
  }
};

QTEST_GUILESS_MAIN(TestVokabitConvert)
#include "tst_VokabitConvert.moc"
