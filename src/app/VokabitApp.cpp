#include "VokabitApp.h"

#include <QDir>

#include "CommandLineInfo.h"
#include "DataDir.h"
#include "HelpViewer.h"
#include "MainDlg.h"
#include "QtPlatform.h"
#include "QtPrinter.h"
#include "StartupDlg.h"
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
  platform.SetPrintDialogHandler(&ShowQtPrintDialog);
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
    if (!RunStartupDialog()) return false;
  } else {
    // A start with a file leaves the associations alone, but a first start
    // by a double click must not find its options missing (no words to
    // practise, no special characters), so missing defaults are written too.
    // It speaks the language the user chose.
    const QString warnings = PrepareStartWithFile(DataDirectory() + QLatin1Char('/'));
    if (!warnings.isEmpty())
      platform.MessageBox(warnings, MessageButtons::Ok, MessageIcon::Warning);
  }
  // A start without a list shows the tip of the day once the window is up.
  dlg.m_showTip = dlg.m_startFile.isEmpty();
  dlg.exec();
  m_exitCode = dlg.ExitCode();
  return false;
}

bool CVokabitApp::RunStartupDialog() {
  CQtPlatform platform;
  platform.SetHelpHandler(&ShowHelp);
  CStartupDlg startup(platform);
  platform.SetParentWindow(&startup);
  // Anything but the dialog's own close ends the program.
  if (startup.exec() != QDialog::Accepted) return false;
  if (!startup.HelpFile().isEmpty()) m_helpFilePath = startup.HelpFile();
  return true;
}

int CVokabitApp::ExitInstance() {
  return m_exitCode;
}
