// The text codec, the catalog reader with the shipped catalogs checked against
// the text numbers and texts the code depends on, and the language library:
// catalogs chosen by index or locale, read when first used, and damaged ones.
#include <climits>
#include <map>
#include <set>

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

#include "TestFiles.h"
#include "lang/DataDir.h"
#include "lang/LangCatalog.h"
#include "lang/LangText.h"
#include "lang/TextCodec.h"
#include "lang/VkLang.h"

using namespace Qt::StringLiterals;

namespace {

const QString kSourceDir = QStringLiteral(VOKABIT_SOURCE_DIR);

QString Q(const std::string* text) {
  return text ? QString::fromStdString(*text) : u"<none>"_s;
}

// The printf conversions of a text in order ("sd" for "%s ... %d"), or
// "!" when a % starts no valid conversion.
QString Conversions(const QString& text) {
  static const QRegularExpression conversion(
      u"%[-+ #0]*(\\d+|\\*)?(\\.(\\d+|\\*))?(hh|h|ll|l|z|j|t)?([diouxXeEfgGcsp%])?"_s);
  QString result;
  for (const QRegularExpressionMatch& m : conversion.globalMatch(text)) {
    const QString letter = m.captured(5);
    if (letter.isEmpty()) return u"!"_s;
    if (letter != u"%"_s) result += letter;
  }
  return result;
}

// The patterns of a file filter "Description|patterns|...||": every second
// part, the last one empty.
QStringList Patterns(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList patterns;
  for (qsizetype i = 1; i < parts.size(); i += 2) patterns << parts[i];
  return patterns;
}

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

class TestLang : public QObject {
  Q_OBJECT

  QStringList m_codes;
  std::vector<CLangCatalog> m_catalogs;

 private Q_SLOTS:
  void init() {
    SetLocale("en_GB.UTF-8|||");
    VKLangSetCatalogDir(nullptr);  // the build's data folder, loaded afresh
  }

  void everyWindows1252ByteSurvives() {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));
    const std::string text = Cp1252ToUtf8(all);
    QVERIFY(IsValidUtf8(text));
    const QString chars = QString::fromStdString(text);
    QCOMPARE(chars.size(), 256);
    QCOMPARE(chars.at(0x80), QChar(0x20AC));  // euro sign
    QCOMPARE(chars.at(0x81), QChar(0x0081));  // undefined: the C1 control
    QCOMPARE(chars.at(0x9F), QChar(0x0178));  // Y diaeresis
    QCOMPARE(chars.at(0xE5), QChar(0x00E5));
    std::string back;
    QVERIFY(Utf8ToCp1252(text, back));
    QCOMPARE(back, all);

    // Exactly those 256 characters have a byte.
    int withByte = 0;
    for (char32_t u = 0; u <= 0xFFFF; ++u) {
      if (u >= 0xD800 && u <= 0xDFFF) continue;
      withByte += Utf8ToCp1252(QString(QChar(char16_t(u))).toStdString(), back) ? 1 : 0;
    }
    QCOMPARE(withByte, 256);
  }

  // Against Qt's own codecs: every code point in UTF-8 and in UTF-16 of both
  // byte orders, and every pair of leading bytes before two continuations.
  void agreesWithQtEverywhere() {
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
      if (cp == 0xD800) cp = 0xE000;
      const QString s = QString::fromUcs4(&cp, 1);
      const std::string utf8 = s.toStdString();
      std::string le(reinterpret_cast<const char*>(s.utf16()), s.size() * 2), be = le;
      for (std::size_t i = 0; i < be.size(); i += 2) std::swap(be[i], be[i + 1]);
      if (!IsValidUtf8(utf8) || RepairedUtf8(utf8) != utf8 || Utf16ToUtf8(le, false) != utf8 ||
          Utf16ToUtf8(be, true) != utf8)
        QFAIL(qPrintable(u"U+"_s + QString::number(cp, 16)));
    }
    for (int lead = 0; lead < 0x10000; ++lead) {
      const char bytes[] = {char(lead >> 8), char(lead), '\x80', '\x80'};
      QStringDecoder qt(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
      (void)QString(qt(QByteArrayView(bytes, 4)));
      if (IsValidUtf8(std::string_view(bytes, 4)) == qt.hasError())
        QFAIL(QByteArray(bytes, 4).toHex().constData());
    }
  }

  void charactersWithoutAByteAreRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("outside the basic plane") << QByteArray("\xF0\x9F\x98\x80");
    QTest::newRow("not UTF-8") << QByteArray("\xE5r");
    QTest::newRow("cut off") << QByteArray("\xE2\x82");
  }

  void charactersWithoutAByteAreRefused() {
    QFETCH(QByteArray, text);
    std::string out;
    QVERIFY(!Utf8ToCp1252(text.toStdString(), out));
  }

  void utf8IsCheckedStrictly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("repaired");  // invalid bytes read as Windows-1252
    QTest::newRow("ASCII and NUL") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
    QTest::newRow("every length") << QByteArray("\xC3\xA5\xE2\x82\xAC\xF0\x9F\x98\x80")
                                  << QByteArray("\xC3\xA5\xE2\x82\xAC\xF0\x9F\x98\x80");
    QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QByteArray("\xC3\x80\xC2\xAF");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80")
                               << QByteArray("\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    QTest::newRow("beyond U+10FFFF")
        << QByteArray("\xF4\x90\x80\x80") << QByteArray("\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC");
    QTest::newRow("cut off at the end")
        << QByteArray("ok\xE2\x82") << QByteArray("ok\xC3\xA2\xE2\x80\x9A");
    QTest::newRow("stray byte between letters")
        << QByteArray("\xD0\x96\xE4\xD0\x96") << QByteArray("\xD0\x96\xC3\xA4\xD0\x96");
  }

  void utf8IsCheckedStrictly() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, repaired);
    QCOMPARE(IsValidUtf8(bytes.toStdString()), repaired == bytes);  // valid: kept as it is
    QCOMPARE(QByteArray::fromStdString(RepairedUtf8(bytes.toStdString())), repaired);
  }

  void textFilesAreDecodedByMarkOrContent_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF\xD0\x96;\xC3\xA5") << u"Ж;å"_s;
    QTest::newRow("UTF-8 without mark") << QByteArray("\xCE\xB1\tx") << u"α\tx"_s;
    QTest::newRow("mark, then a stray byte") << QByteArray("\xEF\xBB\xBF\xD0\x96 \xE4") << u"Ж ä"_s;
    QTest::newRow("Windows-1252") << QByteArray("h\xE4st\t\x80") << u"häst\t€"_s;
    QTest::newRow("a mark alone") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE\x16\x04;\x00\x3D\xD8\x00\xDE", 10)
                               << u"Ж;😀"_s;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\x04\x16\x00\n\x65\xE5", 8) << u"Ж\n日"_s;
    QTest::newRow("UTF-16, the first pair of surrogates")
        << QByteArray("\xFF\xFE\x00\xD8\x00\xDC", 6) << u"\U00010000"_s;
    // A surrogate without its partner, and an odd byte at the end.
    QTest::newRow("UTF-16 damaged")
        << QByteArray("\xFF\xFE\x00\xD8x\x00y", 7) << u"\uFFFDx\uFFFD"_s;
  }

  void textFilesAreDecodedByMarkOrContent() {
    QFETCH(QByteArray, file);
    QFETCH(QString, text);
    const std::string decoded = DecodeTextFile(file.toStdString());
    QVERIFY(IsValidUtf8(decoded));
    QCOMPARE(QString::fromStdString(decoded), text);
  }

  void initTestCase() {
    QFile list(kSourceDir + u"/data/lang/languages.txt"_s);
    QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
    for (const QString& line : QString::fromUtf8(list.readAll()).split(u'\n', Qt::SkipEmptyParts))
      if (!line.startsWith(u'#')) m_codes.append(line.trimmed());
    for (const QString& code : m_codes) {
      CLangCatalog catalog;
      QVERIFY2(
          catalog.Load(kSourceDir + u"/data/lang/"_s + code + u".lang"_s) && !catalog.IsDamaged(),
          qPrintable(code + u": "_s + catalog.Problems().join(u"; "_s)));
      m_catalogs.push_back(std::move(catalog));
    }
    QVERIFY(m_catalogs.size() > 1);
  }

  void readsEntriesAndReportsBadLines() {
    CLangCatalog catalog;
    QVERIFY(catalog.Parse(QByteArray(
        "\xEF\xBB\xBF# comment\n@language\tSvenska\r\n\n31\t\xC3\x96ppna\trole, not text\r\n"
        "101\t av 300\n436\tEgenskaper f\xC3\xB6r \trole\n500\tRad 1\\nRad 2\\tflik \\\\ slut\n"
        "57344\tVokabit\n@section\tstrings\n101\t&Om Vokabit...\n4294967295\tlast")));
    QVERIFY2(!catalog.IsDamaged(), qPrintable(catalog.Problems().join(u';')));
    QCOMPARE(catalog.Name() + Q(catalog.Text(31)) + Q(catalog.Text(101)) + Q(catalog.Text(436)),
             u"Svenska\u00D6ppna av 300Egenskaper f\u00F6r "_s);
    QCOMPARE(*catalog.Text(500), std::string("Rad 1\nRad 2\tflik \\ slut"));
    // 4294967295 is in the strings section only; the string table has its own
    // 101, and falls back to the texts for 57344.
    QCOMPARE(Q(catalog.Text(4294967295u)) + u'|' + Q(catalog.StringTableText(4294967295u)) + u'|' +
                 Q(catalog.StringTableText(101)) + u'|' + Q(catalog.StringTableText(57344)) + u'|' +
                 Q(catalog.StringTableText(102)),
             u"<none>|last|&Om Vokabit...|Vokabit|<none>"_s);

    // Bad lines are left out and reported.
    QVERIFY(catalog.Parse(QByteArray(
        "@language\tEnglish\n1\tgood\n2 no tab\nx3\tnot a number\n4294967296\tnumber too big\n"
        "1\tsecond 1\n5\tbad \\x escape\n6\ttrailing backslash\\\n7\tbroken \xC3\n"
        "8\tarrow \xE2\x86\x92, any character\n@colour\tblue\n9\tgood too\n")));
    QVERIFY(catalog.IsUsable() && catalog.IsDamaged());
    QCOMPARE(catalog.Problems().size(), 8);
    // The first of two 1s wins.
    QCOMPARE(Q(catalog.Text(1)) + Q(catalog.Text(8)) + Q(catalog.Text(9)),
             u"goodarrow \u2192, any charactergood too"_s);
    QCOMPARE(catalog.Texts().size(), std::size_t(3));

    QVERIFY(catalog.Parse(QByteArray("1\tx\n")) && catalog.IsDamaged());  // no name
    QVERIFY(!catalog.Parse(QByteArray()) && !catalog.IsUsable());
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(char((i * 7919) % 256));
    QVERIFY(!catalog.Parse(garbage));
    QVERIFY(!catalog.Load(kSourceDir + u"/data/lang/missing.lang"_s) && catalog.IsDamaged());
    // A catalog of the largest size is read; one byte more is refused.
    QTemporaryDir dir;
    for (const qsizetype size : {CLangCatalog::kMaxFileSize, CLangCatalog::kMaxFileSize + 1}) {
      Put(dir, "big.lang", QByteArray("@language\tX\n1\tY\n#").leftJustified(size, 'x'));
      QCOMPARE(catalog.Load(dir.filePath(u"big.lang"_s)), size == CLangCatalog::kMaxFileSize);
    }
  }

  // Every number of a *Texts.h header has a text in every catalog, and the
  // catalogs hold the same numbers, none of them empty.
  void catalogsAreComplete() {
    static const QRegularExpression constant(
        u"constexpr\\s+[\\w:\\s]+?\\b(k\\w+)\\s*=\\s*([^;]+);"_s);
    QStringList missing;
    QDirIterator it(kSourceDir + u"/src"_s, {u"*Texts.h"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile header(it.next());
      QVERIFY(header.open(QIODevice::ReadOnly | QIODevice::Text));
      for (const QRegularExpressionMatch& m :
           constant.globalMatch(QString::fromUtf8(header.readAll()))) {
        const QString name = m.captured(1);
        bool ok = false;
        const unsigned n = m.captured(2).trimmed().remove(u'u').toUInt(&ok);
        QVERIFY2(ok, qPrintable(header.fileName() + u": cannot read "_s + name));
        for (std::size_t i = 0; i < m_catalogs.size(); ++i) {
          const std::string* text =
              name.startsWith(u"kStr"_s) ? m_catalogs[i].StringTableText(n) : m_catalogs[i].Text(n);
          if (!text || text->empty()) missing << m_codes[qsizetype(i)] + u' ' + name;
        }
      }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", "_s)));

    const auto numbers = [](const std::map<unsigned, std::string>& section) {
      std::set<unsigned> result;
      for (const auto& [n, text] : section) {
        if (text.empty()) return std::set<unsigned>();  // spoils the comparison
        result.insert(n);
      }
      return result;
    };
    const CLangCatalog& first = m_catalogs.front();
    QVERIFY(numbers(first.Texts()).size() > 200);
    for (std::size_t i = 1; i < m_catalogs.size(); ++i)
      QVERIFY2(numbers(m_catalogs[i].Texts()) == numbers(first.Texts()) &&
                   numbers(m_catalogs[i].Strings()) == numbers(first.Strings()),
               qPrintable(m_codes[qsizetype(i)]));
  }

  void formatConversionsAgree() {
    // The texts the program uses as printf formats, with their conversions.
    // Every other text is pasted into a format or shown as it is, so a % in it
    // would break the message.
    const QMap<unsigned, QString> formats = {
        {252, u"s"_s},   {270, u"s"_s}, {302, u"s"_s}, {503, u"s"_s}, {542, u"s"_s},
        {620, u"sdd"_s}, {707, u"s"_s}, {708, u"s"_s}, {601, u"s"_s}, {602, u"s"_s}};
    QStringList wrong;
    for (std::size_t i = 0; i < m_catalogs.size(); ++i) {
      const QString code = m_codes[qsizetype(i)] + u' ';
      for (const auto& [n, bytes] : m_catalogs[i].Texts())
        if (Conversions(QString::fromStdString(bytes)) != formats.value(n))
          wrong << code + QString::number(n);
      for (const auto& [n, bytes] : m_catalogs[i].Strings())
        if (!Conversions(QString::fromStdString(bytes)).isEmpty())
          wrong << code + u"string "_s + QString::number(n);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", "_s)));
  }

  // Save as maps the chosen entry, counted from 1, to the file type; Open and
  // the message about a file that cannot be read name every type. The class
  // combo box keeps its entries sorted by text and stores the position as the
  // word's class, so the three names (189-191) must sort in class order,
  // whether punctuation counts or not. The default sound is shipped.
  void textsTheCodeDependsOn() {
    const auto lettersOnly = [](QString s) {
      s.removeIf([](QChar c) { return !c.isLetter(); });
      return s;
    };
    for (std::size_t i = 0; i < m_catalogs.size(); ++i) {
      const CLangCatalog& catalog = m_catalogs[i];
      const QByteArray code = m_codes[qsizetype(i)].toUtf8();
      QCOMPARE(Patterns(Q(catalog.Text(107))).join(u' '),
               u"*.vk2 *.vk1 *.html *.ord *.txt *.skv *.csv "_s);
      const QStringList open = Patterns(Q(catalog.Text(108))).value(0).split(u';');
      for (const char* type : {"*.vk2", "*.vk1", "*.ord", "*.txt", "*.skv", "*.scv", "*.csv"}) {
        QVERIFY2(open.contains(QLatin1String(type)), code.constData());
        QVERIFY2(Q(catalog.Text(302)).contains(QLatin1String(type + 1)), code.constData());
      }
      QCOMPARE(Patterns(Q(catalog.Text(475))).value(0), u"*.wav"_s);
      for (unsigned n : {189u, 190u}) {
        const QString a = Q(catalog.Text(n)), b = Q(catalog.Text(n + 1));
        QVERIFY2(a.compare(b, Qt::CaseInsensitive) < 0 && a.localeAwareCompare(b) < 0 &&
                     lettersOnly(a).compare(lettersOnly(b), Qt::CaseInsensitive) < 0,
                 qPrintable(a + u" / "_s + b));
      }
      QFile sound(kSourceDir + u"/data/"_s + Q(catalog.Text(249)));
      QVERIFY2(QDir::isRelativePath(Q(catalog.Text(249))) && sound.open(QIODevice::ReadOnly),
               code.constData());
      const QByteArray head = sound.read(12);
      QVERIFY(head.startsWith("RIFF") && head.mid(8) == "WAVE");
    }
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
    Put(dir, "de.lang", "@language\tDeutsch 3\n104\tLeerer\n");
    QCOMPARE(LangQText(kUntitled), u"Leer"_s);  // read once
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

QTEST_GUILESS_MAIN(TestLang)
#include "tst_Lang.moc"
