#pragma once
// Files, word lists and settings as the tests prepare and inspect them.
#include <sys/resource.h>

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "wordlist/WordList.h"

// The whole file; empty when it cannot be read.
QByteArray ReadAll(const QString& path);
// Writes data as the whole file; false when that fails.
bool WriteFile(const QString& path, const QByteArray& data);

struct TestWord {
  std::string foreign;
  std::string translation;
  int mark = 0;
};

// A new list of these words, in this order.
CWordList ListOf(const std::vector<TestWord>& words);
// Writes them as a version 2 list file; false when that fails.
bool SaveList(const QString& path, const std::vector<TestWord>& words);

// "foreign/translation/mark" of every word, in the list's order.
QStringList WordsOf(const CWordList& list);

// A catalog text with its "%s" replaced by path.
QString WithPath(unsigned text, const QString& path);

// A new empty settings folder of the test's own (VOKABIT_CONFIG_DIR points
// at it) and the catalogs in language (1: English); null when the folder
// cannot be made.
std::unique_ptr<QTemporaryDir> FreshSettings(int language = 1);
// Writes name=value under key of the user's settings, making the key first.
void StoreSetting(QLatin1String key, QLatin1String name, const QString& value);

// Writes the start-up defaults into the private settings store of the test,
// with the texts of the current language.
void ApplyTestDefaults(const QString& programDirectory);

// While it lives, no file of this process can grow past bytes: a write
// beyond fails as on a full disk (SIGXFSZ is ignored meanwhile). Needs no
// privileges.
class CFileSizeLimit {
 public:
  explicit CFileSizeLimit(rlim_t bytes);
  ~CFileSizeLimit();
  CFileSizeLimit(const CFileSizeLimit&) = delete;
  CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

 private:
  rlimit m_saved{};
  void (*m_oldHandler)(int) = nullptr;
};

// A real file system of the given size (a tmpfs on a folder of its own), for
// writes that meet a full disk. Mounting needs privileges: where it cannot be
// had, IsMounted() is false and the test skips.
class CSmallFileSystem {
 public:
  explicit CSmallFileSystem(qint64 bytes);
  ~CSmallFileSystem();
  CSmallFileSystem(const CSmallFileSystem&) = delete;
  CSmallFileSystem& operator=(const CSmallFileSystem&) = delete;

  bool IsMounted() const { return m_mounted; }
  QString FilePath(const QString& name) const { return m_dir.filePath(name); }
  // Fills the file system with a file of its own until at most free bytes
  // are left; false when that fails.
  bool FillUpTo(qint64 free);
  qint64 FreeBytes() const;

 private:
  QTemporaryDir m_dir;
  bool m_mounted = false;
};
