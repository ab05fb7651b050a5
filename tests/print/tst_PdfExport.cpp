// The converter's PDF output: the printed pages of a list, checked with the
// PDF tools (poppler-utils) the way a reader would see them.
#include <QtTest>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "TestFiles.h"
#include "lang/VkLang.h"
#include "wordlist/WordListTexts.h"

using namespace Qt::StringLiterals;

namespace {

// Runs program with args in the given language, without a display (the
// converter must do without one); the settings store is the test's own,
// handed down in the environment. Exit status, standard output and error.
std::tuple<int, QString, QString> Start(const QString& program, const QStringList& args,
                                        const QString& language = u"en"_s) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(u"LANGUAGE"_s, language);
  env.insert(u"LANG"_s, language + u'_' + language.toUpper() + u".UTF-8"_s);
  for (const QString& name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s})
    env.remove(name);
  process.setProcessEnvironment(env);
  process.start(program, args);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromLocal8Bit(process.readAllStandardError()).trimmed()};
}

QStringList Matches(const QString& pattern, const QString& text, const QString& format) {
  QStringList found;
  for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(text))
    found.append(format.arg(m.captured(1), m.captured(2)));
  return found;
}

}  // namespace

class TestPdfExport : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString m_list;

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    QCOMPARE(VKLangSetLanguage(1), 0);  // English, as the converter runs below
    QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(),
             "poppler-utils is missing (scripts/install-deps.sh installs it)");
    ApplyTestDefaults(m_dir.path() + u'/');
    std::vector<TestWord> words;
    for (int i = 1; i <= 300; ++i) {
      const std::string n = QString::number(i).rightJustified(3, u'0').toStdString();
      words.push_back({"fågel" + n, "bird" + n});
    }
    m_list = m_dir.filePath(u"birds.vk2"_s);
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
    const QString pdf = m_dir.filePath(language + u".pdf"_s);
    QCOMPARE(Start(QStringLiteral(VOKABIT_CONVERT_PATH), {m_list, pdf}, language),
             std::make_tuple(0, QString(), QString()));
    const auto [status, text, error] =
        Start(QStandardPaths::findExecutable(u"pdftotext"_s), {u"-layout"_s, pdf, u"-"_s});
    QCOMPARE(status, 0);
    const int count = int(text.count(u'\f'));  // each page ends with a form feed
    QVERIFY(count > 3);
    QStringList expected;
    for (int page = 1; page <= count; ++page) expected.append(u"%1/%2"_s.arg(page).arg(count));
    QCOMPARE(Matches(header, text, u"%1/%2"_s), expected);

    expected.clear();
    for (int i = 1; i <= 300; ++i) {
      const QString n = QString::number(i).rightJustified(3, u'0');
      expected << u"fågel"_s + n << u"bird"_s + n;
    }
    QCOMPARE(Matches(u"(fågel|bird)(\\d{3})"_s, text, u"%1%2"_s), expected);
  }

  // A PDF that cannot be written: status 1 with the message, nothing left.
  void aFolderInTheWayFails() {
    const QString pdf = m_dir.filePath(u"folder.pdf"_s);
    QVERIFY(QDir(m_dir.path()).mkpath(u"folder.pdf"_s));
    QCOMPARE(Start(QStringLiteral(VOKABIT_CONVERT_PATH), {m_list, pdf}),
             std::make_tuple(1, QString(), WithPath(kTxtSaveFailed, pdf)));
    QVERIFY(!QFileInfo(pdf).isFile());
  }
};

QTEST_MAIN(TestPdfExport)
#include "tst_PdfExport.moc"
