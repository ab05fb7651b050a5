#include <QtTest>

#include "app/CommandLineInfo.h"

using namespace Qt::StringLiterals;

class TestCommandLineInfo : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void parse_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("splash");

    const auto row = [](const char* name, const QString& line,
                        CCommandLineInfo::ShellCommand command, const QString& file,
                        bool splash = true) {
      QTest::newRow(name) << line << int(command) << file << splash;
    };
    using C = CCommandLineInfo;
    row("nothing", u""_s, C::FileNew, u""_s);
    row("open, quoted with blanks", uR"("/home/anna/Mina listor/Tyska 1.vk2")"_s, C::FileOpen,
        u"/home/anna/Mina listor/Tyska 1.vk2"_s);
    row("print slash", uR"(/p "/tmp/a b.vk2")"_s, C::FilePrint, u"/tmp/a b.vk2"_s);
    row("print dash", u"-p /tmp/a.vk1"_s, C::FilePrint, u"/tmp/a.vk1"_s);
    row("print after path", u"/tmp/a.vk2 /p"_s, C::FilePrint, u"/tmp/a.vk2"_s);
    row("capital P is no print switch", u"/P"_s, C::FileOther, u""_s);
    row("quotes inside a word", uR"(x"y z"w)"_s, C::FileOpen, u"xy zw"_s);
    row("two paths, first wins", u"a.vk2 b.vk2"_s, C::FileOpen, u"a.vk2"_s);
    row("embedding clears the start-up dialog", u"-Embedding"_s, C::FileOther, u""_s, false);
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
};

QTEST_APPLESS_MAIN(TestCommandLineInfo)
#include "tst_CommandLineInfo.moc"
