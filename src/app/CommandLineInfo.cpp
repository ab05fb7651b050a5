#include "CommandLineInfo.h"

#include <QFileInfo>

namespace {

// "/" starts both a switch and an absolute path here: a parameter is a slash
// switch only when it is a single name ("/p", "/Embedding") that names no
// existing file.
bool IsSwitch(const QString& arg) {
  if (arg.size() < 2) return false;
  if (arg.startsWith(QLatin1Char('-'))) return true;
  if (!arg.startsWith(QLatin1Char('/'))) return false;
  return arg.indexOf(QLatin1Char('/'), 1) < 0 && !QFileInfo::exists(arg);
}

}  // namespace

void CCommandLineInfo::Parse(const QStringList& args) {
  m_shellCommand = FileNew;
  m_fileName.clear();
  m_showSplash = true;
  bool print = false;
  bool other = false;
  for (const QString& arg : args) {
    if (IsSwitch(arg)) {
      const QString name = arg.mid(1);
      if (name == QLatin1String("p")) {  // the letter is matched with case
        print = true;
      } else {
        other = true;
        if (name.compare(QLatin1String("Embedding"), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String("Automation"), Qt::CaseInsensitive) == 0) {
          m_showSplash = false;
        }
      }
      continue;
    }
    if (m_fileName.isEmpty() && !arg.isEmpty()) m_fileName = arg;  // later paths are ignored
  }
  if (print) {
    m_shellCommand = FilePrint;
  } else if (!m_fileName.isEmpty()) {
    m_shellCommand = FileOpen;
  } else if (other) {
    m_shellCommand = FileOther;
  }
}

QStringList CCommandLineInfo::Split(const QString& commandLine) {
  QStringList result;
  QString current;
  bool quoted = false;
  bool inParam = false;
  for (const QChar ch : commandLine) {
    if (ch == QLatin1Char('"')) {
      quoted = !quoted;
      inParam = true;
    } else if (!quoted && (ch == QLatin1Char(' ') || ch == QLatin1Char('\t'))) {
      if (inParam) result.append(current);
      current.clear();
      inParam = false;
    } else {
      current.append(ch);
      inParam = true;
    }
  }
  if (inParam) result.append(current);
  return result;
}
