#include "QtPlatform.h"

#include <algorithm>

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "PlatformTexts.h"
#include "SoundModule.h"
#include "lang/DataDir.h"
#include "lang/LangText.h"

CQtPlatform::CQtPlatform() : m_sound(std::make_unique<CSoundModule>()) {}

CQtPlatform::~CQtPlatform() = default;

void CQtPlatform::SetSoundModulePath(const QString& path) {
  m_sound = std::make_unique<CSoundModule>(path);
}

const CSoundModule& CQtPlatform::SoundModule() const {
  return *m_sound;
}

int CQtPlatform::MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) {
  QMessageBox box(m_parent);
  QString caption = StringTableQText(kStrAppName);
  if (caption.isEmpty()) caption = QStringLiteral("Vokabit");
  box.setWindowTitle(caption);
  box.setText(text);
  switch (icon) {
    case MessageIcon::None:
      box.setIcon(QMessageBox::NoIcon);
      break;
    case MessageIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case MessageButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      break;
  }
  // The wait cursor must not hide over a question.
  const bool waiting = QApplication::overrideCursor() != nullptr;
  if (waiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (waiting) QApplication::restoreOverrideCursor();
  switch (answer) {
    case QMessageBox::Ok:
      return kIdOk;
    case QMessageBox::Yes:
      return kIdYes;
    case QMessageBox::No:
      return kIdNo;
    default:
      return kIdCancel;
  }
}

QStringList CQtPlatform::ToQtFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString desc = parts[i].trimmed();
    if (desc.isEmpty()) break;  // "||" ends the list
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt takes the patterns from the parentheses of the entry.
    QString entry = desc;
    const int open = entry.lastIndexOf(QLatin1Char('('));
    if (open >= 0) entry = entry.left(open).trimmed();
    entry += QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
    result.append(entry);
  }
  return result;
}

bool CQtPlatform::RunFileDialog(bool save, const FileDialogRequest& request,
                                FileDialogResult& result) {
  QFileDialog dialog(m_parent, request.title);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  const QStringList filters = ToQtFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = std::clamp(request.filterIndex, 1, int(filters.size())) - 1;
    dialog.selectNameFilter(filters[index]);
  }
  if (!request.initialPath.isEmpty()) {
    const QFileInfo info(request.initialPath);
    if (info.isDir()) {
      dialog.setDirectory(info.absoluteFilePath());
    } else {
      if (info.isAbsolute() && info.dir().exists()) dialog.setDirectory(info.absolutePath());
      dialog.selectFile(info.fileName());
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  result.path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
  result.fileName = QFileInfo(result.path).fileName();
  const int dot = result.fileName.lastIndexOf(QLatin1Char('.'));
  result.extension = dot >= 0 ? result.fileName.mid(dot + 1) : QString();
  result.filterIndex = filters.indexOf(dialog.selectedNameFilter()) + 1;
  if (result.filterIndex < 1) result.filterIndex = 1;
  return true;
}

bool CQtPlatform::GetOpenFileName(const FileDialogRequest& request, FileDialogResult& result) {
  return RunFileDialog(false, request, result);
}

bool CQtPlatform::GetSaveFileName(const FileDialogRequest& request, FileDialogResult& result) {
  return RunFileDialog(true, request, result);
}

void CQtPlatform::BeginWaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtPlatform::EndWaitCursor() {
  QApplication::restoreOverrideCursor();
}

QString CQtPlatform::ResolveSoundPath(const QString& path) {
  if (path.isEmpty()) return path;
  const QFileInfo info(path);
  if (info.isAbsolute()) return path;
  return QDir(DataDirectory()).filePath(path);
}

void CQtPlatform::PlaySound(const QString& path) {
  const QString file = ResolveSoundPath(path);
  if (file.isEmpty() || !QFileInfo(file).isFile()) return;
  if (CSoundPlayer* player = m_sound->Player()) player->Play(file);
}

void CQtPlatform::ShellOpen(const QString& url) {
  QDesktopServices::openUrl(QUrl(url));
}

void CQtPlatform::ShowHelp(const QString& helpFile, unsigned context) {
  // Help asked for in a modal dialog belongs to the dialog: over the main
  // window the dialog would lock it out and could cover it.
  QWidget* owner = QApplication::activeModalWidget();
  if (!owner) owner = m_parent;
  if (m_helpHandler) m_helpHandler(owner, helpFile, context);
}

std::unique_ptr<CPrintTarget> CQtPlatform::ShowPrintDialog(const QString& documentName) {
  if (!m_printDialogHandler) return nullptr;
  return m_printDialogHandler(m_parent, documentName);
}
