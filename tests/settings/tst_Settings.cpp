// The settings store: names, keys, values, other processes, damaged files and
// failed writes; the start-up defaults and the list file associations. What a
// fresh start stores is a file contract, kept byte for byte in tests/data/settings.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QTextStream>

#include "TestFiles.h"
#include "settings/Settings.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsTree.h"

using namespace Qt::StringLiterals;

namespace {

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr SettingsRoot kClasses = SettingsRoot::ClassesRoot;

constexpr char kGood[] = "{\"format\": 1, \"keys\": {\"A\": {\"x\": \"old\"}}}\n";

QString S(const char* text) {
  return QString::fromUtf8(text);
}

QString Read(const char* key, const char* name) {
  return ReadSetting(kUser, S(key), S(name));
}

// Runs this test program as a second copy of the program that uses the store.
QProcess* StartChild(const QStringList& args) {
  auto* child = new QProcess;
  child->start(QCoreApplication::applicationFilePath(), QStringList{S("--child")} + args);
  return child;
}
QString RunChild(const QStringList& args) {
  const std::unique_ptr<QProcess> child(StartChild(args));
  if (!child->waitForFinished(60000) || child->exitCode() != 0) return S("<child failed>");
  return QString::fromUtf8(child->readAllStandardOutput());
}

// "read KEY NAME..." prints the values joined by '|'; "write KEY PREFIX N"
// writes PREFIX0=0, PREFIX1=1 ... up to N.
int ChildMain(const QStringList& args) {
  QStringList values;
  for (const QString& name : args.mid(2)) values << ReadSetting(kUser, args.value(1), name);
  if (args.value(0) == S("read")) QTextStream(stdout) << values.join(u'|');
  for (int i = 0; args.value(0) == S("write") && i < args.value(3).toInt(); ++i)
    if (!WriteSetting(kUser, args.value(1), args.value(2) + QString::number(i), QString::number(i)))
      return 1;
  return 0;
}

QString Lang(unsigned n) {
  return u"text %1"_s.arg(n);
}

QByteArray Golden(const char* name) {
  return ReadAll(qEnvironmentVariable("VOKABIT_TEST_DATA") + u"/settings/"_s + QLatin1String(name));
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
  // ignore a relative XDG_CONFIG_HOME. (Every other case sets the store's
  // variable, so HOME and XDG_CONFIG_HOME need not be restored.)
  void folderFollowsTheEnvironment() {
    qputenv("HOME", "/home/pupil");
    const char* cases[][3] = {{"/own/dir/", "/xdg", "/own/dir"},  // own, XDG, folder
                              {"", "/xdg//home", "/xdg/home/vokabit"},
                              {"", "xdg/home", "/home/pupil/.config/vokabit"}};
    for (const auto& [own, xdg, folder] : cases) {
      qputenv("VOKABIT_CONFIG_DIR", own);
      qputenv("XDG_CONFIG_HOME", xdg);
      QCOMPARE(SettingsDirectory(), S(folder));
    }
    QCOMPARE(SettingsFilePath(kClasses), S("/home/pupil/.config/vokabit/fileclasses.json"));
  }

  // Names match without case and keep the case they were first written in,
  // in the file as in the store; a hand-written file is read the same way.
  void namesMatchWithoutCase() {
    CreateSettingsKey(kUser, S("SOFTWARE\\Brannvik\\Print"));
    WriteSetting(kUser, S("SOFTWARE\\Brannvik\\Print"), S("ShowPagenumber"), S("TRUE"));
    WriteSetting(kUser, S("software\\BRANNVIK\\print"), S("ShowPageNumber"), S("FALSE"));
    // Empty path components do not make another key.
    QCOMPARE(Read("SOFTWARE\\\\Brannvik\\Print\\", "showpagenumber"), S("FALSE"));
    WriteSetting(kUser, S("software\\brannvik\\print"), S("Ärlig"), S("ja"));
    QCOMPARE(Read("SOFTWARE\\Brannvik\\Print", "äRLIG"), S("ja"));
    CreateSettingsKey(kUser, S("software\\brannvik\\PRINT\\Extra"));
    const QByteArray file = ReadAll(m_file);
    QVERIFY(file.contains("\"SOFTWARE\\\\Brannvik\\\\Print\\\\Extra\""));
    QVERIFY(file.contains("\"ShowPagenumber\": \"FALSE\""));
    QVERIFY(!file.contains("ShowPageNumber") && !file.contains("software"));

    QVERIFY(WriteFile(
        m_file,
        "{\r\n  \"keys\" : { \"Software\\\\Brannvik\" : {\"\" : \"slot\",\r\n"
        "   \"Mail\":\"a\\\"b\\u00e9\"}, \"Software\" : {} },\r\n  \"format\" : 1 }\r\n"));
    QCOMPARE(Read("SOFTWARE\\Brannvik", "mail") + Read("SOFTWARE\\Brannvik", ""), S("a\"béslot"));
    QCOMPARE(SettingsStoreProblem(), QString());
  }

  // A value goes only into a key that exists; creating one makes its parents
  // and keeps what they hold. Values are stored whole.
  void keysAndValues() {
    QVERIFY(WriteSetting(kUser, S("A"), S("x"), S("lost")));
    QVERIFY(!QFile::exists(m_file));
    CreateSettingsKey(kUser, S("A\\B\\C"));
    WriteSetting(kUser, S("A\\B\\X"), S("x"), S("lost"));
    WriteSetting(kUser, S("A"), S("x"), S("1"));
    WriteSetting(kUser, S("a\\b"), S("y"), S("2"));
    CreateSettingsKey(kUser, S("A\\B"));
    CreateSettingsKey(kUser, S("A\\B\\C\\D"));
    WriteSetting(kUser, S("A\\B\\C\\D"), S("z"), S("3"));
    QCOMPARE(Read("A\\B\\X", "x") + Read("A\\B", "x"), QString());
    QCOMPARE(Read("A", "x") + Read("A\\B", "y") + Read("A\\B\\C\\D", "z"), S("123"));
    // The root itself always exists.
    WriteSetting(kUser, QString(), S("x"), S("top"));
    QCOMPARE(Read("", "x"), S("top"));
    for (const QString& value : {S("/home/") + QString(100000, u'd') + S("/a.vk2"),
                                 S("\"a\\b\"\r\n\tc\\"), S("üÜß Ωλ 語 😀"), QString()}) {
      WriteSetting(kUser, S("A"), S("v"), value);
      QCOMPARE(ReadSetting(kUser, S("A"), S("v")), value);
    }

    // The default slot is a value of its own; the roots are separate trees.
    CreateSettingsKey(kClasses, S(".vk2"));
    WriteSetting(kClasses, S(".vk2"), QString(), S("Vokabit.vk2"));
    WriteSetting(kClasses, S(".vk2"), S("Default"), S("named"));
    QCOMPARE(ReadSetting(kClasses, S(".VK2"), QString()), S("Vokabit.vk2"));
    QCOMPARE(ReadSetting(kClasses, S(".vk2"), S("default")), S("named"));
    QCOMPARE(Read(".vk2", ""), QString());

    // A file of the largest size is read; one byte more is not ours.
    QVERIFY(WriteFile(m_file, QByteArray(kGood).leftJustified(CSettingsTree::kMaxFileSize)));
    QCOMPARE(Read("A", "x"), S("old"));
  }

  // A parsed file is used again only while the file is unchanged: a change
  // that keeps its size and modification time is seen all the same.
  void changedFileIsReadAgain() {
    SetSettingsTimestampStep(0);  // stamps count at once, as for a file written long ago
    CreateSettingsKey(kUser, S("K"));
    const QByteArray path = QFile::encodeName(m_file);
    for (const QString& how : {S("another copy writes"), S("rewritten in place"), S("replaced")}) {
      WriteSetting(kUser, S("K"), S("v0"), S("1"));
      QCOMPARE(Read("K", "v0") + Read("K", "v0"), S("11"));
      struct stat before {};
      QCOMPARE(::stat(path.constData(), &before), 0);
      const QByteArray bytes = ReadAll(m_file).replace("\"1\"", "\"0\"");
      if (how.startsWith(u'a')) {
        QCOMPARE(RunChild({S("write"), S("K"), S("v"), S("1")}), QString());
      } else {
        QFile file(how == S("replaced") ? m_file + S(".new") : m_file);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(how != S("replaced") ||
                ::rename(QFile::encodeName(file.fileName()).constData(), path.constData()) == 0);
        const timespec times[2] = {before.st_atim, before.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, path.constData(), times, 0), 0);
      }
      QVERIFY2(Read("K", "v0") == S("0"), qPrintable(how));
    }
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
      QCOMPARE(Read("K", "a") + Read("K\\Sub", "b"), S("32"));
      QCOMPARE(RunChild({S("read"), S("K"), S("a"), S("c")}), S("1|"));
    }
    QCOMPARE(RunChild({S("read"), S("K"), S("a"), S("c")}), S("3|4"));
    QCOMPARE(RunChild({S("read"), S("K\\Sub"), S("b")}), S("2"));
    QCOMPARE(Read("Missing", "x"), QString());
  }

  // Writers wait for the lock as long as another copy holds it, instead of
  // giving up after a few seconds and dropping their values.
  void concurrentWritersKeepEachOthersValues() {
    CreateSettingsKey(kUser, S("K"));
    WriteSetting(kUser, S("K"), S("Stable"), S("yes"));
    QLockFile lock(m_file + S(".lock"));
    QVERIFY(lock.tryLock(0));
    std::vector<std::unique_ptr<QProcess>> children;
    for (const char* prefix : {"a", "b", "c", "d"}) {
      children.emplace_back(StartChild({S("write"), S("K"), S(prefix), S("40")}));
      QVERIFY(children.back()->waitForStarted());
    }
    QVERIFY(!children.back()->waitForFinished(6000));
    lock.unlock();
    // Readers take no lock, so they must never see a half-written file; no
    // writer gives up.
    for (auto& child : children) {
      while (!child->waitForFinished(1) && child->state() != QProcess::NotRunning)
        QCOMPARE(Read("K", "Stable"), S("yes"));
      QCOMPARE(child->exitCode(), 0);
    }
    for (const char* prefix : {"a", "b", "c", "d"})
      for (int i = 0; i < 40; ++i)
        QCOMPARE(ReadSetting(kUser, S("K"), S(prefix) + QString::number(i)), QString::number(i));
  }

  void damagedFileIsKeptAndReported_data() {
    QTest::addColumn<QByteArray>("bytes");  // file contents, or "dir", "fifo" or "unreadable"
    static constexpr char kGarbage[] = "\x00\xff\x1b[2J PK\x03\x04";
    QTest::newRow("garbage") << QByteArray(kGarbage, sizeof kGarbage - 1);
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("later format") << QByteArray(kGood).replace("1,", "2,");
    QTest::newRow("number value") << QByteArray(kGood).replace("\"old\"", "7");
    QTest::newRow("keys not a table") << QByteArray("{\"format\": 1, \"keys\": [1]}");
    QTest::newRow("too large") << QByteArray(kGood).leftJustified(CSettingsTree::kMaxFileSize + 1);
    for (const char* kind : {"dir", "fifo", "unreadable"}) QTest::newRow(kind) << QByteArray(kind);
  }
  void damagedFileIsKeptAndReported() {
    QFETCH(QByteArray, bytes);
    const QByteArray path = QFile::encodeName(m_file);
    const QByteArray content = bytes == "unreadable" ? QByteArray(kGood) : bytes;
    if (bytes == "unreadable" && geteuid() == 0)
      QSKIP("Running as root: permission bits do not stop reading.");
    if (bytes == "dir")
      QVERIFY(QDir().mkpath(m_file));
    else if (bytes == "fifo")
      QCOMPARE(mkfifo(path.constData(), 0600), 0);
    else
      QVERIFY(WriteFile(m_file, content) &&
              (bytes != "unreadable" || ::chmod(path.constData(), 0) == 0));

    QCOMPARE(Read("A", "x"), QString());
    QCOMPARE(SettingsStoreProblem(), m_file);
    WriteSetting(kUser, S("A"), S("x"), S("new"));
    WriteSetting(kUser, QString(), S("y"), S("new"));
    CreateSettingsKey(kUser, S("B"));
    QCOMPARE(Read("A", "x"), QString());
    ::chmod(path.constData(), 0600);
    if (bytes == "dir" || bytes == "fifo")
      QVERIFY(!QFileInfo(m_file).isFile());
    else
      QCOMPARE(ReadAll(m_file), content);

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
    const auto restore = qScopeGuard([] { SetSettingsFailureHandler({}); });
    CreateSettingsKey(kUser, S("A"));
    WriteSetting(kUser, S("A"), S("x"), S("old"));
    const QByteArray old = ReadAll(m_file);
    QVERIFY(old.size() < 200);
    {
      const CFileSizeLimit limit(old.size() + 20);
      QVERIFY(!WriteSetting(kUser, S("A"), S("x"), S("a little longer than the limit allows")));
      QVERIFY(!WriteSetting(kUser, S("A"), S("x"), QString(200000, u'y')));
    }
    QCOMPARE(ReadAll(m_file), old);
    QCOMPARE(Read("A", "x"), S("old"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(m_file).fileName()});
    QCOMPARE(reported, QStringList{m_file});

    QVERIFY(WriteSetting(kUser, S("A"), S("x"), S("new")));
    {
      const CFileSizeLimit limit(10);
      QVERIFY(!WriteSetting(kUser, S("A"), S("x"), S("newer")));
    }
    QCOMPARE(reported, (QStringList{m_file, m_file}));
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

  void unwritableFolderWritesNothing() {
    // A plain file where the settings folder should be stops root as well.
    QVERIFY(WriteFile(m_dir->filePath(S("blocker")), "x"));
    qputenv("VOKABIT_CONFIG_DIR", m_dir->filePath(S("blocker/vokabit")).toUtf8());
    CreateSettingsKey(kUser, S("A"));
    QVERIFY(!WriteSetting(kUser, QString(), S("x"), S("lost")));
    QCOMPARE(Read("", "x") + SettingsStoreProblem(), QString());
  }

  // Every default, and every key the program writes into.
  void freshTreeGetsEveryDefault() {
    QVERIFY(ApplySettingsDefaults(u"/usr/share/vokabit/"_s, Lang));
    QCOMPARE(ReadAll(SettingsFilePath(kUser)), Golden("defaults.json"));
  }

  // A start with every default in place neither waits for another copy's
  // lock nor asks the language library; a later start keeps what the user
  // set and refills what is empty, asking only for the texts it needs.
  void laterStartKeepsUserValues() {
    QVERIFY(ApplySettingsDefaults(u"/opt/vk"_s, Lang));
    QList<unsigned> asked;
    const auto counting = [&asked](unsigned n) {
      asked << n;
      return u"other %1"_s.arg(n);
    };
    QLockFile lock(SettingsFilePath(kUser) + u".lock"_s);
    QVERIFY(lock.tryLock(0) && ApplySettingsDefaults(u"/opt/vk"_s, counting));
    lock.unlock();
    QCOMPARE(asked, QList<unsigned>());

    WriteSetting(kUser, kKeySetups, kValueBlandaCheck, u"FALSE"_s);
    WriteSetting(kUser, kKeySetups, kValueLjudFel, u"/home/u/fel.wav"_s);
    WriteSetting(kUser, kKeyPrint, u"ShowPageNumber"_s, u"FALSE"_s);
    for (QLatin1String name : {kValueOvaBara, kValueLjudRatt})
      WriteSetting(kUser, kKeySetups, name, QString());
    WriteSetting(kUser, kKeyPrint, kValueMarginTop, QString());
    QVERIFY(ApplySettingsDefaults(u"/usr/share/vokabit"_s, counting));
    QCOMPARE(asked, QList<unsigned>{kTextDefaultSound});
    const std::tuple<QLatin1String, QLatin1String, QString> expected[] = {
        {kKeySetups, kValueBlandaCheck, u"FALSE"_s},
        {kKeySetups, kValueLjudFel, u"/home/u/fel.wav"_s},
        {kKeyPrint, kValueShowPagenumber, u"FALSE"_s},
        {kKeyVokabit30, kValueTipsFile, u"/opt/vk/"_s},
        {kKeyVokabit, kValueHemsida, u"text 111"_s},
        {kKeySetups, kValueOvaBara, u"10"_s},
        {kKeyPrint, kValueMarginTop, u"50"_s},
        {kKeySetups, kValueLjudRatt, u"other 249"_s}};
    for (const auto& [key, name, value] : expected) QCOMPARE(ReadSetting(kUser, key, name), value);
  }

  void damagedStoreIsLeftAlone() {
    for (SettingsRoot root : {kUser, kClasses})
      QVERIFY(WriteFile(SettingsFilePath(root), "{\"format\": 1, \"keys\": {"));
    QVERIFY(!ApplySettingsDefaults(u"/usr/share/vokabit"_s, Lang));
    QVERIFY(!WriteFileAssociations(u"/usr/bin/vokabit"_s));
    for (SettingsRoot root : {kUser, kClasses})
      QCOMPARE(ReadAll(SettingsFilePath(root)), QByteArray("{\"format\": 1, \"keys\": {"));
  }

  // Written at every start, so that they follow the program when it moves; a
  // program path with a space is quoted in the commands.
  void associationsAreWrittenEveryTime() {
    QVERIFY(WriteFileAssociations(u"/old/place/vokabit"_s));
    WriteSetting(kClasses, u".vk2"_s, QString(), u"Other.vk2"_s);
    QVERIFY(WriteFileAssociations(u"/opt/My Apps/vokabit"_s));
    QCOMPARE(ReadAll(SettingsFilePath(kClasses)), Golden("fileclasses.json"));
    QVERIFY(!QFile::exists(SettingsFilePath(kUser)));
    QVERIFY(WriteFileAssociations(u"/usr/bin/vokabit"_s));
    QCOMPARE(ReadSetting(kClasses, u"Vokabit.vk1\\shell\\print\\command"_s, QString()),
             u"/usr/bin/vokabit /p \"%1\""_s);
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

#include "tst_Settings.moc"
