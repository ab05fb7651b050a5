#pragma once
#include <array>

#include <QString>

// The four most recently used list files, newest first. The settings store is
// the master copy: every operation reads it afresh.
class CRecentFiles {
 public:
  static constexpr int kCount = 4;
  using Entries = std::array<QString, kCount>;

  static Entries Read();
  static void Write(const Entries& entries);

  // Moves path to the front (an exact comparison decides whether it is
  // already listed), stores the result and returns it. Read, change and
  // store are one step under the store's lock.
  static Entries Touch(const QString& path);

  // Takes path out of the list (the entries after it move up), stores the
  // result and returns it; one step under the lock as well.
  static Entries Remove(const QString& path);

  // The menu text of entry index (0-based): "1. " and the path.
  static QString MenuText(int index, const QString& path);
};
