#include "ProgramHelp.h"

#include <QDir>

#include "Platform.h"
#include "lang/DataDir.h"
#include "settings/Settings.h"
#include "settings/SettingsDefaults.h"
#include "settings/SettingsKeys.h"

QString ProgramHelpFile() {
  const QString file = ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueHelpFile);
  return file.isEmpty() ? QDir(DataDirectory()).filePath(kHelpFileInProgramDirectory) : file;
}

void ShowProgramHelp(CPlatform& platform, unsigned topic) {
  platform.ShowHelp(ProgramHelpFile(), topic);
}
