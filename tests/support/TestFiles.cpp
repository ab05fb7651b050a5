#include "TestFiles.h"

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <csignal>

#include <QFile>

#include "lang/LangText.h"
#include "lang/VkLang.h"
#include "settings/Settings.h"
#include "settings/SettingsDefaults.h"

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

CWordList ListOf(const std::vector<TestWord>& words) {
  CWordList list;
  for (const TestWord& w : words) (void)list.AddWord(w.foreign, w.translation, w.mark);
  return list;
}

bool SaveList(const QString& path, const std::vector<TestWord>& words) {
  return ListOf(words).SaveTo(path, QStringLiteral("VK2")) == FileResult::Done;
}

QStringList WordsOf(const CWordList& list) {
  QStringList words;
  for (int i = 0; i < list.GetCount(); ++i)
    words << QString::fromStdString(list.GetForeign(i) + '/' + list.GetTranslation(i) + '/' +
                                    std::to_string(list.GetMark(i)));
  return words;
}

QString WithPath(unsigned text, const QString& path) {
  QString s = LangQText(text);
  const qsizetype at = s.indexOf(QLatin1String("%s"));
  if (at >= 0) s.replace(at, 2, path);
  return s;
}

std::unique_ptr<QTemporaryDir> FreshSettings(int language) {
  auto dir = std::make_unique<QTemporaryDir>();
  if (!dir->isValid()) return nullptr;
  qputenv("VOKABIT_CONFIG_DIR", QFile::encodeName(dir->path()));
  return VKLangSetLanguage(language) == 0 ? std::move(dir) : nullptr;
}

void StoreSetting(QLatin1String key, QLatin1String name, const QString& value) {
  CreateSettingsKey(SettingsRoot::CurrentUser, key);
  WriteSetting(SettingsRoot::CurrentUser, key, name, value);
}

void ApplyTestDefaults(const QString& programDirectory) {
  ApplySettingsDefaults(programDirectory, [](unsigned n) { return LangQText(n); });
}

CFileSizeLimit::CFileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &m_saved);
  m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = m_saved;
  small.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &small);
}

CFileSizeLimit::~CFileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &m_saved);
  std::signal(SIGXFSZ, m_oldHandler);
}

CSmallFileSystem::CSmallFileSystem(qint64 bytes) {
  if (!m_dir.isValid()) return;
  const QByteArray options = "size=" + QByteArray::number(bytes);
  m_mounted = mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, options.constData()) == 0;
}

CSmallFileSystem::~CSmallFileSystem() {
  if (m_mounted) umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

qint64 CSmallFileSystem::FreeBytes() const {
  struct statvfs info {};
  if (statvfs(QFile::encodeName(m_dir.path()).constData(), &info) != 0) return -1;
  return qint64(info.f_bavail) * qint64(info.f_frsize);
}

bool CSmallFileSystem::FillUpTo(qint64 free) {
  QFile filler(FilePath(QStringLiteral(".filler")));
  if (!filler.open(QIODevice::Append | QIODevice::Unbuffered)) return false;
  const QByteArray block(4096, 'x');
  while (FreeBytes() > free && filler.write(block) == block.size()) {
  }
  return FreeBytes() <= free;
}
