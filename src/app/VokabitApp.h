#pragma once
#include <QApplication>

// The application object: prepares the desktop services, reads the command
// line, and runs the main window until it ends.
class CVokabitApp : public QApplication {
  Q_OBJECT

 public:
  CVokabitApp(int& argc, char** argv);

  // Runs the whole program; returns when the main window has ended.
  bool InitInstance();
  // The program's exit status: non-zero when a file of the command line
  // could not be read or printed.
  int ExitInstance();

 private:
  // The start-up picture with the start-up routine; false when the user
  // ended it, and with it the program.
  bool RunStartupDialog();
  int m_exitCode = 0;
};
