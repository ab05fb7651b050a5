#include "VokabitApp.h"

#include "ApplicationDialogs.h"
#include "CommandLineInfo.h"
#include "HelpViewer.h"
#include "StartupDlg.h"
#include "StartupRoutine.h"
#include "lang/DataDir.h"
#include "mainwnd/MainDlg.h"
#include "platform/QtPlatform.h"
#include "print/QtPrinter.h"

CVokabitApp::CVokabitApp(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Vokabit"));
  setOrganizationName(QStringLiteral("Brannvik"));
  setDesktopFileName(QStringLiteral("vokabit"));
}

bool CVokabitApp::InitInstance() {
  CQtPlatform platform;
  platform.SetHelpHandler(&ShowHelp);
  platform.SetPrintDialogHandler(&ShowQtPrintDialog);
  CApplicationDialogs dialogs;
  CMainDlg dlg(platform, dialogs);
  platform.SetParentWindow(&dlg);

  CCommandLineInfo cmdInfo;
  QStringList args = arguments();
  args.removeFirst();
  cmdInfo.Parse(args);
  const bool print = cmdInfo.m_shellCommand == CCommandLineInfo::FilePrint;
  const bool withFile = print || cmdInfo.m_shellCommand == CCommandLineInfo::FileOpen;
  const QString startFile = withFile ? cmdInfo.m_fileName : QString();
  dlg.SetStartFile(startFile, print);
  const bool showStartup = !withFile && cmdInfo.m_showSplash;

  if (showStartup) {
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
  dlg.SetShowTip(startFile.isEmpty());
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
  return startup.exec() == QDialog::Accepted;
}

int CVokabitApp::ExitInstance() {
  return m_exitCode;
}
