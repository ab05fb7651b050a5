#include "VokabitApp.h"

#include <QDir>
#include <QFileInfo>

#include "CommandLineInfo.h"
#include "DataDir.h"
#include "HelpViewer.h"
#include "LangText.h"
#include "MainDlg.h"
#include "QtPlatform.h"
#include "Settings.h"
#include "SettingsDefaults.h"
#include "SettingsKeys.h"
#include "StartupRoutine.h"

namespace {
CVokabitApp* g_theApp = nullptr;
}

CVokabitApp* TheApp() {
  return g_theApp;
}

CVokabitApp::CVokabitApp(int& argc, char** argv) : QApplication(argc, argv) {
  g_theApp = this;
  setApplicationName(QStringLiteral("Vokabit"));
  setOrganizationName(QStringLiteral("Brannvik"));
  setDesktopFileName(QStringLiteral("vokabit"));
  m_helpFilePath = QDir(DataDirectory()).filePath(QStringLiteral("help/index.html"));
}

bool CVokabitApp::InitInstance() {
  CQtPlatform platform;
  platform.SetHelpHandler(&ShowHelp);
  CMainDlg dlg(platform);
  platform.SetParentWindow(&dlg);

  CCommandLineInfo cmdInfo;
  QStringList args = arguments();
  args.removeFirst();
  cmdInfo.Parse(args);
  switch (cmdInfo.m_shellCommand) {
    case CCommandLineInfo::FileOpen:
      dlg.m_startFile = cmdInfo.m_fileName;
      break;
    case CCommandLineInfo::FilePrint:
      dlg.m_startFile = cmdInfo.m_fileName;
      dlg.m_printAndExit = true;
      break;
    default:
      dlg.m_startFile.clear();
      dlg.m_showStartup = cmdInfo.m_showSplash;
      break;
  }

  if (dlg.m_showStartup) {
    // The program directory is the data folder, with its trailing separator.
    const QString programDir = DataDirectory() + QLatin1Char('/');
    const QString warnings =
        RunStartupSettings(programDir, QFileInfo(applicationFilePath()).absoluteFilePath());
    const QString helpFile =
        ReadSetting(SettingsRoot::CurrentUser, kKeyVokabit30, QStringLiteral("HelpFile"));
    if (!helpFile.isEmpty()) m_helpFilePath = helpFile;
    if (!warnings.isEmpty())
      platform.MessageBox(warnings, MessageButtons::Ok, MessageIcon::Warning);
  } else {
    // A start with a file leaves the associations alone, but a first start
    // by a double click must not find its options missing (no words to
    // practise, no special characters), so missing defaults are written too.
    // It speaks the language the user chose.
    const QString warnings = RunStartupWithFile(DataDirectory() + QLatin1Char('/'));
    if (!warnings.isEmpty())
      platform.MessageBox(warnings, MessageButtons::Ok, MessageIcon::Warning);
  }
  dlg.exec();
  return false;
}

int CVokabitApp::ExitInstance() {
  return 0;
}
