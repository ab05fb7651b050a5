#pragma once
// One root of the settings store in memory: the keys by path, each with its
// string values; the empty value name is the key's default-value slot. Key
// paths are backslash-separated; empty path components are ignored and the
// empty path is the root itself, which always exists. Key and value names
// match without regard to case and keep the case they were first written in.
//
// On disk a root is a JSON document:
//   {
//       "format": 1,
//       "keys": {
//           "SOFTWARE": {},
//           "SOFTWARE\\Brannvik": { "Mail": "...", "": "default value" }
//       }
//   }
// Every key is listed with its full path, parents included.
#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

class CSettingsTree {
 public:
  // Largest settings file the store reads or writes; anything bigger is not
  // one of ours.
  static constexpr qsizetype kMaxFileSize = 16 * 1024 * 1024;

  // Replaces the tree by the file's contents. False, with the tree left
  // empty, when the bytes are not a settings file of this format.
  bool Parse(const QByteArray& bytes);
  QByteArray ToBytes() const;

  // The value, or the empty string when the key or the value is missing.
  QString Value(const QString& keyPath, const QString& valueName) const;
  // Stores the value into an existing key. True when the tree changed.
  bool SetValue(const QString& keyPath, const QString& valueName, const QString& value);
  // Creates the key and its missing parents. True when the tree changed.
  bool CreateKey(const QString& keyPath);

 private:
  struct Key {
    QString path;        // as stored
    QString normalized;  // without empty components, for matching
    QList<std::pair<QString, QString>> values;
  };

  static QStringList Components(const QString& keyPath);
  const Key* FindKey(const QString& normalizedPath) const;
  Key* FindKey(const QString& normalizedPath);

  QList<Key> m_keys;
};
