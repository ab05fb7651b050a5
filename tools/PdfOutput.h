#pragma once
// What the converter needs for PDF output.
#include <memory>

#include <QCoreApplication>

// The application object for the converter's arguments: a PDF is drawn with
// fonts, which only the GUI application offers, so PDF output gets one that
// needs no display; every other output the plain one.
std::unique_ptr<QCoreApplication> MakeConverterApplication(int& argc, char** argv);

// True when path names a PDF file (by its extension).
bool IsPdfPath(const QString& path);
