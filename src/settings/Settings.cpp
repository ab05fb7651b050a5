#include "Settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <mutex>
#include <tuple>
#include <vector>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>

#include "SettingsFile.h"
#include "SettingsTree.h"

namespace {

// A copy of the program that hangs while holding the lock loses it after
// this long; a write normally holds it for a few milliseconds.
constexpr int kStaleLockMs = 10000;
// Far beyond any stale lock: only a lock that cannot be had at all (the
// folder is not writable) ends the wait, and the write is then reported.
constexpr int kLockGiveUpMs = 30000;

SettingsFailureHandler& FailureHandler() {
  static SettingsFailureHandler handler;
  return handler;
}

// True from a failed write until the next one that succeeds: a run of
// failures is reported once.
bool g_failing = false;

void NoteWrite(bool written, const QString& path) {
  if (written) {
    g_failing = false;
    return;
  }
  if (g_failing) return;
  g_failing = true;
  if (FailureHandler()) FailureHandler()(path);
}

// Waits for the lock in short steps. QLockFile's own wait doubles its sleep
// up to seconds, so under steady use by other copies a writer could sleep
// past every chance it had.
bool Acquire(QLockFile& lock) {
  const QDeadlineTimer deadline(kLockGiveUpMs);
  for (;;) {
    if (lock.tryLock(0)) return true;
    if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) return false;
    QThread::msleep(1 + QRandomGenerator::global()->bounded(8u));
  }
}

// What the file system tells of a file's version without reading it.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = -1;
  timespec modified{};
  timespec changed{};

  static FileStamp Of(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
  }
  auto Fields() const {
    return std::tie(device, inode, size, modified.tv_sec, modified.tv_nsec, changed.tv_sec,
                    changed.tv_nsec);
  }
  bool operator==(const FileStamp& o) const { return Fields() == o.Fields(); }
};

// Many file systems keep times in steps (a clock tick, a second, two
// seconds on FAT): a file replaced again within the step after it was read
// can carry the same stamp. A stamp proves a file unchanged only once the
// file is older than this when it is read.
constexpr qint64 kTimestampStepNs = 2'000'000'000;
qint64 g_timestampStepNs = kTimestampStepNs;

// The parsed file of one root, kept while the file is unchanged: start-up
// alone reads some forty values.
struct ParsedFile {
  FileStamp stamp;           // its device and inode tell another folder's file apart
  bool stampProves = false;  // the stamp alone shows the file unchanged
  QByteArray bytes;          // what tree was parsed from
  CSettingsTree tree;
};

std::mutex g_parsedMutex;
ParsedFile g_parsed[2];  // by SettingsRoot

ParsedFile& Parsed(SettingsRoot root) {
  return g_parsed[static_cast<int>(root)];
}

bool StampProves(const FileStamp& stamp) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
  const qint64 newest = std::max(ns(stamp.modified), ns(stamp.changed));
  return ns(now) - newest > g_timestampStepNs;
}

using TreeChange = std::function<bool(CSettingsTree&)>;

// The writes of the open CSettingsBatch scopes of a root, in order.
struct PendingWrites {
  int depth = 0;
  std::vector<TreeChange> changes;
};

PendingWrites& Batch(SettingsRoot root) {
  thread_local PendingWrites batches[2];  // by SettingsRoot
  return batches[static_cast<int>(root)];
}

// Replaces path by bytes, or leaves it as it was. Unbuffered, so that a full
// disk fails the write itself: Qt 6.4 renames the temporary file even when
// the flush of a buffered last write failed.
bool SaveWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  qint64 done = 0;
  bool written = true;
  while (written && done < bytes.size()) {
    const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
    written = n > 0;
    done += std::max<qint64>(n, 0);
  }
  if (written) written = ::fsync(file.handle()) == 0 || errno == EINVAL;
  if (!written) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

QString SettingsDirectory() {
  const QString configDir = qEnvironmentVariable("VOKABIT_CONFIG_DIR");
  if (!configDir.isEmpty()) return QDir::cleanPath(configDir);
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  // The XDG rules say a relative path is to be ignored.
  if (base.isEmpty() || QDir::isRelativePath(base))
    base = QDir::homePath() + QStringLiteral("/.config");
  return QDir::cleanPath(base + QStringLiteral("/vokabit"));
}

QString SettingsFilePath(SettingsRoot root) {
  const QString name = root == SettingsRoot::ClassesRoot ? QStringLiteral("fileclasses.json")
                                                         : QStringLiteral("settings.json");
  return SettingsDirectory() + QLatin1Char('/') + name;
}

void SetSettingsFailureHandler(SettingsFailureHandler handler) {
  FailureHandler() = std::move(handler);
  g_failing = false;
}

void SetSettingsTimestampStep(qint64 nanoseconds) {
  const std::lock_guard guard(g_parsedMutex);
  g_timestampStepNs = nanoseconds < 0 ? kTimestampStepNs : nanoseconds;
}

SettingsLoad LoadSettingsTree(SettingsRoot root, CSettingsTree& tree) {
  tree = CSettingsTree();
  const QString path = SettingsFilePath(root);
  const QByteArray localPath = QFile::encodeName(path);
  const std::lock_guard guard(g_parsedMutex);
  ParsedFile& parsed = Parsed(root);
  struct stat st {};
  if (::stat(localPath.constData(), &st) != 0) {
    // A link that leads nowhere is not a missing file.
    return ::lstat(localPath.constData(), &st) != 0 ? SettingsLoad::Missing : SettingsLoad::Damaged;
  }
  // An unchanged file is not read again.
  if (parsed.stampProves && FileStamp::Of(st) == parsed.stamp) {
    tree = parsed.tree;
    return SettingsLoad::Loaded;
  }

  // Only a regular file: a directory cannot be read, and opening a pipe
  // would wait for a writer.
  const int fd = ::open(localPath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return SettingsLoad::Damaged;
  QFile file;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > CSettingsTree::kMaxFileSize ||
      !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return SettingsLoad::Damaged;
  }
  // One byte more than the file had: a file that grew since is not taken
  // for a whole one.
  const QByteArray bytes = file.read(qint64(st.st_size) + 1);
  if (file.error() != QFileDevice::NoError) return SettingsLoad::Damaged;

  // The stamp of the bytes read: taken from the open file, not the path.
  const FileStamp stamp = FileStamp::Of(st);
  if (bytes != parsed.bytes) {
    if (!tree.Parse(bytes)) return SettingsLoad::Damaged;
    parsed.bytes = bytes;
    parsed.tree = tree;
  } else {
    tree = parsed.tree;
  }
  parsed.stamp = stamp;
  parsed.stampProves = StampProves(stamp);
  return SettingsLoad::Loaded;
}

bool UpdateSettingsTree(SettingsRoot root, const std::function<bool(CSettingsTree&)>& change) {
  const QString path = SettingsFilePath(root);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    NoteWrite(false, path);
    return false;
  }

  // Read, change and replace under the lock, so that two copies of the
  // program writing at once do not lose each other's values. Readers need
  // no lock: the file is replaced by a rename, never rewritten in place.
  QLockFile lock(path + QStringLiteral(".lock"));
  lock.setStaleLockTime(kStaleLockMs);
  if (!Acquire(lock)) {
    NoteWrite(false, path);
    return false;
  }

  CSettingsTree tree;
  // A damaged file is kept for the user to see (start-up reports it);
  // writing would replace it by a tree that lacks everything it held.
  if (LoadSettingsTree(root, tree) == SettingsLoad::Damaged) return false;
  if (!change(tree)) return true;

  const QByteArray bytes = tree.ToBytes();
  const bool written = bytes.size() <= CSettingsTree::kMaxFileSize && SaveWhole(path, bytes);
  NoteWrite(written, path);
  if (written) {
    // The next read finds these bytes and needs no parse; their stamp is
    // taken then.
    const std::lock_guard guard(g_parsedMutex);
    ParsedFile& parsed = Parsed(root);
    parsed = ParsedFile{{}, false, bytes, tree};
  }
  return written;
}

QString ReadSetting(SettingsRoot root, const QString& keyPath, const QString& valueName) {
  CSettingsTree tree;
  if (LoadSettingsTree(root, tree) != SettingsLoad::Loaded) return QString();
  for (const TreeChange& change : Batch(root).changes) change(tree);
  return tree.Value(keyPath, valueName);
}

bool ChangeSettingsTree(SettingsRoot root, const std::function<bool(CSettingsTree&)>& change) {
  // Most changes store what is there already (options saved at every exit,
  // defaults at every start) or go into a missing key; those cost one read
  // instead of a locked replace of the file. The change is made again under
  // the lock.
  CSettingsTree current;
  if (LoadSettingsTree(root, current) == SettingsLoad::Damaged) return false;
  if (!change(current)) return true;
  return UpdateSettingsTree(root, change);
}

bool WriteSetting(SettingsRoot root, const QString& keyPath, const QString& valueName,
                  const QString& value) {
  TreeChange change = [=](CSettingsTree& tree) { return tree.SetValue(keyPath, valueName, value); };
  if (Batch(root).depth > 0) {
    Batch(root).changes.push_back(std::move(change));
    return true;
  }
  return ChangeSettingsTree(root, change);
}

void CreateSettingsKey(SettingsRoot root, const QString& keyPath) {
  TreeChange change = [=](CSettingsTree& tree) { return tree.CreateKey(keyPath); };
  if (Batch(root).depth > 0) {
    Batch(root).changes.push_back(std::move(change));
    return;
  }
  ChangeSettingsTree(root, change);
}

CSettingsBatch::CSettingsBatch(SettingsRoot root) : m_root(root) {
  ++Batch(m_root).depth;
}

CSettingsBatch::~CSettingsBatch() {
  PendingWrites& batch = Batch(m_root);
  if (--batch.depth > 0 || batch.changes.empty()) return;
  const std::vector<TreeChange> changes = std::move(batch.changes);
  batch.changes.clear();
  ChangeSettingsTree(m_root, [&changes](CSettingsTree& tree) {
    bool changed = false;
    for (const TreeChange& change : changes) changed |= change(tree);
    return changed;
  });
}

QString SettingsStoreProblem() {
  for (SettingsRoot root : {SettingsRoot::CurrentUser, SettingsRoot::ClassesRoot}) {
    CSettingsTree tree;
    if (LoadSettingsTree(root, tree) == SettingsLoad::Damaged) return SettingsFilePath(root);
  }
  return QString();
}
