#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <csignal>

#include "FakePlatform.h"
#include "LangText.h"
#include "WordList.h"
#include "WordListTexts.h"

namespace {

QByteArray Range(int from, int to) {
  QByteArray bytes;
  for (int b = from; b <= to; ++b) bytes += char(b);
  return bytes;
}

// Golden files hold the catalog texts and the two runs of high bytes as
// placeholders.
QByteArray Expand(QByteArray golden) {
  golden.replace("@PROGRAM@", QByteArray::fromStdString(LangText(kTxtProgramName)));
  golden.replace("@WEB@", QByteArray::fromStdString(LangText(kTxtWebAddress)));
  golden.replace("@LOW@", Range(0x80, 0xBF));
  golden.replace("@HIGH@", Range(0xC0, 0xFF));
  return golden;
}

std::string Std(const QByteArray& bytes) {
  return bytes.toStdString();
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(data), data.size());
}

enum Content { kEmpty, kOne, kThree, kHighBytes, kBlankWord };

void Fill(CWordList& list, int content) {
  list.SetTitle("Titel");
  list.SetOwner("Eva");
  list.SetDescription("");
  list.SetFirstLanguage("Svenska");
  list.SetSecondLanguage("Engelska");
  switch (content) {
    case kOne:
      list.AddWord("hus", "house", 0);
      break;
    case kThree:
      list.AddWord("hus", "house", 0);
      list.AddWord("katt", "cat", 2);
      list.AddWord("<b>a=b</b>", "R&D \"x\" 2+2=4", -1);
      break;
    case kHighBytes:
      list.SetTitle("\xC5ret");
      list.SetOwner("Bj\xF6rn");
      list.SetDescription("rad 1\x1F\x1Erad 2");
      list.SetFirstLanguage("Fran\xE7\x61is");
      list.SetSecondLanguage("Espa\xF1ol");
      list.AddWord(Std(Range(0x80, 0xBF)), Std(Range(0xC0, 0xFF)), 1);
      break;
    case kBlankWord:
      list.AddWord("mus", "", 0);
      list.AddWord("katt", "cat", 0);
      list.AddWord(" \t", "space", 0);
      break;
    default:
      break;
  }
}

}  // namespace

class TestListFileIo : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;

  // Reads content as a file of the given extension into a list.
  int Read(const QByteArray& extension, const QByteArray& content, CWordList& list) {
    const QString path = m_dir.filePath(QStringLiteral("input.") + QString::fromLatin1(extension));
    WriteFile(path, content);
    return list.OpenFile(path);
  }

 private Q_SLOTS:
  void initTestCase() { QVERIFY(m_dir.isValid()); }

  void goldenFiles_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("content");
    QTest::addColumn<QByteArray>("golden");

    QTest::newRow("vk2 empty") << "VK2" << int(kEmpty)
                               << QByteArray(
                                      "[INFO]\r\n"
                                      "VERSION=2.0\r\n"
                                      "CREATOR=@PROGRAM@\r\n"
                                      "ANTAL=0\r\n"
                                      "TITLE=Titel\r\n"
                                      "OWNER=Eva\r\n"
                                      "DESCRIPTION=\r\n"
                                      "\r\n"
                                      "[MARKS]\r\n"
                                      "\r\n"
                                      "[WORDS]\r\n"
                                      "F=Svenska\r\n"
                                      "O=Engelska\r\n");
    QTest::newRow("vk2 one") << "VK2" << int(kOne)
                             << QByteArray(
                                    "[INFO]\r\n"
                                    "VERSION=2.0\r\n"
                                    "CREATOR=@PROGRAM@\r\n"
                                    "ANTAL=1\r\n"
                                    "TITLE=Titel\r\n"
                                    "OWNER=Eva\r\n"
                                    "DESCRIPTION=\r\n"
                                    "\r\n"
                                    "[MARKS]\r\n"
                                    "\r\n"
                                    "[WORDS]\r\n"
                                    "F=Svenska\r\n"
                                    "O=Engelska\r\n"
                                    "1=hus\r\n"
                                    "1B=house\r\n");
    QTest::newRow("vk2 three with marks") << "VK2" << int(kThree)
                                          << QByteArray(
                                                 "[INFO]\r\n"
                                                 "VERSION=2.0\r\n"
                                                 "CREATOR=@PROGRAM@\r\n"
                                                 "ANTAL=3\r\n"
                                                 "TITLE=Titel\r\n"
                                                 "OWNER=Eva\r\n"
                                                 "DESCRIPTION=\r\n"
                                                 "\r\n"
                                                 "[MARKS]\r\n"
                                                 "2M=2\r\n"
                                                 "3M=-1\r\n"
                                                 "\r\n"
                                                 "[WORDS]\r\n"
                                                 "F=Svenska\r\n"
                                                 "O=Engelska\r\n"
                                                 "1=hus\r\n"
                                                 "1B=house\r\n"
                                                 "2=katt\r\n"
                                                 "2B=cat\r\n"
                                                 "3=<b>a=b</b>\r\n"
                                                 "3B=R&D \"x\" 2+2=4\r\n");
    QTest::newRow("vk2 high bytes") << "VK2" << int(kHighBytes)
                                    << QByteArray(
                                           "[INFO]\r\n"
                                           "VERSION=2.0\r\n"
                                           "CREATOR=@PROGRAM@\r\n"
                                           "ANTAL=1\r\n"
                                           "TITLE=\xC5ret\r\n"
                                           "OWNER=Bj\xF6rn\r\n"
                                           "DESCRIPTION=rad 1\x1F\x1Erad 2\r\n"
                                           "\r\n"
                                           "[MARKS]\r\n"
                                           "1M=1\r\n"
                                           "\r\n"
                                           "[WORDS]\r\n"
                                           "F=Fran\xE7"
                                           "ais\r\n"
                                           "O=Espa\xF1ol\r\n"
                                           "1=@LOW@\r\n"
                                           "1B=@HIGH@\r\n");
    QTest::newRow("vk1 empty") << "VK1" << int(kEmpty)
                               << QByteArray(
                                      "[INFO]\r\n"
                                      "VERSION=1.0\r\n"
                                      "CREATOR=@PROGRAM@\r\n"
                                      "ANTAL=0\r\n"
                                      "\r\n"
                                      "[WORDS]\r\n"
                                      "F=Svenska\r\n"
                                      "O=Engelska\r\n");
    QTest::newRow("vk1 three") << "VK1" << int(kThree)
                               << QByteArray(
                                      "[INFO]\r\n"
                                      "VERSION=1.0\r\n"
                                      "CREATOR=@PROGRAM@\r\n"
                                      "ANTAL=3\r\n"
                                      "\r\n"
                                      "[WORDS]\r\n"
                                      "F=Svenska\r\n"
                                      "O=Engelska\r\n"
                                      "1=hus\r\n"
                                      "1T=house\r\n"
                                      "2=katt\r\n"
                                      "2T=cat\r\n"
                                      "3=<b>a=b</b>\r\n"
                                      "3T=R&D \"x\" 2+2=4\r\n");
    QTest::newRow("vk1 high bytes") << "VK1" << int(kHighBytes)
                                    << QByteArray(
                                           "[INFO]\r\n"
                                           "VERSION=1.0\r\n"
                                           "CREATOR=@PROGRAM@\r\n"
                                           "ANTAL=1\r\n"
                                           "\r\n"
                                           "[WORDS]\r\n"
                                           "F=Fran\xE7"
                                           "ais\r\n"
                                           "O=Espa\xF1ol\r\n"
                                           "1=@LOW@\r\n"
                                           "1T=@HIGH@\r\n");
    QTest::newRow("ord empty") << "ORD" << int(kEmpty) << QByteArray("GLOSOR\r\n0\r\n\r\n");
    QTest::newRow("ord one") << "ORD" << int(kOne)
                             << QByteArray("GLOSOR\r\n1\r\n\r\nhouse\r\nhus\r\n");
    QTest::newRow("ord three") << "ORD" << int(kThree)
                               << QByteArray(
                                      "GLOSOR\r\n"
                                      "3\r\n"
                                      "\r\n"
                                      "house\r\n"
                                      "hus\r\n"
                                      "cat\r\n"
                                      "katt\r\n"
                                      "R&D \"x\" 2+2=4\r\n"
                                      "<b>a=b</b>\r\n");
    // A blank word would shift every later pair: it stays out of the file.
    QTest::newRow("ord blank word left out")
        << "ORD" << int(kBlankWord) << QByteArray("GLOSOR\r\n1\r\n\r\ncat\r\nkatt\r\n");
    QTest::newRow("ord high bytes")
        << "ORD" << int(kHighBytes) << QByteArray("GLOSOR\r\n1\r\n\r\n@HIGH@\r\n@LOW@\r\n");
    QTest::newRow("txt empty") << "TXT" << int(kEmpty) << QByteArray("");
    QTest::newRow("txt one") << "TXT" << int(kOne) << QByteArray("hus\thouse\r\n");
    QTest::newRow("txt three") << "TXT" << int(kThree)
                               << QByteArray(
                                      "hus\thouse\r\n"
                                      "katt\tcat\r\n"
                                      "<b>a=b</b>\tR&D \"x\" 2+2=4\r\n");
    QTest::newRow("txt high bytes") << "TXT" << int(kHighBytes) << QByteArray("@LOW@\t@HIGH@\r\n");
    QTest::newRow("skv empty") << "SKV" << int(kEmpty) << QByteArray("");
    QTest::newRow("skv three") << "SKV" << int(kThree)
                               << QByteArray(
                                      "hus;house\r\n"
                                      "katt;cat\r\n"
                                      "<b>a=b</b>;R&D \"x\" 2+2=4\r\n");
    QTest::newRow("scv one") << "SCV" << int(kOne) << QByteArray("hus;house\r\n");
    QTest::newRow("skv high bytes") << "SKV" << int(kHighBytes) << QByteArray("@LOW@;@HIGH@\r\n");
    QTest::newRow("html empty") << "HTML" << int(kEmpty)
                                << QByteArray(
                                       "<html>\r\n"
                                       "<head>\r\n"
                                       "<title>@PROGRAM@ gloslista - Titel</title>\r\n"
                                       "</head>\r\n"
                                       "<body>\r\n"
                                       "<table border=\"0\">\r\n"
                                       "<tr>\r\n"
                                       "<td><b>Svenska</b></td><td><b>Engelska</b></td></tr>\r\n"
                                       "</table>\r\n"
                                       "<br><br><hr><font size=\"1\"> Skapad med @PROGRAM@ - "
                                       "<a href=\"@WEB@\">@WEB@</a></font></body>\r\n"
                                       "</html>");
    QTest::newRow("html one") << "HTML" << int(kOne)
                              << QByteArray(
                                     "<html>\r\n"
                                     "<head>\r\n"
                                     "<title>@PROGRAM@ gloslista - Titel</title>\r\n"
                                     "</head>\r\n"
                                     "<body>\r\n"
                                     "<table border=\"0\">\r\n"
                                     "<tr>\r\n"
                                     "<td><b>Svenska</b></td><td><b>Engelska</b></td><tr>\r\n"
                                     "<td>hus</td><td>house</td></tr>\r\n"
                                     "</table>\r\n"
                                     "<br><br><hr><font size=\"1\"> Skapad med @PROGRAM@ - "
                                     "<a href=\"@WEB@\">@WEB@</a></font></body>\r\n"
                                     "</html>");
    // Markup in a word shows as text.
    QTest::newRow("html three escaped")
        << "HTML" << int(kThree)
        << QByteArray(
               "<html>\r\n"
               "<head>\r\n"
               "<title>@PROGRAM@ gloslista - Titel</title>\r\n"
               "</head>\r\n"
               "<body>\r\n"
               "<table border=\"0\">\r\n"
               "<tr>\r\n"
               "<td><b>Svenska</b></td><td><b>Engelska</b></td><tr>\r\n"
               "<td>hus</td><td>house</td><tr>\r\n"
               "<td>katt</td><td>cat</td><tr>\r\n"
               "<td>&lt;b&gt;a=b&lt;/b&gt;</td><td>R&amp;D &quot;x&quot; 2+2=4</td></tr>\r\n"
               "</table>\r\n"
               "<br><br><hr><font size=\"1\"> Skapad med @PROGRAM@ - "
               "<a href=\"@WEB@\">@WEB@</a></font></body>\r\n"
               "</html>");
    QTest::newRow("html high bytes") << "HTML" << int(kHighBytes)
                                     << QByteArray(
                                            "<html>\r\n"
                                            "<head>\r\n"
                                            "<title>@PROGRAM@ gloslista - \xC5ret</title>\r\n"
                                            "</head>\r\n"
                                            "<body>\r\n"
                                            "<table border=\"0\">\r\n"
                                            "<tr>\r\n"
                                            "<td><b>Fran\xE7"
                                            "ais</b></td><td><b>Espa\xF1ol</b></td><tr>\r\n"
                                            "<td>@LOW@</td><td>@HIGH@</td></tr>\r\n"
                                            "</table>\r\n"
                                            "<br><br><hr><font size=\"1\"> Skapad med @PROGRAM@ - "
                                            "<a href=\"@WEB@\">@WEB@</a></font></body>\r\n"
                                            "</html>");
  }

  void goldenFiles() {
    QFETCH(QString, type);
    QFETCH(int, content);
    QFETCH(QByteArray, golden);
    CWordList list;
    Fill(list, content);
    const QString path = m_dir.filePath(QStringLiteral("golden.") + type.toLower());
    QCOMPARE(list.SaveTo(path, type), 0);
    QCOMPARE(ReadAll(path), Expand(golden));
  }

  void version2RoundTrip() {
    CWordList list;
    list.SetTitle("Title=with=equals");
    list.SetOwner("[MARKS]");
    list.SetDescription("line 1\x1F\x1Eline 2\x1F\x1E\x1F\x1E");
    list.SetFirstLanguage("F=O");
    list.SetSecondLanguage(Std(Range(0x80, 0xFF)));
    const int marks[] = {-7, 0, 1, 2, 12345, 2147483647};
    for (int i = 0; i < 300; ++i)
      list.AddWord(std::to_string(i + 2) + "=x " + std::to_string(i),
                   std::to_string(i) + "B=" + std::to_string(i % 7), marks[i % 6]);
    list.SetWord(1, "[MARKS]", "1M=5", 0);
    list.SetWord(2, std::string(100000, 'w'), "", 2);
    list.SetWord(3, "", std::string("a\0b", 3), 1);
    const QString path = m_dir.filePath(QStringLiteral("round.vk2"));
    QCOMPARE(list.SaveTo(path, QStringLiteral("VK2")), 0);

    CWordList back;
    QCOMPARE(back.OpenFile(path), 0);
    QCOMPARE(back.GetTitle(), list.GetTitle());
    QCOMPARE(back.GetOwner(), list.GetOwner());
    QCOMPARE(back.GetDescription(), list.GetDescription());
    QCOMPARE(back.GetFirstLanguage(), list.GetFirstLanguage());
    QCOMPARE(back.GetSecondLanguage(), list.GetSecondLanguage());
    QCOMPARE(back.GetCreator(), LangText(kTxtProgramName));
    QCOMPARE(back.GetCount(), 300);
    for (int i = 0; i < 300; ++i) {
      QCOMPARE(back.GetForeign(i), list.GetForeign(i));
      QCOMPARE(back.GetTranslation(i), list.GetTranslation(i));
      QCOMPARE(back.GetMark(i), list.GetMark(i));
    }
  }

  void interchangeRoundTrips_data() {
    QTest::addColumn<QString>("type");
    QTest::newRow("vk1") << "VK1";
    QTest::newRow("ord") << "ORD";
    QTest::newRow("txt") << "TXT";
    QTest::newRow("skv") << "SKV";
    QTest::newRow("scv") << "SCV";
  }

  void interchangeRoundTrips() {
    QFETCH(QString, type);
    CWordList list;
    list.AddWord("hus", "house", 2);
    list.AddWord("a=b", "2+2=4", 1);
    list.AddWord("\xE4pple", "apple \x80", 0);
    list.AddWord(std::string(100000, 'l'), "long", 0);
    // ORD skips empty lines, so it cannot hold an empty word.
    const bool ord = type == QLatin1String("ORD");
    if (!ord) list.AddWord("tom", "", 0);
    const QString path = m_dir.filePath(QStringLiteral("round.") + type.toLower());
    QCOMPARE(list.SaveTo(path, type), 0);
    CFakePlatform platform;
    CWordList back(&platform);
    QCOMPARE(back.OpenFile(path), 0);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(back.GetCount(), list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i) {
      QCOMPARE(back.GetForeign(i), list.GetForeign(i));
      QCOMPARE(back.GetTranslation(i), list.GetTranslation(i));
      QCOMPARE(back.GetMark(i), 0);
    }
  }

  void reading_data() {
    QTest::addColumn<QByteArray>("extension");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("first");  // foreign + "|" + translation of word 0
    QTest::addColumn<QByteArray>("last");   // the same of the last word

    const QByteArray head = "[INFO]\r\nVERSION=2.0\r\n";
    const QByteArray twoWords = "[WORDS]\r\n1=a\r\n1B=b\r\n2=c\r\n2B=d\r\n";
    QTest::newRow("vk2 empty file")
        << QByteArray("vk2") << QByteArray() << -2 << 0 << QByteArray() << QByteArray();
    QTest::newRow("vk2 version only")
        << QByteArray("vk2") << head << 0 << 0 << QByteArray() << QByteArray();
    QTest::newRow("vk2 ANTAL missing")
        << QByteArray("vk2") << head + twoWords << 0 << 0 << QByteArray() << QByteArray();
    QTest::newRow("vk2 ANTAL negative") << QByteArray("vk2") << head + "ANTAL=-4\r\n" + twoWords
                                        << 0 << 0 << QByteArray() << QByteArray();
    QTest::newRow("vk2 ANTAL smaller") << QByteArray("vk2") << head + "ANTAL=1\r\n" + twoWords << 0
                                       << 1 << QByteArray("a|b") << QByteArray("a|b");
    QTest::newRow("vk2 ANTAL larger") << QByteArray("vk2") << head + "ANTAL=3\r\n" + twoWords << 0
                                      << 3 << QByteArray("a|b") << QByteArray("ERROR|ERROR");
    QTest::newRow("vk2 ANTAL 2^31") << QByteArray("vk2") << head + "ANTAL=2147483648\r\n" + twoWords
                                    << 0 << 300 << QByteArray("a|b") << QByteArray("ERROR|ERROR");
    QTest::newRow("vk2 ANTAL huge")
        << QByteArray("vk2") << head + "ANTAL=99999999999999999999999\r\n" + twoWords << 0 << 300
        << QByteArray("a|b") << QByteArray("ERROR|ERROR");
    QTest::newRow("vk2 LF lines, sections swapped")
        << QByteArray("vk2")
        << QByteArray("[WORDS]\n2B=d\n1=a\n2=c\n1B=b\n[INFO]\nANTAL=2\nVERSION=2.0\n") << 0 << 2
        << QByteArray("a|b") << QByteArray("c|d");
    QTest::newRow("vk2 key inside a value")
        << QByteArray("vk2") << head + "ANTAL=2\r\n[WORDS]\r\n1=x 2=y\r\n2=z\r\n"
        << 0 << 2 << QByteArray("x 2=y|ERROR") << QByteArray("z|ERROR");
    QTest::newRow("vk2 NUL bytes")
        << QByteArray("vk2") << head + QByteArray("ANTAL=1\r\n[WORDS]\r\n1=a\0b\r\n1B=\0\r\n", 31)
        << 0 << 1 << QByteArray("a\0b|\0", 5) << QByteArray("a\0b|\0", 5);
    QTest::newRow("vk2 NUL in the version")
        << QByteArray("vk2") << QByteArray("[INFO]\r\nVERSION=2.0\0\r\n", 22) << -2 << 0
        << QByteArray() << QByteArray();
    QTest::newRow("vk2 version 1 file")
        << QByteArray("vk2") << QByteArray("[INFO]\r\nVERSION=1.0\r\nANTAL=0\r\n") << -2 << 0
        << QByteArray() << QByteArray();
    QTest::newRow("vk2 long line")
        << QByteArray("vk2")
        << head + "ANTAL=1\r\n[WORDS]\r\n1=" + QByteArray(100000, 'q') + "\r\n1B=end\r\n"
        << 0 << 1 << QByteArray(100000, 'q') + "|end" << QByteArray(100000, 'q') + "|end";
    QTest::newRow("vk1 ANTAL 2^31") << QByteArray("vk1")
                                    << QByteArray(
                                           "[INFO]\nVERSION=1.0\nANTAL=2147483648\n[WORDS]\n"
                                           "1=a\n1T=b\n")
                                    << 0 << 300 << QByteArray("a|b") << QByteArray("ERROR|ERROR");
    QTest::newRow("vk1 version 2 file")
        << QByteArray("vk1") << head << -2 << 0 << QByteArray() << QByteArray();

    QTest::newRow("ord count larger")
        << QByteArray("ord") << QByteArray("GLOSOR\r\n5\r\n\r\nhouse\r\nhus\r\ncat\r\nkatt\r\n")
        << 0 << 2 << QByteArray("hus|house") << QByteArray("katt|cat");
    QTest::newRow("ord count smaller")
        << QByteArray("ord") << QByteArray("GLOSOR\n1\n\nhouse\nhus\ncat\nkatt\n") << 0 << 1
        << QByteArray("hus|house") << QByteArray("hus|house");
    QTest::newRow("ord blank lines and spaces")
        << QByteArray("ord")
        << QByteArray("xx GLOSOR xx\n\n\n 2 \n\n  house \n\t\nhus\ncat\n\nkatt") << 0 << 2
        << QByteArray("hus|house") << QByteArray("katt|cat");
    QTest::newRow("ord negative count") << QByteArray("ord") << QByteArray("GLOSOR\n-2\nb\na\n")
                                        << 0 << 0 << QByteArray() << QByteArray();
    QTest::newRow("ord no count") << QByteArray("ord") << QByteArray("GLOSOR\nb\na\n") << 0 << 0
                                  << QByteArray() << QByteArray();
    QTest::newRow("ord odd word dropped") << QByteArray("ord") << QByteArray("GLOSOR\n2\nb\na\nc\n")
                                          << 0 << 1 << QByteArray("a|b") << QByteArray("a|b");
    QTest::newRow("ord without GLOSOR") << QByteArray("ord") << QByteArray("GLOSA\n1\nb\na\n") << -2
                                        << 0 << QByteArray() << QByteArray();
    QTest::newRow("ord empty file")
        << QByteArray("ord") << QByteArray() << -2 << 0 << QByteArray() << QByteArray();

    QTest::newRow("txt separators") << QByteArray("txt")
                                    << QByteArray(
                                           "hund\tdog\r\nno tab\r\nkatt\t\tcat\r\nmus\t\r\n"
                                           "sista\tlast")
                                    << 0 << 4 << QByteArray("hund|dog") << QByteArray("sista|last");
    QTest::newRow("txt tab kept in translation")
        << QByteArray("txt") << QByteArray("katt\t\tcat\n") << 0 << 1 << QByteArray("katt|\tcat")
        << QByteArray("katt|\tcat");
    QTest::newRow("txt empty translation") << QByteArray("txt") << QByteArray("mus\t\n") << 0 << 1
                                           << QByteArray("mus|") << QByteArray("mus|");
    QTest::newRow("txt empty file")
        << QByteArray("txt") << QByteArray() << 0 << 0 << QByteArray() << QByteArray();
    QTest::newRow("txt no separator anywhere")
        << QByteArray("txt") << QByteArray("a;b\nc d\n") << 0 << 0 << QByteArray() << QByteArray();
    QTest::newRow("txt long line")
        << QByteArray("txt") << QByteArray(100000, 'x') + "\t" + QByteArray(100000, 'y') << 0 << 1
        << QByteArray(100000, 'x') + "|" + QByteArray(100000, 'y')
        << QByteArray(100000, 'x') + "|" + QByteArray(100000, 'y');
    QTest::newRow("txt NUL bytes") << QByteArray("txt") << QByteArray("a\0\tb\0\n", 6) << 0 << 1
                                   << QByteArray("a\0|b\0", 5) << QByteArray("a\0|b\0", 5);
    QByteArray many;
    for (int i = 0; i < 400; ++i) many += "w" + QByteArray::number(i) + ";t\n";
    QTest::newRow("skv more than 300")
        << QByteArray("skv") << many << 0 << 300 << QByteArray("w0|t") << QByteArray("w299|t");
    QTest::newRow("scv first separator splits") << QByteArray("scv") << QByteArray("a;b;c\r\n") << 0
                                                << 1 << QByteArray("a|b;c") << QByteArray("a|b;c");
    QTest::newRow("txt in Windows-1252")
        << QByteArray("txt") << QByteArray("h\xE4st\th\xF6st\r\n") << 0 << 1
        << QByteArray("h\xE4st|h\xF6st") << QByteArray("h\xE4st|h\xF6st");
  }

  void reading() {
    QFETCH(QByteArray, extension);
    QFETCH(QByteArray, content);
    QFETCH(int, result);
    QFETCH(int, count);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);
    CFakePlatform platform;
    CWordList list(&platform);
    QCOMPARE(Read(extension, content, list), result);
    QCOMPARE(platform.m_messages.size(), size_t(result == 0 ? 0 : 1));
    QCOMPARE(list.GetCount(), count);
    const auto pair = [&list](int i) {
      return QByteArray::fromStdString(list.GetForeign(i)) + "|" +
             QByteArray::fromStdString(list.GetTranslation(i));
    };
    if (count > 0) {
      QCOMPARE(pair(0), first);
      QCOMPARE(pair(count - 1), last);
    }
    if (result == 0) {
      QCOMPARE(list.GetFirstLanguage(), LangText(kTxtFirstLanguage));
      QCOMPARE(list.GetSecondLanguage(), LangText(kTxtSecondLanguage));
      QCOMPARE(list.GetTitle(), std::string("input"));
      QCOMPARE(list.GetOwner(), std::string());
    }
  }

  void version2Information() {
    CWordList list;
    const QByteArray file =
        "[INFO]\r\nVERSION=2.0\r\nCREATOR=Someone\r\nANTAL=2\r\nTITLE=Djur\r\nOWNER=Eva\r\n"
        "DESCRIPTION=a\x1E"
        "b\r\n\r\n[MARKS]\r\n1M=-3\r\n2M=x\r\n\r\n[WORDS]\r\nF=Svenska\r\n"
        "O=Tyska\r\n1=hund\r\n1B=Hund\r\n2=katt\r\n2B=Katze\r\n";
    QCOMPARE(Read("vk2", file, list), 0);
    QCOMPARE(list.GetCreator(), std::string("Someone"));
    QCOMPARE(list.GetTitle(), std::string("Djur"));
    QCOMPARE(list.GetOwner(), std::string("Eva"));
    QCOMPARE(list.GetDescription(), std::string("a\x1E"
                                                "b"));
    QCOMPARE(list.GetFirstLanguage(), std::string("Svenska"));
    QCOMPARE(list.GetSecondLanguage(), std::string("Tyska"));
    QCOMPARE(list.GetMark(0), -3);
    QCOMPARE(list.GetMark(1), 0);

    // Without the O= line both names fall back to the defaults.
    CWordList noSecond;
    QCOMPARE(Read("vk2", QByteArray(file).replace("O=Tyska\r\n", ""), noSecond), 0);
    QCOMPARE(noSecond.GetFirstLanguage(), LangText(kTxtFirstLanguage));
    QCOMPARE(noSecond.GetSecondLanguage(), LangText(kTxtSecondLanguage));

    // A [MARKS] header at the very end without a line feed is no header.
    CWordList noMarks;
    const QByteArray moved = "[INFO]\nVERSION=2.0\nANTAL=1\n[WORDS]\n1=a\n1B=b\n1M=2\n[MARKS]";
    QCOMPARE(Read("vk2", moved, noMarks), 0);
    QCOMPARE(noMarks.GetMark(0), 0);
    CWordList withMarks;
    QCOMPARE(Read("vk2", moved + "\n", withMarks), 0);
    QCOMPARE(withMarks.GetMark(0), 2);
  }

  void utf8Interchange() {
    // Valid UTF-8 with characters beyond ASCII is converted; a byte order
    // mark is dropped.
    CFakePlatform platform;
    CWordList list(&platform);
    QCOMPARE(Read("txt", "\xEF\xBB\xBFh\xC3\xA4st\thorse \xE2\x82\xAC\r\n", list), 0);
    QVERIFY(platform.m_messages.empty());
    QCOMPARE(list.GetForeign(0), std::string("h\xE4st"));
    QCOMPARE(list.GetTranslation(0), std::string("horse \x80"));

    CWordList ascii(&platform);
    QCOMPARE(Read("skv", "\xEF\xBB\xBFplain;text\n", ascii), 0);
    QCOMPARE(ascii.GetForeign(0), std::string("plain"));

    CWordList ord(&platform);
    QCOMPARE(Read("ord",
                  "GLOSOR\n1\n\n  \xC3\xBC"
                  "ber \n\xC3\xB6ver\n",
                  ord),
             0);
    QCOMPARE(ord.GetForeign(0), std::string("\xF6ver"));
    QCOMPARE(ord.GetTranslation(0), std::string("\xFC"
                                                "ber"));
    QVERIFY(platform.m_messages.empty());

    // Characters a list cannot hold become "?", and the user is told which
    // words they were in.
    CWordList lossy(&platform);
    const QString path = m_dir.filePath(QStringLiteral("input.txt"));
    QCOMPARE(
        Read("txt", "\xE6\x97\xA5\xE6\x9C\xAC\tJapan\nok\t\xC3\xA4\nemoji\t\xF0\x9F\x98\x80!\n",
             lossy),
        0);
    QCOMPARE(lossy.GetCount(), 3);
    QCOMPARE(lossy.GetForeign(0), std::string("??"));
    QCOMPARE(lossy.GetTranslation(1), std::string("\xE4"));
    QCOMPARE(lossy.GetTranslation(2), std::string("?!"));
    QCOMPARE(platform.m_messages.size(), size_t(1));
    const CFakePlatform::Message& message = platform.m_messages[0];
    QCOMPARE(message.icon, MessageIcon::Warning);
    if (LangQText(kTxtCharsReplaced).contains(QLatin1String("%s")))
      QVERIFY(message.text.contains(path));
    QVERIFY(message.text.contains(QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC")));
    QVERIFY(message.text.contains(QString::fromUtf8("\xF0\x9F\x98\x80!")));
    QVERIFY(!message.text.contains(QStringLiteral("Japan")));

    // A file that is not UTF-8 throughout is Windows-1252, byte for byte.
    CWordList mixed(&platform);
    QCOMPARE(Read("txt", "\xC3\xA4\t\xE4\n", mixed), 0);
    QCOMPARE(mixed.GetForeign(0), std::string("\xC3\xA4"));
    QCOMPARE(mixed.GetTranslation(0), std::string("\xE4"));
  }

  void randomBytesNeverBreakTheReaders() {
    QRandomGenerator random(20240601);
    const QByteArray extensions[] = {"vk2", "vk1", "ord", "txt", "skv"};
    const QByteArray prefixes[] = {"[INFO]\nVERSION=2.0\nANTAL=9999\n[MARKS]\n[WORDS]\n",
                                   "[INFO]\nVERSION=1.0\nANTAL=400\n[WORDS]\n", "GLOSOR\n400\n", "",
                                   ""};
    for (int round = 0; round < 40; ++round) {
      for (int e = 0; e < 5; ++e) {
        QByteArray bytes(int(random.bounded(20000)), '\0');
        for (char& c : bytes) {
          // Plenty of line ends, separators and digits among the noise.
          const quint32 r = random.bounded(16);
          c = r < 2 ? '\n' : r < 3 ? '=' : r < 4 ? '\t' : r < 5 ? ';' : char(random.bounded(256));
        }
        CWordList list;
        const int result = Read(extensions[e], prefixes[e] + bytes, list);
        QVERIFY(result == 0 || result == -2);
        QVERIFY(list.GetCount() <= 300);
      }
    }
  }

  void unreadableFiles() {
    CFakePlatform platform;
    CWordList list(&platform);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("folder.vk2"));
    QVERIFY(QDir().mkdir(folder));
    QCOMPARE(list.OpenFile(folder), -2);

    // Larger than any list can be: refused without reading it all.
    const QString large = dir.filePath(QStringLiteral("large.txt"));
    {
      QFile file(large);
      QVERIFY(file.open(QIODevice::WriteOnly));
      QVERIFY(file.resize(64 * 1024 * 1024));
    }
    QCOMPARE(list.OpenFile(large), -2);
    QCOMPARE(platform.m_messages.size(), size_t(2));

    if (geteuid() == 0) QSKIP("Root reads files without read permission");
    const QString locked = dir.filePath(QStringLiteral("locked.vk2"));
    WriteFile(locked, "[INFO]\r\nVERSION=2.0\r\n");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    QCOMPARE(list.OpenFile(locked), -2);
  }

  void failingWritesLeaveTheOldFile_data() {
    QTest::addColumn<QString>("type");
    QTest::newRow("vk2") << "VK2";
    QTest::newRow("vk1") << "VK1";
    QTest::newRow("html") << "HTML";
    QTest::newRow("txt") << "TXT";
  }

  void failingWritesLeaveTheOldFile() {
    QFETCH(QString, type);
    QTemporaryDir dir;
    CWordList list;
    for (int i = 0; i < 300; ++i) list.AddWord(std::string(200, 'a'), std::string(200, 'b'), 1);

    // Targets that cannot be created at all.
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    WriteFile(notAFolder, "keep");
    const QString targets[] = {dir.filePath(QStringLiteral("missing/list.x")),
                               notAFolder + QStringLiteral("/list.x"),
                               QStringLiteral("/proc/vokabit-test.x"), dir.path()};
    for (const QString& target : targets) QCOMPARE(list.SaveTo(target, type), -2);
    QCOMPARE(ReadAll(notAFolder), QByteArray("keep"));

    // A file system that fills up part-way: the file size limit makes every
    // write past 4 KiB fail, long after the file was created.
    const QString path = dir.filePath(QStringLiteral("old.list"));
    WriteFile(path, "old content");
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = list.SaveTo(path, type);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(result, -2);
    QCOMPARE(ReadAll(path), QByteArray("old content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
  }

  void deviceThatFillsUp() {
    // A device is written in place, never replaced by a regular file. The
    // test makes its own "full" device rather than touch /dev/full.
    QTemporaryDir dir;
    const QString device = dir.filePath(QStringLiteral("full"));
    if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 7)) != 0)
      QSKIP("Cannot make a device node here");
    const QString null = dir.filePath(QStringLiteral("null"));
    QCOMPARE(mknod(QFile::encodeName(null).constData(), S_IFCHR | 0600, makedev(1, 3)), 0);
    if (!QFile(null).open(QIODevice::WriteOnly)) QSKIP("Device nodes cannot be opened here");

    CWordList list;
    list.AddWord("a", "b", 0);
    QCOMPARE(list.SaveTo(device, QStringLiteral("VK2")), -2);
    struct stat info {};
    QCOMPARE(stat(QFile::encodeName(device).constData(), &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));

    // A device that takes everything is written to, also in place.
    QCOMPARE(list.SaveTo(null, QStringLiteral("TXT")), 0);
    QCOMPARE(stat(QFile::encodeName(null).constData(), &info), 0);
    QVERIFY(S_ISCHR(info.st_mode));
  }
};

QTEST_GUILESS_MAIN(TestListFileIo)
#include "tst_ListFileIo.moc"
