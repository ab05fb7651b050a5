#pragma once
// The language of the whole program: the language library's texts and Qt's
// own texts (file dialogs, message box buttons, the print dialog, the context
// menus of edit fields), switched together.
#include <QString>

// Switches the language library to language index and Qt's texts with it.
// 0 on success; otherwise the library's refusal, and nothing changes.
int SetProgramLanguage(int index);

// Applies the language stored in the settings, when there is one; Qt's texts
// follow the library's language in any case. False when a stored language
// could not be loaded.
bool ApplyStoredLanguage();

// Installs Qt's translations for the language the library has now (its text
// kTxtQtLocale names the locale), in place of those of the language before.
// directory holds Qt's translation files; empty means Qt's own folder.
// Missing translation files are no error: Qt then shows its English texts,
// apart from the few the program translates itself. True when Qt's
// translation files were found and installed.
bool InstallQtTranslations(const QString& directory = QString());
