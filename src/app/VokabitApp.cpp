#include "VokabitApp.h"

#include <QDir>
#include <QIcon>

#include "CommandLineInfo.h"
#include "DataDir.h"
#include "MainDlg.h"
#include "QtPlatform.h"

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
  dlg.exec();
  return false;
}

int CVokabitApp::ExitInstance() {
  return 0;
}
