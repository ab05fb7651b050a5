#include <map>
#include <set>

#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "lang/LangCatalog.h"

using namespace Qt::StringLiterals;

namespace {

// Texts whose content the rest of the program depends on.
constexpr unsigned kSaveAsFilter = 107;
constexpr unsigned kOpenFilter = 108;
constexpr unsigned kFileRejected = 302;
constexpr unsigned kSoundFilter = 475;
constexpr unsigned kDefaultSound = 249;
constexpr unsigned kClassNone = 189;
constexpr unsigned kClassNoun = 190;
constexpr unsigned kClassVerb = 191;

const QString kSourceDir = QStringLiteral(VOKABIT_SOURCE_DIR);

QString Text(const CLangCatalog& catalog, unsigned n) {
  const std::string* text = catalog.Text(n);
  return text ? QString::fromStdString(*text) : QString();
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

// "Description|patterns|...||" as (description, patterns) pairs; empty when
// the text is not in that form.
QList<QPair<QString, QString>> FilterEntries(const QString& filter) {
  if (!filter.endsWith(u"||"_s)) return {};
  const QStringList parts = filter.chopped(2).split(u'|');
  if (parts.size() % 2 != 0) return {};
  QList<QPair<QString, QString>> entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    if (parts[i].trimmed().isEmpty() || parts[i + 1].isEmpty()) return {};
    entries.append({parts[i], parts[i + 1]});
  }
  return entries;
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
    for (const QString& raw : QString::fromUtf8(list.readAll()).split(u'\n')) {
      const QString line = raw.trimmed();
      if (!line.isEmpty() && !line.startsWith(u'#')) m_codes.append(line);
    }
    for (const QString& code : m_codes) {
      CLangCatalog catalog;
      const bool ok = catalog.Load(kSourceDir + u"/data/lang/"_s + code + u".lang"_s);
      QVERIFY2(ok && !catalog.IsDamaged(),
               qPrintable(code + u": "_s + catalog.Problems().join(u"; "_s)));
      m_catalogs.push_back(std::move(catalog));
    }
    QVERIFY(m_catalogs.size() > 1);
  }

  void readsEntriesEscapesAndSections() {
    CLangCatalog catalog;
    QVERIFY(
        catalog.Parse(QByteArray("\xEF\xBB\xBF# comment\n"
                                 "@language\tSvenska\r\n"
                                 "\n"
                                 "31\t\xC3\x96ppna\trole, not part of the text\r\n"
                                 "101\t av 300\n"
                                 "436\tEgenskaper f\xC3\xB6r \trole\n"
                                 "500\tRad 1\\nRad 2\\tflik \\\\ slut\n"
                                 "57344\tVokabit\n"
                                 "@section\tstrings\n"
                                 "101\t&Om Vokabit...\n"
                                 "4294967295\tlast")));
    QVERIFY2(!catalog.IsDamaged(), qPrintable(catalog.Problems().join(u';')));
    QCOMPARE(catalog.Name(), u"Svenska"_s);
    QCOMPARE(*catalog.Text(31), std::string("\xC3\x96ppna"));
    QCOMPARE(*catalog.Text(101), std::string(" av 300"));
    QCOMPARE(*catalog.Text(436), std::string("Egenskaper f\xC3\xB6r "));
    QCOMPARE(*catalog.Text(500), std::string("Rad 1\nRad 2\tflik \\ slut"));
    QCOMPARE(catalog.Text(4294967295u), nullptr);  // it is in the strings section
    QCOMPARE(*catalog.StringTableText(4294967295u), std::string("last"));
    // The string table has its own 101, and falls back to the texts for 57344.
    QCOMPARE(*catalog.StringTableText(101), std::string("&Om Vokabit..."));
    QCOMPARE(*catalog.StringTableText(57344), std::string("Vokabit"));
    QCOMPARE(catalog.Text(102), nullptr);
    QCOMPARE(catalog.StringTableText(102), nullptr);
  }

  void badLinesAreLeftOutAndReported() {
    CLangCatalog catalog;
    QVERIFY(
        catalog.Parse(QByteArray("@language\tEnglish\n"
                                 "1\tgood\n"
                                 "2 no tab\n"
                                 "x3\tnot a number\n"
                                 "4294967296\tnumber too big\n"
                                 "1\tsecond 1\n"
                                 "5\tbad \\x escape\n"
                                 "6\ttrailing backslash\\\n"
                                 "7\tbroken \xC3\n"
                                 "8\tarrow \xE2\x86\x92, any character\n"
                                 "@colour\tblue\n"
                                 "9\tgood too\n")));
    QVERIFY(catalog.IsUsable());
    QVERIFY(catalog.IsDamaged());
    QCOMPARE(catalog.Problems().size(), 8);
    QCOMPARE(*catalog.Text(1), std::string("good"));  // the first of two wins
    QCOMPARE(*catalog.Text(8), std::string("arrow \xE2\x86\x92, any character"));
    QCOMPARE(*catalog.Text(9), std::string("good too"));
    for (unsigned n : {2u, 3u, 5u, 6u, 7u}) QCOMPARE(catalog.Text(n), nullptr);
    QCOMPARE(catalog.Texts().size(), std::size_t(3));

    CLangCatalog nameless;
    QVERIFY(nameless.Parse(QByteArray("1\tx\n")));
    QVERIFY(nameless.IsDamaged());
  }

  void unusableFilesAreRefused() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    CLangCatalog catalog;
    QVERIFY(!catalog.Load(dir.filePath(u"missing.lang"_s)));
    QVERIFY(catalog.IsDamaged());

    QVERIFY(!catalog.Parse(QByteArray()));
    QVERIFY(!catalog.IsUsable());

    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(char((i * 7919) % 256));
    QVERIFY(!catalog.Parse(garbage));
  }

  void everyNumberTheCodeUsesIsInEveryCatalog() {
    static const QRegularExpression constant(
        u"constexpr\\s+[\\w:\\s]+?\\b(k\\w+)\\s*=\\s*([^;]+);"_s);
    static const QRegularExpression number(u"^(0[xX][0-9A-Fa-f]+|\\d+)[uU]?$"_s);

    std::map<unsigned, QStringList> texts, strings;  // number -> where it is used
    QDirIterator it(kSourceDir + u"/src"_s, {u"*Texts.h"_s}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile header(it.next());
      QVERIFY(header.open(QIODevice::ReadOnly | QIODevice::Text));
      for (const QRegularExpressionMatch& m :
           constant.globalMatch(QString::fromUtf8(header.readAll()))) {
        const QString name = m.captured(1);
        const QString value = m.captured(2).trimmed();
        unsigned n = 0;
        if (const auto v = number.match(value); v.hasMatch()) {
          bool ok = false;
          n = v.captured(1).toUInt(&ok, 0);
          QVERIFY2(ok, qPrintable(name));
        } else if (value == u"static_cast<unsigned>(-1)"_s || value == u"~0u"_s ||
                   value == u"-1"_s) {
          n = ~0u;
        } else {
          QFAIL(qPrintable(u"%1: cannot read the value of %2"_s.arg(header.fileName(), name)));
        }
        auto& uses = name.startsWith(u"kStr"_s) ? strings : texts;
        uses[n].append(QFileInfo(header.fileName()).fileName() + u':' + name);
      }
    }
    QVERIFY(!texts.empty() || !strings.empty());

    QStringList missing;
    for (std::size_t i = 0; i < m_catalogs.size(); ++i) {
      for (const auto& [n, uses] : texts) {
        const std::string* text = m_catalogs[i].Text(n);
        if (!text || text->empty())
          missing.append(m_codes[qsizetype(i)] + u" text %1 (%2)"_s.arg(n).arg(uses.join(u',')));
      }
      for (const auto& [n, uses] : strings) {
        const std::string* text = m_catalogs[i].StringTableText(n);
        if (!text || text->empty())
          missing.append(m_codes[qsizetype(i)] + u" string %1 (%2)"_s.arg(n).arg(uses.join(u',')));
      }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u"; "_s)));
  }

  void catalogsHoldTheSameNumbers() {
    const auto numbers = [](const std::map<unsigned, std::string>& section) {
      std::set<unsigned> result;
      for (const auto& [n, text] : section) {
        if (!text.empty()) result.insert(n);
      }
      return result;
    };
    const CLangCatalog& first = m_catalogs.front();
    QVERIFY(first.Texts().size() > 200);
    for (std::size_t i = 1; i < m_catalogs.size(); ++i) {
      QVERIFY2(numbers(m_catalogs[i].Texts()) == numbers(first.Texts()),
               qPrintable(m_codes[qsizetype(i)]));
      QVERIFY2(numbers(m_catalogs[i].Strings()) == numbers(first.Strings()),
               qPrintable(m_codes[qsizetype(i)]));
    }
    // No empty entries either (they would pass the test above unnoticed).
    for (const CLangCatalog& catalog : m_catalogs) {
      QCOMPARE(numbers(catalog.Texts()).size(), catalog.Texts().size());
      QCOMPARE(numbers(catalog.Strings()).size(), catalog.Strings().size());
    }
  }

  void formatConversionsAgree() {
    // The texts the program uses as printf formats, with their conversions.
    // Every other text is pasted into a format or shown as it is, so a % in it
    // would break the message.
    const std::map<unsigned, QString> formats = {
        {252, u"s"_s},   {270, u"s"_s}, {302, u"s"_s}, {503, u"s"_s}, {542, u"s"_s},
        {620, u"sdd"_s}, {707, u"s"_s}, {708, u"s"_s}, {601, u"s"_s}, {602, u"s"_s}};
    QStringList wrong;
    for (std::size_t i = 0; i < m_catalogs.size(); ++i) {
      const auto check = [&](const std::map<unsigned, std::string>& section, bool isText) {
        for (const auto& [n, bytes] : section) {
          const auto format = isText ? formats.find(n) : formats.end();
          if (Conversions(QString::fromStdString(bytes)) !=
              (format != formats.end() ? format->second : QString()))
            wrong.append(m_codes[qsizetype(i)] + u' ' + QString::number(n));
        }
      };
      check(m_catalogs[i].Texts(), true);
      check(m_catalogs[i].Strings(), false);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u", "_s)));
    QCOMPARE(Conversions(u"%s %d av %5.2f %%"_s), u"sdf"_s);
    QCOMPARE(Conversions(u"at 50%"_s), u"!"_s);
    QCOMPARE(Conversions(u"100% sure"_s), u"s"_s);  // "% s" converts
  }

  void fileFiltersListTheTypesInOrder() {
    for (std::size_t i = 0; i < m_catalogs.size(); ++i) {
      const CLangCatalog& catalog = m_catalogs[i];
      const QByteArray codeName = m_codes[qsizetype(i)].toUtf8();
      const char* code = codeName.constData();

      // Save as maps the chosen entry, counted from 1, to the file type.
      const auto saveAs = FilterEntries(Text(catalog, kSaveAsFilter));
      QStringList patterns;
      for (const auto& entry : saveAs) patterns.append(entry.second);
      QVERIFY2(patterns == QStringList({u"*.vk2"_s, u"*.vk1"_s, u"*.html"_s, u"*.ord"_s, u"*.txt"_s,
                                        u"*.skv"_s, u"*.csv"_s}),
               code);

      const auto open = FilterEntries(Text(catalog, kOpenFilter));
      QVERIFY2(!open.isEmpty(), code);
      const QStringList all = open.front().second.split(u';');
      // The message about a file that cannot be read names every type too.
      const QString rejected = Text(catalog, kFileRejected);
      for (const char* type : {"*.vk2", "*.vk1", "*.ord", "*.txt", "*.skv", "*.scv", "*.csv"}) {
        QVERIFY2(all.contains(QLatin1String(type)), code);
        QVERIFY2(rejected.contains(QLatin1String(type + 1)), code);
      }

      const auto sound = FilterEntries(Text(catalog, kSoundFilter));
      QVERIFY2(!sound.isEmpty() && sound.front().second == u"*.wav"_s, code);
    }
  }

  void classNamesSortInClassOrder() {
    // The class combo box keeps its entries sorted by text and stores the
    // position as the word's class, so the three names must sort in class order
    // in every language, whether punctuation counts or not.
    const auto lettersOnly = [](QString s) {
      s.removeIf([](QChar c) { return !c.isLetter(); });
      return s;
    };
    for (std::size_t i = 0; i < m_catalogs.size(); ++i) {
      const QString none = Text(m_catalogs[i], kClassNone);
      const QString noun = Text(m_catalogs[i], kClassNoun);
      const QString verb = Text(m_catalogs[i], kClassVerb);
      const QByteArray code = m_codes[qsizetype(i)].toUtf8();
      for (const auto& [a, b] : {std::pair{none, noun}, std::pair{noun, verb}}) {
        QVERIFY2(a.compare(b, Qt::CaseInsensitive) < 0, code.constData());
        QVERIFY2(lettersOnly(a).compare(lettersOnly(b), Qt::CaseInsensitive) < 0, code.constData());
        QVERIFY2(a.localeAwareCompare(b) < 0, code.constData());
      }
    }
  }

  void defaultSoundIsShipped() {
    for (const CLangCatalog& catalog : m_catalogs) {
      const QString path = Text(catalog, kDefaultSound);
      QVERIFY(!path.isEmpty() && QDir::isRelativePath(path));
      QFile sound(kSourceDir + u"/data/"_s + path);
      QVERIFY2(sound.open(QIODevice::ReadOnly), qPrintable(sound.fileName()));
      const QByteArray head = sound.read(12);
      QVERIFY(head.startsWith("RIFF") && head.mid(8) == "WAVE");
    }
  }
};

QTEST_GUILESS_MAIN(TestLangCatalog)
#include "tst_LangCatalog.moc"
