// The language library: catalogs chosen by index or locale, read when first
// used, and missing or damaged ones.
#include <climits>

#include <QtTest>

#include "TestFiles.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"
#include "lang/VkLang.h"

using namespace Qt::StringLiterals;

namespace {

constexpr unsigned kUntitled = 104;  // "Untitled" in each language

// Sets LC_ALL, LC_MESSAGES, LANG and LANGUAGE from "a|b|c|d"; an empty
// variable counts as unset.
void SetLocale(const QByteArray& values) {
  int i = 0;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
    qputenv(name, values.split('|').value(i++));
}

// Puts a catalog folder's file into dir: the shipped one when no bytes are
// given.
void Put(const QTemporaryDir& dir, const char* name, const QByteArray& bytes = {}) {
  const QString path = dir.filePath(QLatin1String(name));
  QFile::remove(path);
  QVERIFY(bytes.isEmpty() ? QFile::copy(DataDirectory() + u"/lang/"_s + QLatin1String(name), path)
                          : WriteFile(path, bytes));
}

}  // namespace

class TestLangLibrary : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    SetLocale("en_GB.UTF-8|||");
    VKLangSetCatalogDir(nullptr);  // the build's data folder, loaded afresh
  }

  void shippedCatalogsSwitchLanguage() {
    QCOMPARE(QByteArray(VKLangGetLangName(0)) + VKLangGetLangName(1) + VKLangGetLangName(2),
             QByteArray("SvenskaEnglishDeutsch"));
    QCOMPARE(VKLangHasCatalogError(), 0);

    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);
    QCOMPARE(VKLangSetLanguage(0), 0);
    QCOMPARE(LangText(kUntitled), std::string("Namnl\xC3\xB6s"));  // UTF-8
    QCOMPARE(VKLangSetLanguage(2), 0);
    // The string table and the language texts share numbers but not texts.
    QCOMPARE(StringTableQText(101) + u'|' + LangQText(101), u"\u00DC&ber Vokabit...| von 300"_s);
    QCOMPARE(StringTableText(57344) + LangText(57344), std::string("VokabitVokabit"));

    // Bad indexes and unknown numbers change nothing and give nothing.
    for (const int index : {-1, 3, INT_MIN})
      QVERIFY(VKLangSetLanguage(index) != 0 && !VKLangGetLangName(index));
    QCOMPARE(LangQText(kUntitled), u"Unbenannt"_s);
    QCOMPARE(LangText(9999) + StringTableText(9999), std::string());

    // The locale chooses the first language that has a catalog: LC_ALL|
    // LC_MESSAGES|LANG|LANGUAGE=text 104. LANGUAGE counts only with a real locale.
    for (const char* row :
         {"de_DE.UTF-8||sv_SE|=Unbenannt", "|de_AT@euro|sv_SE|=Unbenannt",
          "||fr_FR.UTF-8|=Untitled", "||fr_FR.UTF-8|fr:sv:de=Namnl\u00F6s", "||C|de=Untitled"}) {
      SetLocale(QByteArray(row).split('=').value(0));
      VKLangSetCatalogDir(nullptr);
      QCOMPARE(LangQText(kUntitled), QString::fromUtf8(row).section(u'=', 1));
    }
  }

  // A start reads the catalog of its language only: one changed on disk
  // afterwards is seen when it is first used.
  void catalogIsReadWhenFirstUsed() {
    QTemporaryDir dir;
    for (const char* name : {"languages.txt", "sv.lang", "en.lang", "de.lang"}) Put(dir, name);
    VKLangSetCatalogDir(dir.path().toUtf8().constData());
    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);
    Put(dir, "sv.lang", "@language\tSvenska 2\n104\tTom\n");
    Put(dir, "de.lang", "@language\tDeutsch 2\n104\tLeer\n");
    QCOMPARE(QByteArray(VKLangGetLangName(0)), QByteArray("Svenska 2"));
    QCOMPARE(VKLangSetLanguage(2), 0);
    QCOMPARE(LangQText(kUntitled), u"Leer"_s);
    // A language set before any text needs no other catalog either, and the
    // start-up check still finds a damaged catalog that is not in use.
    Put(dir, "de.lang", "@language\tDeutsch\n104\tLeer\n105 lost its tab\n");
    VKLangSetCatalogDir(dir.path().toUtf8().constData());
    QCOMPARE(VKLangSetLanguage(0), 0);
    Put(dir, "en.lang", "@language\tEnglish\n104\tNewer\n");
    QCOMPARE(VKLangSetLanguage(1), 0);
    QCOMPARE(LangQText(kUntitled), u"Newer"_s);
    QCOMPARE(VKLangHasCatalogError(), 1);
  }

  // The catalog of the locale is missing: English, and the missing language
  // keeps its place, so the stored indexes stay right. Bad and repeated lines
  // of the list are dropped; a damaged catalog keeps
  // its good texts, one with nothing usable cannot be chosen, and a folder
  // without catalogs gives empty texts.
  void damagedCatalogs() {
    QTemporaryDir dir, other;
    for (const char* name : {"languages.txt", "sv.lang", "en.lang"}) Put(other, name);
    SetLocale("||de_DE.UTF-8|");
    VKLangSetCatalogDir(other.path().toUtf8().constData());
    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);
    QCOMPARE(VKLangHasCatalogError(), 1);
    QCOMPARE(QByteArray(VKLangGetLangName(VKLangGetLangCount() - 1)), QByteArray("de"));
    QVERIFY(VKLangSetLanguage(2) != 0 && VKLangSetLanguage(0) == 0);
    QCOMPARE(LangQText(kUntitled), u"Namnl\u00F6s"_s);

    Put(dir, "languages.txt", "en\nEN!\nen\nxx\n");
    Put(dir, "en.lang", "@language\tEnglish\n104\tUntitled\n105 lost its tab\n106\t\xFF\xFE\n");
    Put(dir, "xx.lang", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20));
    VKLangSetCatalogDir(dir.path().toUtf8().constData());
    QCOMPARE(VKLangGetLangCount(), 2);
    QVERIFY(VKLangSetLanguage(0) == 0 && VKLangSetLanguage(1) != 0);
    QCOMPARE(LangQText(kUntitled), u"Untitled"_s);

    for (const QString& path : {dir.filePath(u"does-not-exist"_s), dir.filePath(u"empty"_s)}) {
      QDir().mkpath(dir.filePath(u"empty"_s));
      VKLangSetCatalogDir(path.toUtf8().constData());
      QCOMPARE(VKLangGetLangCount() + VKLangHasCatalogError(), 1);
      QVERIFY(!VKLangGetLangName(0) && VKLangSetLanguage(0) != 0);
      QCOMPARE(LangText(kUntitled) + StringTableText(57344), std::string());
    }
  }

  void dataDirectoryFollowsTheEnvironment() {
    const QByteArray saved = qgetenv("VOKABIT_DATA_DIR");
    qputenv("VOKABIT_DATA_DIR", "/opt/vokabit/share//");
    QCOMPARE(DataDirectory(), u"/opt/vokabit/share"_s);
    QCOMPARE(DataFilePath(u"sounds/ding.wav"_s), u"/opt/vokabit/share/sounds/ding.wav"_s);
    QCOMPARE(DataFilePath(u"/home/me/bell.wav"_s), u"/home/me/bell.wav"_s);
    QCOMPARE(DataFilePath(QString()), QString());
    qputenv("VOKABIT_DATA_DIR", saved);
  }
};

QTEST_GUILESS_MAIN(TestLangLibrary)
#include "tst_LangLibrary.moc"
