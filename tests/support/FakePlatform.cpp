#include "FakePlatform.h"

#include <QFileInfo>

void CFakePlatform::QueueFile(const QString& path, int filterIndex) {
  const QFileInfo info(path);
  m_files.push_back({path, info.fileName(), info.suffix(), filterIndex});
}

int CFakePlatform::MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) {
  m_messages.push_back({text, buttons, icon});
  if (m_answers.empty()) return buttons == MessageButtons::Ok ? kIdOk : kIdCancel;
  const int answer = m_answers.front();
  m_answers.pop_front();
  return answer;
}

bool CFakePlatform::NextFile(bool save, const FileDialogRequest& request,
                             FileDialogResult& result) {
  m_dialogs.push_back({save, request});
  if (m_files.empty()) return false;
  result = m_files.front();
  m_files.pop_front();
  return !result.path.isEmpty();
}

std::unique_ptr<CPrintTarget> CFakePlatform::ShowPrintDialog(const QString& documentName) {
  m_printDocuments.append(documentName);
  if (m_printers.empty()) return nullptr;
  std::unique_ptr<CPrintTarget> printer = std::move(m_printers.front());
  m_printers.pop_front();
  return printer;
}
