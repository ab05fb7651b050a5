#include "DataDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString ProgramDirectory() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  // Without an application object (tools, early start-up) ask the kernel.
  const QFileInfo self(QStringLiteral("/proc/self/exe"));
  return QFileInfo(self.canonicalFilePath()).absolutePath();
}

}  // namespace

QString DataDirectory() {
  const QString fromEnv = qEnvironmentVariable("VOKABIT_DATA_DIR");
  if (!fromEnv.isEmpty()) return QDir::cleanPath(QDir(fromEnv).absolutePath());

  const QString appDir = ProgramDirectory();
  const QString shared = QDir::cleanPath(appDir + QStringLiteral("/../share/vokabit"));
  if (QFileInfo(shared).isDir()) return shared;
  return QDir::cleanPath(appDir + QStringLiteral("/data"));
}

QString DataFilePath(const QString& path) {
  if (path.isEmpty() || QDir::isAbsolutePath(path)) return path;
  return QDir::cleanPath(DataDirectory() + QLatin1Char('/') + path);
}
