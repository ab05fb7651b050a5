// The catalog reader, and the shipped catalogs checked against the text
// numbers the code uses and the texts the code depends on.
#include <map>
#include <set>

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

#include "lang/LangCatalog.h"

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

}  // namespace

class TestLangCatalog : public QObject {
  Q_OBJECT

  QStringList m_codes;
  std::vector<CLangCatalog> m_catalogs;

 private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(TestLangCatalog)
#include "tst_LangCatalog.moc"
