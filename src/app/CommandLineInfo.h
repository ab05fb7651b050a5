#pragma once
#include <QString>
#include <QStringList>

// What the command line asks for, split the way the desktop's association
// commands write it: parameters separated by blanks, a parameter in double
// quotation marks may hold blanks, "-" or "/" starts a switch (a slash only
// before a single name, since it also starts every absolute path), the first
// parameter that is no switch is the file.
class CCommandLineInfo {
 public:
  enum ShellCommand { FileNew, FileOpen, FilePrint, FileOther };

  ShellCommand m_shellCommand = FileNew;
  QString m_fileName;
  bool m_showSplash = true;

  // Parses the program's arguments (without the program itself).
  void Parse(const QStringList& args);

  // Splits a whole command line into parameters.
  static QStringList Split(const QString& commandLine);
};
