#pragma once
#include <QString>

// The folder with the program's data (catalogs, help, tips, sounds): the
// VOKABIT_DATA_DIR environment variable when set, else share/vokabit beside
// the program's bin folder (build tree and installation alike), else a data
// folder beside the program. Always ends without a slash.
QString DataDirectory();

// A path taken from the data folder's point of view: an absolute path is
// returned as it is, a relative one (such as the default sound path of the
// language texts, "sounds/ding.wav") is taken inside DataDirectory().
QString DataFilePath(const QString& path);
