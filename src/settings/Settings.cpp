#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "SettingsFile.h"
#include "SettingsTree.h"

namespace {

// A write normally holds the lock for a few milliseconds; a copy of the
// program that hangs while holding it must not block the others for long.
constexpr int kLockWaitMs = 5000;
constexpr int kStaleLockMs = 10000;

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

SettingsLoad LoadSettingsTree(SettingsRoot root, CSettingsTree& tree) {
  tree = CSettingsTree();
  const QString path = SettingsFilePath(root);
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return SettingsLoad::Missing;
  // Only a regular file: a directory cannot be read, and a pipe or a device
  // could block the program or never end.
  if (!info.isFile() || info.size() > CSettingsTree::kMaxFileSize) return SettingsLoad::Damaged;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return SettingsLoad::Damaged;
  const QByteArray bytes = file.read(CSettingsTree::kMaxFileSize + 1);
  if (file.error() != QFileDevice::NoError) return SettingsLoad::Damaged;
  return tree.Parse(bytes) ? SettingsLoad::Loaded : SettingsLoad::Damaged;
}

bool UpdateSettingsTree(SettingsRoot root, const std::function<bool(CSettingsTree&)>& change) {
  const QString path = SettingsFilePath(root);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;

  // Read, change and replace under the lock, so that two copies of the
  // program writing at once do not lose each other's values. Readers need
  // no lock: the file is replaced by a rename, never rewritten in place.
  QLockFile lock(path + QStringLiteral(".lock"));
  lock.setStaleLockTime(kStaleLockMs);
  if (!lock.tryLock(kLockWaitMs)) return false;

  CSettingsTree tree;
  // A damaged file is kept for the user to see; writing would replace it by
  // a tree that lacks everything it held.
  if (LoadSettingsTree(root, tree) == SettingsLoad::Damaged) return false;
  if (!change(tree)) return true;

  const QByteArray bytes = tree.ToBytes();
  if (bytes.size() > CSettingsTree::kMaxFileSize) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
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
  if (LoadSettingsTree(root, current) == SettingsLoad::Damaged) return true;
  if (!current.SetValue(keyPath, valueName, value)) return true;
  UpdateSettingsTree(root,
                     [&](CSettingsTree& tree) { return tree.SetValue(keyPath, valueName, value); });
  return true;
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
