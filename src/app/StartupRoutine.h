#pragma once
#include <QString>

// The settings part of a start without a file: the program's keys and every
// missing default, the list file associations and the stored language. Returns
// the warnings to show the user (empty when all went well).
QString RunStartupSettings(const QString& programDirectory, const QString& programPath);

// The settings part of a start with a list file: every missing default (a
// first start by a double click must not find its options missing) and the
// stored language, but not the associations. Returns the warnings to show:
// a damaged settings file is reported on this start too.
QString RunStartupWithFile(const QString& programDirectory);

// Applies the language stored in the settings, when there is one. False when
// a stored language could not be loaded.
bool ApplyStoredLanguage();
