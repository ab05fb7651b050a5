#include <QtTest>

#include "CommandLineInfo.h"

class TestCommandLineInfo : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void parse_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("splash");

    QTest::newRow("nothing") << "" << int(CCommandLineInfo::FileNew) << "" << true;
    QTest::newRow("open, quoted with blanks")
        << R"("/home/anna/Mina listor/Tyska 1.vk2")" << int(CCommandLineInfo::FileOpen)
        << "/home/anna/Mina listor/Tyska 1.vk2" << true;
    QTest::newRow("open, plain") << "lista.vk2" << int(CCommandLineInfo::FileOpen) << "lista.vk2"
                                 << true;
    QTest::newRow("print slash") << R"(/p "/tmp/a b.vk2")" << int(CCommandLineInfo::FilePrint)
                                 << "/tmp/a b.vk2" << true;
    QTest::newRow("print dash") << "-p /tmp/a.vk1" << int(CCommandLineInfo::FilePrint)
                                << "/tmp/a.vk1" << true;
    QTest::newRow("print after path")
        << "/tmp/a.vk2 /p" << int(CCommandLineInfo::FilePrint) << "/tmp/a.vk2" << true;
    QTest::newRow("print alone") << "/p" << int(CCommandLineInfo::FilePrint) << "" << true;
    QTest::newRow("capital P is no print switch")
        << "/P" << int(CCommandLineInfo::FileOther) << "" << true;
    QTest::newRow("two paths, first wins")
        << "a.vk2 b.vk2" << int(CCommandLineInfo::FileOpen) << "a.vk2" << true;
    QTest::newRow("other switch") << "/dde" << int(CCommandLineInfo::FileOther) << "" << true;
    QTest::newRow("embedding clears the start-up dialog")
        << "-Embedding" << int(CCommandLineInfo::FileOther) << "" << false;
    QTest::newRow("automation clears the start-up dialog")
        << "/Automation" << int(CCommandLineInfo::FileOther) << "" << false;
  }

  void parse() {
    QFETCH(QString, commandLine);
    QFETCH(int, command);
    QFETCH(QString, file);
    QFETCH(bool, splash);
    CCommandLineInfo info;
    info.Parse(CCommandLineInfo::Split(commandLine));
    QCOMPARE(int(info.m_shellCommand), command);
    QCOMPARE(info.m_fileName, file);
    QCOMPARE(info.m_showSplash, splash);
  }

  void splitKeepsQuotedBlanksAndDropsEmptyRuns() {
    QCOMPARE(
        CCommandLineInfo::Split(QStringLiteral("  a   \"b c\"  \"\" d")),
        (QStringList{QStringLiteral("a"), QStringLiteral("b c"), QString(), QStringLiteral("d")}));
    QCOMPARE(CCommandLineInfo::Split(QStringLiteral("x\"y z\"w")),
             QStringList{QStringLiteral("xy zw")});
  }
};

QTEST_APPLESS_MAIN(TestCommandLineInfo)
#include "tst_CommandLineInfo.moc"
