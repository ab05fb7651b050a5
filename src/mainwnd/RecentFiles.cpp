#include "RecentFiles.h"

#include "Settings.h"
#include "SettingsKeys.h"

namespace {
QString ValueName(int index) {
  return QStringLiteral("Tidigare%1").arg(index + 1);
}
}  // namespace

CRecentFiles::Entries CRecentFiles::Read() {
  Entries entries;
  for (int i = 0; i < kCount; ++i) {
    entries[i] = ReadSetting(SettingsRoot::CurrentUser, kKeyMru, ValueName(i));
  }
  return entries;
}

void CRecentFiles::Write(const Entries& entries) {
  for (int i = 0; i < kCount; ++i) {
    WriteSetting(SettingsRoot::CurrentUser, kKeyMru, ValueName(i), entries[i]);
  }
}

CRecentFiles::Entries CRecentFiles::Touch(const QString& path) {
  Entries entries = Read();
  // Where the path stands now; an entry 4 or an unlisted path both shift all.
  int from = kCount - 1;
  for (int i = 0; i < kCount - 1; ++i) {
    if (entries[i] == path) {
      from = i;
      break;
    }
  }
  for (int i = from; i > 0; --i) entries[i] = entries[i - 1];
  entries[0] = path;
  Write(entries);
  return entries;
}

QString CRecentFiles::MenuText(int index, const QString& path) {
  return QStringLiteral("%1. ").arg(index + 1) + path;
}
