#include <climits>

#include <QTemporaryDir>
#include <QtTest>

#include "TestFiles.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"
#include "lang/VkFiles.h"
#include "lang/VkLang.h"

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned kUntitled = 104;      // "Untitled" in each language
constexpr unsigned kWordCountEnd = 101;  // collides with the string table's About item
constexpr unsigned kStrAbout = 101;
constexpr unsigned kStrAppName = 57344;

// Sets LC_ALL, LC_MESSAGES, LANG and LANGUAGE from "a|b|c|d"; an empty part
// unsets the variable.
void SetLocale(const QByteArray& values) {
  const QList<QByteArray> parts = values.split('|');
  const char* const names[] = {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
  for (int i = 0; i < 4; ++i) {
    if (parts.value(i).isEmpty())
      qunsetenv(names[i]);
    else
      qputenv(names[i], parts[i]);
  }
}

void UseCatalogDir(const QString& dir) {
  VKLangSetCatalogDir(dir.toUtf8().constData());
}

}  // namespace

class TestLangLibrary : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    SetLocale("en_GB.UTF-8|||");
    VKLangSetCatalogDir(nullptr);  // the build's data folder, loaded afresh
  }

  void cleanupTestCase() { VKLangSetCatalogDir(nullptr); }

  void shippedCatalogsSwitchLanguage() {
    QCOMPARE(VKLangGetLangCount(), 3);
    QCOMPARE(QByteArray(VKLangGetLangName(0)) + VKLangGetLangName(1) + VKLangGetLangName(2),
             QByteArray("SvenskaEnglishDeutsch"));
    QCOMPARE(VKLangHasCatalogError(), 0);
    // What the start-up check demands of the two libraries.
    QVERIFY(std::int16_t(VKLangGetVersionI() & 0xFFFF) >= 14);
    QVERIFY(std::int16_t(VKFilesGetVersionI() & 0xFFFF) >= 10);

    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);
    QCOMPARE(VKLangSetLanguage(0), 0);
    QCOMPARE(LangText(kUntitled), std::string("Namnl\xC3\xB6s"));  // UTF-8
    QCOMPARE(VKLangSetLanguage(2), 0);
    QCOMPARE(LangQText(kUntitled), u"Unbenannt"_s);
    // The string table and the language texts share numbers but not texts.
    QCOMPARE(StringTableQText(kStrAbout), u"\u00DC&ber Vokabit..."_s);
    QCOMPARE(LangQText(kWordCountEnd), u" von 300"_s);
    QCOMPARE(StringTableText(kStrAppName) + LangText(kStrAppName), std::string("VokabitVokabit"));

    // Bad indexes and unknown numbers change nothing and give nothing.
    for (const int index : {-1, 3, INT_MIN}) {
      QVERIFY(VKLangSetLanguage(index) != 0);
      QCOMPARE(VKLangGetLangName(index), nullptr);
    }
    QCOMPARE(LangQText(kUntitled), u"Unbenannt"_s);
    QCOMPARE(VKLangGetText(9999), nullptr);
    QCOMPARE(LangText(9999) + StringTableText(9999), std::string());
  }

  void localeChoosesTheFirstLanguage_data() {
    QTest::addColumn<QByteArray>("locale");  // LC_ALL|LC_MESSAGES|LANG|LANGUAGE
    QTest::addColumn<QString>("untitled");
    QTest::newRow("LC_ALL German") << QByteArray("de_DE.UTF-8||sv_SE|") << u"Unbenannt"_s;
    QTest::newRow("LC_MESSAGES before LANG") << QByteArray("|de_AT@euro|sv_SE|") << u"Unbenannt"_s;
    QTest::newRow("no catalog: English") << QByteArray("||fr_FR.UTF-8|") << u"Untitled"_s;
    QTest::newRow("LANGUAGE list")
        << QByteArray("||fr_FR.UTF-8|fr:sv:de") << QString::fromUtf8("Namnl\u00F6s");
    QTest::newRow("LANGUAGE ignored in C") << QByteArray("||C|de") << u"Untitled"_s;
  }

  void localeChoosesTheFirstLanguage() {
    QFETCH(QByteArray, locale);
    QFETCH(QString, untitled);
    SetLocale(locale);
    VKLangSetCatalogDir(nullptr);
    QCOMPARE(LangQText(kUntitled), untitled);
  }

  void missingCatalogOfTheLocaleFallsBack() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString shipped = DataDirectory() + u"/lang/"_s;
    QVERIFY(WriteFile(dir.filePath(u"languages.txt"_s), "sv\nen\nde\n"));
    for (const char* name : {"sv.lang", "en.lang"}) {
      QVERIFY(QFile::copy(shipped + QLatin1String(name), dir.filePath(QLatin1String(name))));
    }
    SetLocale("||de_DE.UTF-8|");
    UseCatalogDir(dir.path());

    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);
    QCOMPARE(VKLangHasCatalogError(), 1);
    // The missing language keeps its place, so the stored indexes stay right.
    QCOMPARE(VKLangGetLangCount(), 3);
    QCOMPARE(QByteArray(VKLangGetLangName(2)), QByteArray("de"));
    QVERIFY(VKLangSetLanguage(2) != 0);
    QCOMPARE(VKLangSetLanguage(0), 0);
    QCOMPARE(LangQText(kUntitled), QString::fromUtf8("Namnl\u00F6s"));
  }

  void catalogIsReadWhenFirstUsed() {
    // A start reads the catalog of its language only: one changed on disk
    // afterwards is seen when it is first used.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString shipped = DataDirectory() + u"/lang/"_s;
    for (const char* name : {"languages.txt", "sv.lang", "en.lang", "de.lang"}) {
      QVERIFY(QFile::copy(shipped + QLatin1String(name), dir.filePath(QLatin1String(name))));
    }
    UseCatalogDir(dir.path());
    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);

    QVERIFY(WriteFile(dir.filePath(u"sv.lang"_s), "@language\tSvenska 2\n104\tTom\n"));
    QVERIFY(WriteFile(dir.filePath(u"de.lang"_s), "@language\tDeutsch 2\n104\tLeer\n"));
    QCOMPARE(QByteArray(VKLangGetLangName(0)), QByteArray("Svenska 2"));
    QCOMPARE(VKLangSetLanguage(2), 0);
    QCOMPARE(LangQText(kUntitled), u"Leer"_s);
    // A language set before any text needs no other catalog either.
    QVERIFY(WriteFile(dir.filePath(u"en.lang"_s), "@language\tEnglish\n104\tNew\n"));
    UseCatalogDir(dir.path());
    QCOMPARE(VKLangSetLanguage(0), 0);
    QVERIFY(WriteFile(dir.filePath(u"en.lang"_s), "@language\tEnglish\n104\tNewer\n"));
    QCOMPARE(VKLangSetLanguage(1), 0);
    QCOMPARE(LangQText(kUntitled), u"Newer"_s);
    // The start-up check still finds a damaged catalog that is not in use.
    QVERIFY(
        WriteFile(dir.filePath(u"de.lang"_s), "@language\tDeutsch\n104\tLeer\n105 lost its tab\n"));
    UseCatalogDir(dir.path());
    QCOMPARE(LangQText(kUntitled), u"Newer"_s);
    QCOMPARE(VKLangHasCatalogError(), 1);
  }

  void missingCatalogFolderGivesEmptyTexts() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& path : {dir.path(), dir.filePath(u"does-not-exist"_s)}) {
      UseCatalogDir(path);
      QCOMPARE(VKLangGetLangCount(), 0);
      QCOMPARE(VKLangHasCatalogError(), 1);
      QCOMPARE(VKLangGetLangName(0), nullptr);
      QVERIFY(VKLangSetLanguage(0) != 0);
      QCOMPARE(LangText(kUntitled), std::string());
      QCOMPARE(StringTableText(kStrAppName), std::string());
    }
  }

  void damagedCatalogKeepsItsGoodTexts() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(WriteFile(dir.filePath(u"languages.txt"_s), "en\nEN!\nen\nxx\n"));
    QVERIFY(WriteFile(dir.filePath(u"en.lang"_s),
                      "@language\tEnglish\n104\tUntitled\n105 lost its tab\n106\t\xFF\xFE\n"));
    QByteArray garbage;
    for (int i = 0; i < 1000; ++i) garbage.append(char(i * 31));
    QVERIFY(WriteFile(dir.filePath(u"xx.lang"_s), garbage));
    UseCatalogDir(dir.path());

    QCOMPARE(VKLangHasCatalogError(), 1);
    QCOMPARE(VKLangGetLangCount(), 2);  // the bad and the repeated line are dropped
    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);
    QCOMPARE(LangText(105), std::string());
    QCOMPARE(LangText(106), std::string());
    QCOMPARE(VKLangSetLanguage(0), 0);   // damaged but usable
    QVERIFY(VKLangSetLanguage(1) != 0);  // nothing usable in it
    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);
  }

  void dataDirectoryFollowsTheEnvironment() {
    const QByteArray saved = qgetenv("VOKABIT_DATA_DIR");
    qputenv("VOKABIT_DATA_DIR", "/opt/vokabit/share//");
    QCOMPARE(DataDirectory(), u"/opt/vokabit/share"_s);
    QCOMPARE(DataFilePath(u"sounds/ding.wav"_s), u"/opt/vokabit/share/sounds/ding.wav"_s);
    QCOMPARE(DataFilePath(u"/home/me/bell.wav"_s), u"/home/me/bell.wav"_s);
    QCOMPARE(DataFilePath(QString()), QString());
    qputenv("VOKABIT_DATA_DIR", saved);

    // The shipped default sound resolves to a file of the data folder.
    QVERIFY(QFileInfo::exists(DataFilePath(LangQText(249))));
  }
};

QTEST_GUILESS_MAIN(TestLangLibrary)
#include "tst_LangLibrary.moc"
