#pragma once
// Whole-file access to one root of the settings store, for work that reads
// or changes many values at once (the start-up defaults, the recent files)
// and so should take the lock and replace the file once.
#include <functional>

#include "Settings.h"

class CSettingsTree;

enum class SettingsLoad {
  Missing,  // no file yet: the tree is empty
  Loaded,
  Damaged,  // a file that is not a readable settings file: the tree is empty
};

// The root's tree as the file holds it now. A parsed file is kept and used
// again while the file's stamp (device, inode, size, modification and change
// time) is unchanged, once the file is older than the file system's
// timestamp step; a younger file is read and compared with what was parsed.
SettingsLoad LoadSettingsTree(SettingsRoot root, CSettingsTree& tree);

// The timestamp step assumed above (negative: the default of two seconds,
// enough for any file system). Tests set 0 to have stamps trusted at once.
void SetSettingsTimestampStep(qint64 nanoseconds);

// Under the lock: loads the root's tree, lets change alter it and, when it
// returns true, saves the tree atomically. The whole read-modify-write
// happens under the lock, so no other copy's write comes between. False when
// the file is damaged, the lock cannot be had, or saving fails; the file is
// then as it was, and the last two are reported to the failure handler.
bool UpdateSettingsTree(SettingsRoot root, const std::function<bool(CSettingsTree&)>& change);

// The same, but change is first tried on the file as it is, without the
// lock: when it changes nothing there, nothing is locked or written. change
// may thus run twice, and must only alter the tree it is given.
bool ChangeSettingsTree(SettingsRoot root, const std::function<bool(CSettingsTree&)>& change);
