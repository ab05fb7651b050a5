#pragma once
// Yes/no and number settings of the current user, kept in the text the
// settings files have always held: "TRUE"/"FALSE" and decimal digits.
#include <QString>

// True only for exactly "TRUE"; anything else, also a missing value, is false.
bool ReadBoolSetting(const QString& keyPath, const QString& valueName);
bool WriteBoolSetting(const QString& keyPath, const QString& valueName, bool value);

// The leading decimal integer of the value (0 when it has none).
int ReadIntSetting(const QString& keyPath, const QString& valueName);
bool WriteIntSetting(const QString& keyPath, const QString& valueName, int value);
