#include "ConsolePlatform.h"

#include <cstdio>

namespace {

void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit() + '\n';
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
  std::fflush(stream);
}

}  // namespace

int CConsolePlatform::MessageBox(const QString& text, MessageButtons buttons, MessageIcon icon) {
  Print(icon == MessageIcon::Information ? stdout : stderr, text);
  switch (buttons) {
    case MessageButtons::Ok:
      return kIdOk;
    case MessageButtons::YesNo:
      return kIdNo;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      return kIdCancel;
  }
  return kIdCancel;
}

void CConsolePlatform::PrintError(const QString& text) {
  Print(stderr, text);
}
