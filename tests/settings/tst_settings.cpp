// The settings store: names, keys, values, other processes, damaged files and
// failed writes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <memory>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "TestFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

using namespace Qt::StringLiterals;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr SettingsRoot kClasses = SettingsRoot::ClassesRoot;

QString S(const char* text) {
  return QString::fromUtf8(text);
}

// Runs this test program as a second copy of the program that uses the store.
QString RunChild(const QStringList& args) {
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), QStringList{S("--child")} + args);
  if (!child.waitForFinished(60000) || child.exitCode() != 0) return S("<child failed>");
  return QString::fromUtf8(child.readAllStandardOutput());
}

int ChildMain(const QStringList& args) {
  const QString& command = args.value(0);
  if (command == S("read")) {
    QTextStream(stdout) << ReadSetting(kUser, args.value(1), args.value(2));
  } else if (command == S("write")) {
    if (!WriteSetting(kUser, args.value(1), args.value(2), args.value(3))) return 1;
  } else if (command == S("writemany")) {
    for (int i = 0; i < args.value(3).toInt(); ++i)
      if (!WriteSetting(kUser, args.value(1), args.value(2) + QString::number(i),
                        QString::number(i)))
        return 1;
  } else {
    return 2;
  }
  return 0;
}

}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("VOKABIT_CONFIG_DIR", m_dir->path().toUtf8());
    m_file = SettingsFilePath(kUser);
    SetSettingsTimestampStep(-1);
  }

  // The store's own variable moves it; else the XDG rules place it, which
  // ignore a relative XDG_CONFIG_HOME.
  void folderFollowsTheEnvironment_data() {
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("folder");  // "~" is the home folder
    QTest::newRow("own variable") << S("/own/dir/") << S("/xdg") << S("/own/dir");
    QTest::newRow("absolute XDG") << QString() << S("/xdg//home") << S("/xdg/home/vokabit");
    QTest::newRow("relative XDG") << QString() << S("xdg/home") << S("~/.config/vokabit");
    QTest::newRow("no XDG") << QString() << QString() << S("~/.config/vokabit");
  }
  void folderFollowsTheEnvironment() {
    QFETCH(QString, own);
    QFETCH(QString, xdg);
    QFETCH(QString, folder);
    const QByteArray home = qgetenv("HOME");
    const auto restore = qScopeGuard([&] {
      qputenv("HOME", home);
      qunsetenv("XDG_CONFIG_HOME");
    });
    qputenv("HOME", "/home/pupil");
    qputenv("VOKABIT_CONFIG_DIR", own.toUtf8());
    qputenv("XDG_CONFIG_HOME", xdg.toUtf8());
    QCOMPARE(SettingsDirectory(), QString(folder).replace(S("~"), S("/home/pupil")));
    QCOMPARE(SettingsFilePath(kClasses), SettingsDirectory() + S("/fileclasses.json"));
  }

  void namesMatchWithoutCaseAndKeepTheirFirstCase() {
    CreateSettingsKey(kUser, S("SOFTWARE\\Brannvik\\Print"));
    WriteSetting(kUser, S("SOFTWARE\\Brannvik\\Print"), S("ShowPagenumber"), S("TRUE"));
    WriteSetting(kUser, S("software\\BRANNVIK\\print"), S("ShowPageNumber"), S("FALSE"));
    // Empty path components do not make another key.
    QCOMPARE(ReadSetting(kUser, S("SOFTWARE\\\\Brannvik\\Print\\"), S("showpagenumber")),
             S("FALSE"));
    WriteSetting(kUser, S("software\\brannvik\\print"), S("Ärlig"), S("ja"));
    QCOMPARE(ReadSetting(kUser, S("SOFTWARE\\Brannvik\\Print"), S("äRLIG")), S("ja"));
    CreateSettingsKey(kUser, S("software\\brannvik\\PRINT\\Extra"));
    const QByteArray file = ReadAll(m_file);
    QVERIFY(file.contains("\"SOFTWARE\\\\Brannvik\\\\Print\\\\Extra\""));
    QVERIFY(file.contains("\"ShowPagenumber\": \"FALSE\""));
    QVERIFY(!file.contains("ShowPageNumber") && !file.contains("software"));
  }

  // A value goes only into a key that exists; creating one makes its parents
  // and keeps what they hold.
  void missingKeysAndValues() {
    QCOMPARE(ReadSetting(kUser, S("A"), S("x")), QString());
    QVERIFY(WriteSetting(kUser, S("A"), S("x"), S("lost")));
    QVERIFY(!QFile::exists(m_file));
    CreateSettingsKey(kUser, S("A\\B\\C"));
    WriteSetting(kUser, S("A\\B\\X"), S("x"), S("lost"));
    WriteSetting(kUser, S("A"), S("x"), S("1"));
    WriteSetting(kUser, S("a\\b"), S("y"), S("2"));
    CreateSettingsKey(kUser, S("A\\B"));
    CreateSettingsKey(kUser, S("A\\B\\C\\D"));
    WriteSetting(kUser, S("A\\B\\C\\D"), S("z"), S("3"));
    QCOMPARE(ReadSetting(kUser, S("A\\B\\X"), S("x")) + ReadSetting(kUser, S("A\\B"), S("x")),
             QString());
    QCOMPARE(ReadSetting(kUser, S("A"), S("x")) + ReadSetting(kUser, S("A\\B"), S("y")) +
                 ReadSetting(kUser, S("A\\B\\C\\D"), S("z")),
             S("123"));
    // The root itself always exists.
    WriteSetting(kUser, QString(), S("x"), S("top"));
    QCOMPARE(ReadSetting(kUser, QString(), S("x")), S("top"));

    // The default slot is a value of its own; the roots are separate trees.
    CreateSettingsKey(kClasses, S(".vk2"));
    WriteSetting(kClasses, S(".vk2"), QString(), S("Vokabit.vk2"));
    WriteSetting(kClasses, S(".vk2"), S("Default"), S("named"));
    QCOMPARE(ReadSetting(kClasses, S(".VK2"), QString()), S("Vokabit.vk2"));
    QCOMPARE(ReadSetting(kClasses, S(".vk2"), S("default")), S("named"));
    QCOMPARE(ReadSetting(kUser, S(".vk2"), QString()), QString());
  }

  void valuesAreStoredWhole_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("long path") << S("/home/") + QString(100000, u'd') + S("/a.vk2");
    QTest::newRow("quotes and breaks") << S("\"a\\b\"\r\n\tc\\");
    QTest::newRow("latin-1") << S("üÜß");
    QTest::newRow("beyond latin-1") << S("Ωλ 語 😀");
  }
  void valuesAreStoredWhole() {
    QFETCH(QString, value);
    CreateSettingsKey(kUser, S("K"));
    WriteSetting(kUser, S("K"), S("v"), value);
    QCOMPARE(ReadSetting(kUser, S("K"), S("v")), value);
    WriteSetting(kUser, S("K"), S("v"), QString());
    QCOMPARE(ReadSetting(kUser, S("K"), S("v")), QString());
  }

  void handWrittenFileIsRead() {
    QVERIFY(WriteFile(
        m_file,
        "{\r\n  \"keys\" : { \"Software\\\\Brannvik\" : {\"\" : \"slot\",\r\n"
        "   \"Mail\":\"a\\\"b\\u00e9\"}, \"Software\" : {} },\r\n  \"format\" : 1 }\r\n"));
    QCOMPARE(ReadSetting(kUser, S("SOFTWARE\\Brannvik"), S("mail")), S("a\"bé"));
    QCOMPARE(ReadSetting(kUser, S("SOFTWARE\\Brannvik"), QString()), S("slot"));
    QCOMPARE(SettingsStoreProblem(), QString());
  }

  // A parsed file is used again only while the file is unchanged: a change
  // that keeps its size and modification time is seen all the same.
  void changedFileIsReadAgain_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("another copy writes") << S("copy");
    QTest::newRow("rewritten in place, times kept") << S("in place");
    QTest::newRow("replaced, times kept") << S("replaced");
  }
  void changedFileIsReadAgain() {
    QFETCH(QString, how);
    SetSettingsTimestampStep(0);  // stamps count at once, as for a file written long ago
    CreateSettingsKey(kUser, S("K"));
    WriteSetting(kUser, S("K"), S("v"), S("10"));
    QCOMPARE(ReadSetting(kUser, S("K"), S("v")), S("10"));
    QCOMPARE(ReadSetting(kUser, S("K"), S("v")), S("10"));

    if (how == S("copy")) {
      RunChild({S("write"), S("K"), S("v"), S("20")});
    } else {
      struct stat before {};
      QCOMPARE(::stat(QFile::encodeName(m_file).constData(), &before), 0);
      const QByteArray bytes = ReadAll(m_file).replace("\"10\"", "\"20\"");
      if (how == S("in place")) {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
      } else {
        QVERIFY(WriteFile(m_file + S(".new"), bytes));
        QCOMPARE(::rename(QFile::encodeName(m_file + S(".new")).constData(),
                          QFile::encodeName(m_file).constData()),
                 0);
      }
      const timespec times[2] = {before.st_atim, before.st_mtim};
      QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(m_file).constData(), times, 0), 0);
    }
    QCOMPARE(ReadSetting(kUser, S("K"), S("v")), S("20"));
  }

  // A batch stores its writes together when it ends; until then only this
  // copy of the program sees them.
  void batchStoresItsWritesTogether() {
    CreateSettingsKey(kUser, S("K"));
    WriteSetting(kUser, S("K"), S("a"), S("1"));
    {
      const CSettingsBatch batch;
      CreateSettingsKey(kUser, S("K\\Sub"));
      QVERIFY(WriteSetting(kUser, S("K\\Sub"), S("b"), S("2")));
      QVERIFY(WriteSetting(kUser, S("K"), S("a"), S("3")));
      WriteSetting(kUser, S("Missing"), S("x"), S("lost"));
      {
        const CSettingsBatch inner;
        WriteSetting(kUser, S("K"), S("c"), S("4"));
      }
      QCOMPARE(ReadSetting(kUser, S("K"), S("a")), S("3"));
      QCOMPARE(ReadSetting(kUser, S("K\\Sub"), S("b")), S("2"));
      QCOMPARE(RunChild({S("read"), S("K"), S("a")}), S("1"));
      QCOMPARE(RunChild({S("read"), S("K"), S("c")}), QString());
    }
    QCOMPARE(RunChild({S("read"), S("K"), S("a")}), S("3"));
    QCOMPARE(RunChild({S("read"), S("K"), S("c")}), S("4"));
    QCOMPARE(RunChild({S("read"), S("K\\Sub"), S("b")}), S("2"));
    QCOMPARE(ReadSetting(kUser, S("Missing"), S("x")), QString());
  }

  void concurrentWritersKeepEachOthersValues() {
    CreateSettingsKey(kUser, S("K"));
    WriteSetting(kUser, S("K"), S("Stable"), S("yes"));
    std::vector<std::unique_ptr<QProcess>> children;
    for (const char* prefix : {"a", "b", "c", "d"}) {
      children.push_back(std::make_unique<QProcess>());
      children.back()->start(QCoreApplication::applicationFilePath(),
                             {S("--child"), S("writemany"), S("K"), S(prefix), S("40")});
      QVERIFY(children.back()->waitForStarted());
    }
    // Readers take no lock, so they must never see a half-written file.
    auto running = [&] {
      for (auto& child : children)
        if (child->state() != QProcess::NotRunning) return true;
      return false;
    };
    while (running()) {
      QCOMPARE(ReadSetting(kUser, S("K"), S("Stable")), S("yes"));
      for (auto& child : children) child->waitForFinished(1);
    }
    // No writer gave up: each stored every value.
    for (auto& child : children) QCOMPARE(child->exitCode(), 0);
    for (const char* prefix : {"a", "b", "c", "d"})
      for (int i = 0; i < 40; ++i)
        QCOMPARE(ReadSetting(kUser, S("K"), S(prefix) + QString::number(i)), QString::number(i));
  }

  void damagedFileIsKeptAndReported_data() {
    QTest::addColumn<QByteArray>("bytes");  // file contents; a special kind of file when empty
    QTest::addColumn<QString>("kind");
    const QByteArray good = "{\"format\": 1, \"keys\": {\"A\": {\"x\": \"old\"}}}\n";
    static constexpr char kGarbage[] = "\x00\xff\x1b[2J PK\x03\x04";
    QTest::newRow("garbage") << QByteArray(kGarbage, sizeof kGarbage - 1) << QString();
    QTest::newRow("truncated") << good.left(good.size() - 6) << QString();
    QTest::newRow("empty") << QByteArray() << S("empty");
    QTest::newRow("array") << QByteArray("[\"A\", \"x\"]") << QString();
    QTest::newRow("later format") << QByteArray(good).replace("1,", "2,") << QString();
    QTest::newRow("number value") << QByteArray(good).replace("\"old\"", "7") << QString();
    QTest::newRow("bad utf-8") << QByteArray(good).replace("old", "o\xc3(d") << QString();
    QTest::newRow("directory") << QByteArray() << S("dir");
    QTest::newRow("fifo") << QByteArray() << S("fifo");
    QTest::newRow("unreadable") << good << S("unreadable");
  }
  void damagedFileIsKeptAndReported() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    if (kind == S("unreadable") && geteuid() == 0)
      QSKIP("Running as root: permission bits do not stop reading.");
    if (kind == S("dir")) {
      QVERIFY(QDir().mkpath(m_file));
    } else if (kind == S("fifo")) {
      QCOMPARE(mkfifo(QFile::encodeName(m_file).constData(), 0600), 0);
    } else {
      QVERIFY(WriteFile(m_file, bytes));
      if (kind == S("unreadable")) QVERIFY(QFile::setPermissions(m_file, {}));
    }

    QCOMPARE(ReadSetting(kUser, S("A"), S("x")), QString());
    QCOMPARE(SettingsStoreProblem(), m_file);
    WriteSetting(kUser, S("A"), S("x"), S("new"));
    WriteSetting(kUser, QString(), S("y"), S("new"));
    CreateSettingsKey(kUser, S("B"));
    QCOMPARE(ReadSetting(kUser, S("A"), S("x")), QString());
    if (kind == S("unreadable"))
      QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner);
    if (kind == S("dir") || kind == S("fifo"))
      QVERIFY(!QFileInfo(m_file).isFile());
    else
      QCOMPARE(ReadAll(m_file), bytes);

    // The other root is not affected.
    CreateSettingsKey(kClasses, S("C"));
    WriteSetting(kClasses, S("C"), QString(), S("fine"));
    QCOMPARE(ReadSetting(kClasses, S("C"), QString()), S("fine"));
  }

  // A file size limit makes the write fail part-way, for root too: for a
  // file smaller than any write buffer as for a larger one. The old file
  // stays, the failure is reported once per run of failures, and the next
  // write that succeeds ends the run.
  void failedWriteKeepsOldFileAndIsReported() {
    QStringList reported;
    SetSettingsFailureHandler([&reported](const QString& path) { reported << path; });
    CreateSettingsKey(kUser, S("A"));
    WriteSetting(kUser, S("A"), S("x"), S("old"));
    const QByteArray old = ReadAll(m_file);
    QVERIFY(old.size() < 200);
    bool small = true;
    bool large = true;
    {
      const CFileSizeLimit limit(old.size() + 20);
      small = WriteSetting(kUser, S("A"), S("x"), S("a little longer than the limit allows"));
      large = WriteSetting(kUser, S("A"), S("x"), QString(200000, u'y'));
    }
    QVERIFY(!small && !large);
    QCOMPARE(ReadAll(m_file), old);
    QCOMPARE(ReadSetting(kUser, S("A"), S("x")), S("old"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(m_file).fileName()});
    QCOMPARE(reported, QStringList{m_file});

    QVERIFY(WriteSetting(kUser, S("A"), S("x"), S("new")));
    {
      const CFileSizeLimit limit(10);
      QVERIFY(!WriteSetting(kUser, S("A"), S("x"), S("newer")));
    }
    QCOMPARE(reported, (QStringList{m_file, m_file}));
    SetSettingsFailureHandler({});
  }

  // The same on a real file system that is full.
  void fullDiskKeepsOldFile() {
    CSmallFileSystem disk(64 * 1024);
    if (!disk.IsMounted()) QSKIP("A small file system cannot be mounted here (no privileges)");
    qputenv("VOKABIT_CONFIG_DIR", disk.FilePath(S("config")).toUtf8());
    CreateSettingsKey(kUser, S("A"));
    QVERIFY(WriteSetting(kUser, S("A"), S("x"), S("old")));
    const QString file = SettingsFilePath(kUser);
    const QByteArray old = ReadAll(file);
    QVERIFY(disk.FillUpTo(0));
    QVERIFY(!WriteSetting(kUser, S("A"), S("x"), S("new value")));
    QCOMPARE(ReadAll(file), old);
    QCOMPARE(SettingsStoreProblem(), QString());
  }

  // A writer waits for the lock as long as another copy holds it, instead of
  // giving up after a few seconds and dropping its value.
  void writerWaitsForTheLock() {
    CreateSettingsKey(kUser, S("K"));
    QLockFile lock(m_file + S(".lock"));
    QVERIFY(lock.tryLock(0));
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {S("--child"), S("write"), S("K"), S("late"), S("kept")});
    QVERIFY(child.waitForStarted());
    QVERIFY(!child.waitForFinished(6000));
    lock.unlock();
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(ReadSetting(kUser, S("K"), S("late")), S("kept"));
  }

  void unwritableFolderWritesNothing() {
    // A plain file where the settings folder should be stops root as well.
    QVERIFY(WriteFile(m_dir->filePath(S("blocker")), "x"));
    qputenv("VOKABIT_CONFIG_DIR", m_dir->filePath(S("blocker/vokabit")).toUtf8());
    CreateSettingsKey(kUser, S("A"));
    WriteSetting(kUser, QString(), S("x"), S("lost"));
    QCOMPARE(ReadSetting(kUser, QString(), S("x")), QString());
    QCOMPARE(SettingsStoreProblem(), QString());

    if (geteuid() == 0) QSKIP("Running as root: a read-only folder does not stop writing.");
    qputenv("VOKABIT_CONFIG_DIR", m_dir->path().toUtf8());
    CreateSettingsKey(kUser, S("A"));
    WriteSetting(kUser, S("A"), S("x"), S("old"));
    const QByteArray old = ReadAll(m_file);
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    WriteSetting(kUser, S("A"), S("x"), S("new"));
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(ReadAll(m_file), old);
  }

 private:
  std::unique_ptr<QTemporaryDir> m_dir;
  QString m_file;
};

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc > 1 && qstrcmp(argv[1], "--child") == 0) return ChildMain(app.arguments().mid(2));
  TestSettings test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
