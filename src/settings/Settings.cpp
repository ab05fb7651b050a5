#include "Settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
  written = written && file.flush() && file.error() == QFileDevice::NoError;
  if (written && file.handle() >= 0) written = ::fsync(file.handle()) == 0 || errno == EINVAL;
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

SettingsLoad LoadSettingsTree(SettingsRoot root, CSettingsTree& tree) {
  tree = CSettingsTree();
  const QString path = SettingsFilePath(root);
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return SettingsLoad::Missing;
  // Only a regular file: a directory cannot be read, and opening a pipe
  // would wait for a writer.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return SettingsLoad::Damaged;
  struct stat st {};
  QFile file;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > CSettingsTree::kMaxFileSize ||
      !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return SettingsLoad::Damaged;
  }
  const QByteArray bytes = file.read(CSettingsTree::kMaxFileSize + 1);
  if (file.error() != QFileDevice::NoError) return SettingsLoad::Damaged;
  return tree.Parse(bytes) ? SettingsLoad::Loaded : SettingsLoad::Damaged;
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
  return written;
}

QString ReadSetting(SettingsRoot root, const QString& keyPath, const QString& valueName) {
  CSettingsTree tree;
  if (LoadSettingsTree(root, tree) != SettingsLoad::Loaded) return QString();
  return tree.Value(keyPath, valueName);
}

bool WriteSetting(SettingsRoot root, const QString& keyPath, const QString& valueName,
                  const QString& value) {
  // Most writes store what is there already (options saved at every exit)
  // or go into a missing key; those cost one read instead of a locked
  // replace of the file. The change is made again under the lock.
  CSettingsTree current;
  if (LoadSettingsTree(root, current) == SettingsLoad::Damaged) return false;
  if (!current.SetValue(keyPath, valueName, value)) return true;
  return UpdateSettingsTree(
      root, [&](CSettingsTree& tree) { return tree.SetValue(keyPath, valueName, value); });
}

void CreateSettingsKey(SettingsRoot root, const QString& keyPath) {
  CSettingsTree current;
  if (LoadSettingsTree(root, current) == SettingsLoad::Damaged) return;
  if (!current.CreateKey(keyPath)) return;
  UpdateSettingsTree(root, [&](CSettingsTree& tree) { return tree.CreateKey(keyPath); });
}

QString SettingsStoreProblem() {
  for (SettingsRoot root : {SettingsRoot::CurrentUser, SettingsRoot::ClassesRoot}) {
    CSettingsTree tree;
    if (LoadSettingsTree(root, tree) == SettingsLoad::Damaged) return SettingsFilePath(root);
  }
  return QString();
}
