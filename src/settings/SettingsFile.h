#pragma once
// Whole-file access to one root of the settings store, for work that reads
// or changes many values at once (the start-up defaults) and so should take
// the lock and replace the file once.
#include <functional>

#include "Settings.h"

class CSettingsTree;

enum class SettingsLoad {
  Missing,  // no file yet: the tree is empty
  Loaded,
  Damaged,  // a file that is not a readable settings file: the tree is empty
};

SettingsLoad LoadSettingsTree(SettingsRoot root, CSettingsTree& tree);

// Under the lock: loads the root's tree, lets change alter it and, when it
// returns true, saves the tree atomically. The whole read-modify-write
// happens under the lock, so no other copy's write comes between. False when
// the file is damaged, the lock cannot be had, or saving fails; the file is
// then as it was, and the last two are reported to the failure handler.
bool UpdateSettingsTree(SettingsRoot root, const std::function<bool(CSettingsTree&)>& change);
