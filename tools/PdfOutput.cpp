#include "PdfOutput.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

bool IsPdfPath(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

std::unique_ptr<QCoreApplication> MakeConverterApplication(int& argc, char** argv) {
  if (argc == 3 && IsPdfPath(QString::fromLocal8Bit(argv[2]))) {
    // Nothing is shown: the converter must run without a desktop too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The GUI side of Qt remarks on the desktop it finds (a missing runtime
    // folder, for one); the converter's own messages are all its user needs.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
      if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
      }
    });
    return std::make_unique<QGuiApplication>(argc, argv);
  }
  return std::make_unique<QCoreApplication>(argc, argv);
}
