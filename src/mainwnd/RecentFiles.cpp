#include "RecentFiles.h"

#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsTree.h"

namespace {

QString ValueName(int index) {
  return QStringLiteral("Tidigare%1").arg(index + 1);
}

CRecentFiles::Entries ReadFrom(const CSettingsTree& tree) {
  CRecentFiles::Entries entries;
  for (int i = 0; i < CRecentFiles::kCount; ++i) entries[i] = tree.Value(kKeyMru, ValueName(i));
  return entries;
}

bool WriteTo(CSettingsTree& tree, const CRecentFiles::Entries& entries) {
  bool changed = false;
  for (int i = 0; i < CRecentFiles::kCount; ++i)
    changed |= tree.SetValue(kKeyMru, ValueName(i), entries[i]);
  return changed;
}

// Reads the entries, lets change rework them and stores the result, all
// under the store's lock: another copy of the program that opens a file at
// the same moment must not lose its entry, nor make this one lose ours.
CRecentFiles::Entries Update(const std::function<void(CRecentFiles::Entries&)>& change) {
  CRecentFiles::Entries result;
  bool done = false;
  UpdateSettingsTree(SettingsRoot::CurrentUser, [&](CSettingsTree& tree) {
    result = ReadFrom(tree);
    change(result);
    done = true;
    return WriteTo(tree, result);
  });
  if (done) return result;
  // The store could not be locked or is damaged: show what a change of what
  // is there would give.
  result = CRecentFiles::Read();
  change(result);
  return result;
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
  UpdateSettingsTree(SettingsRoot::CurrentUser,
                     [&](CSettingsTree& tree) { return WriteTo(tree, entries); });
}

CRecentFiles::Entries CRecentFiles::Touch(const QString& path) {
  // Every menu rebuild touches the open file; when it is in front already
  // there is nothing to lock for.
  if (const Entries now = Read(); now[0] == path) return now;
  return Update([&path](Entries& entries) {
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
  });
}

CRecentFiles::Entries CRecentFiles::Remove(const QString& path) {
  return Update([&path](Entries& entries) {
    // The entries after it move up; the last one becomes empty.
    int to = 0;
    for (int i = 0; i < kCount; ++i)
      if (entries[i] != path) entries[to++] = entries[i];
    for (; to < kCount; ++to) entries[to].clear();
  });
}

QString CRecentFiles::MenuText(int index, const QString& path) {
  return QStringLiteral("%1. ").arg(index + 1) + path;
}
