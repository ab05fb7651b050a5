#include "FakePlatform.h"

#include <QFileInfo>

void CFakePlatform::QueueFile(const QString& path, int filterIndex) {
  FileDialogResult r;
  r.path = path;
  r.fileName = QFileInfo(path).fileName();
  const int dot = r.fileName.lastIndexOf(QLatin1Char('.'));
  r.extension = dot >= 0 ? r.fileName.mid(dot + 1) : QString();
  r.filterIndex = filterIndex;
  m_files.push_back(r);
}

int CFakePlatform::MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) {
  m_messages.push_back({text, buttons, icon});
  if (!m_answers.empty()) {
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  }
  return buttons == MessageButtons::Ok ? kIdOk : kIdCancel;
}

bool CFakePlatform::NextFile(bool save, const FileDialogRequest& request,
                             FileDialogResult& result) {
  m_dialogs.push_back({save, request});
  if (m_files.empty()) return false;
  result = m_files.front();
  m_files.pop_front();
  return !result.path.isEmpty();
}

bool CFakePlatform::GetOpenFileName(const FileDialogRequest& request, FileDialogResult& result) {
  return NextFile(false, request, result);
}

bool CFakePlatform::GetSaveFileName(const FileDialogRequest& request, FileDialogResult& result) {
  return NextFile(true, request, result);
}

std::unique_ptr<CPrintTarget> CFakePlatform::ShowPrintDialog(const QString& documentName) {
  m_printDocuments.append(documentName);
  if (m_printers.empty()) return nullptr;
  std::unique_ptr<CPrintTarget> printer = std::move(m_printers.front());
  m_printers.pop_front();
  return printer;
}
