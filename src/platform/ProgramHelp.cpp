#include "ProgramHelp.h"

#include <QDir>

#include "DataDir.h"
#include "Platform.h"
#include "Settings.h"
#include "SettingsDefaults.h"
#include "SettingsKeys.h"

QString ProgramHelpFile() {
  const QString file = ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit30, kValueHelpFile);
  return file.isEmpty() ? QDir(DataDirectory()).filePath(kHelpFileInProgramDirectory) : file;
}

void ShowProgramHelp(CPlatform& platform, unsigned topic) {
  platform.ShowHelp(ProgramHelpFile(), topic);
}
