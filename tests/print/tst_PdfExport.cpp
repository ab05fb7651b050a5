// The converter's PDF output: the printed pages of a list, checked with the
// PDF tools (poppler-utils) the way a reader would see them.
#include <QtTest>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "settings/Settings.h"
#include "settings/SettingsKeys.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs program with args in the given language; the settings store is the
// test's own, handed down in the environment.
Run Start(const QString& program, const QStringList& args, const QString& language = u"en"_s) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(u"LANGUAGE"_s, language);
  env.insert(u"LANG"_s, language + u'_' + language.toUpper() + u".UTF-8"_s);
  env.remove(u"LC_ALL"_s);
  env.remove(u"LC_MESSAGES"_s);
  env.remove(u"QT_QPA_PLATFORM"_s);  // the converter must do without a display
  env.remove(u"DISPLAY"_s);
  process.setProcessEnvironment(env);
  process.start(program, args);
  Run run;
  if (!process.waitForFinished(60000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
  return run;
}

QString Tool(const QString& name) {
  return QStandardPaths::findExecutable(name);
}

}  // namespace

class TestPdfExport : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString m_list;

  QString Path(const QString& name) const { return m_dir.filePath(name); }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    QCOMPARE(VKLangSetLanguage(1), 0);  // English, as the converter runs below
    QVERIFY2(!Tool(u"pdftotext"_s).isEmpty(),
             "poppler-utils is missing (scripts/install-deps.sh installs it)");
    ApplyTestDefaults(m_dir.path() + u'/');
    std::vector<TestWord> words;
    for (int i = 1; i <= 300; ++i) {
      const std::string n = QString::number(i).rightJustified(3, u'0').toStdString();
      words.push_back({"fågel" + n, "bird" + n});
    }
    m_list = Path(u"birds.vk2"_s);
    QVERIFY(SaveList(m_list, words));
  }

  // A full list: as many PDF pages as the header counts, every page numbered
  // in the language of the user, and every word exactly once, in order.
  void fullListInEachLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("header");  // the page-number format as a pattern
    QTest::newRow("sv") << u"sv"_s << u"Sida (\\d+) av (\\d+)"_s;
    QTest::newRow("en") << u"en"_s << u"Page (\\d+) of (\\d+)"_s;
    QTest::newRow("de") << u"de"_s << u"Seite (\\d+) von (\\d+)"_s;
  }

  void fullListInEachLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, header);
    const QString pdf = Path(language + u".pdf"_s);
    const Run convert = Start(QStringLiteral(VOKABIT_CONVERT_PATH), {m_list, pdf}, language);
    QCOMPARE(convert.exitCode, 0);
    QCOMPARE(convert.err, QString());

    const Run text = Start(Tool(u"pdftotext"_s), {u"-layout"_s, pdf, u"-"_s});
    QCOMPARE(text.exitCode, 0);
    const int count = int(text.out.count(u'\f'));  // each page ends with a form feed
    QVERIFY(count > 3);
    QStringList numbers;
    for (const QRegularExpressionMatch& m : QRegularExpression(header).globalMatch(text.out))
      numbers.append(m.captured(1) + u'/' + m.captured(2));
    QStringList expected;
    for (int page = 1; page <= count; ++page) expected.append(u"%1/%2"_s.arg(page).arg(count));
    QCOMPARE(numbers, expected);

    QStringList words;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(u"(fågel|bird)\\d{3}"_s).globalMatch(text.out))
      words.append(m.captured(0));
    expected.clear();
    for (int i = 1; i <= 300; ++i) {
      const QString n = QString::number(i).rightJustified(3, u'0');
      expected << u"fågel"_s + n << u"bird"_s + n;
    }
    QCOMPARE(words, expected);
  }

  // A PDF that cannot be written: status 1 with the message, nothing left.
  void aFolderInTheWayFails() {
    const QString pdf = Path(u"folder.pdf"_s);
    QVERIFY(QDir(m_dir.path()).mkpath(u"folder.pdf"_s));
    const Run run = Start(QStringLiteral(VOKABIT_CONVERT_PATH), {m_list, pdf});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, WithPath(kTxtSaveFailed, pdf));
    QVERIFY(!QFileInfo(pdf).isFile());
  }
};

QTEST_MAIN(TestPdfExport)
#include "tst_PdfExport.moc"
