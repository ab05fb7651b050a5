#pragma once
// The settings store: a tree of keys below two roots, each key with string
// values and a default-value slot (the empty value name). Key and value
// names match without regard to case. Every read sees the store as it is on
// disk, so a value written anywhere is seen by the next read, also in another
// running copy of the program; a file is parsed again only when it changed.
//
// The store lives in one file per root under $VOKABIT_CONFIG_DIR, else
// $XDG_CONFIG_HOME/vokabit (~/.config/vokabit). Writes are atomic and
// serialised under a lock file.
#include <functional>

#include <QString>

enum class SettingsRoot {
  CurrentUser,  // every setting of the program
  ClassesRoot,  // the list file associations
};

// The value, or the empty string when the key or the value does not exist.
QString ReadSetting(SettingsRoot root, const QString& keyPath, const QString& valueName);

// Stores the value into an existing key (valueName empty: the key's default
// value). A write into a missing key does nothing. False when the value could
// not be stored: the settings file is damaged, or it could not be written
// (then the failure handler has been told).
bool WriteSetting(SettingsRoot root, const QString& keyPath, const QString& valueName,
                  const QString& value);

// Creates the key and any missing parent keys; an existing key is unchanged.
void CreateSettingsKey(SettingsRoot root, const QString& keyPath);

// While one lives, the writes into its root (WriteSetting, CreateSettingsKey)
// are gathered and stored together when it ends: one replace of the file
// under one lock, and none when they change nothing. Reads in the meantime
// see them. Inside, WriteSetting returns true; a write that then fails goes
// to the failure handler, as any other. Batches may nest: the outermost
// stores.
class CSettingsBatch {
 public:
  explicit CSettingsBatch(SettingsRoot root = SettingsRoot::CurrentUser);
  ~CSettingsBatch();
  CSettingsBatch(const CSettingsBatch&) = delete;
  CSettingsBatch& operator=(const CSettingsBatch&) = delete;

 private:
  SettingsRoot m_root;
};

// Called when a write into the store fails (no lock, a full disk, a folder
// that cannot be written), with the settings file's path; a run of failures
// calls it once, until a write succeeds again. A damaged file is not
// reported here: SettingsStoreProblem tells about it.
using SettingsFailureHandler = std::function<void(const QString& path)>;
void SetSettingsFailureHandler(SettingsFailureHandler handler);

// The folder that holds the settings files, and the file of one root.
QString SettingsDirectory();
QString SettingsFilePath(SettingsRoot root);

// The path of a settings file that exists but cannot be read as one (not a
// regular file, unreadable, or not in the store's format), or the empty
// string when both are fine. Such a file is left alone: it reads as empty
// and every write into it is refused, so start-up can tell the user which
// file to repair or remove.
QString SettingsStoreProblem();
