#pragma once
// The four characters that F5 to F8 type, as the settings hold them.
#include <array>

#include <QString>

QString SpecialChar(int index);
std::array<QString, 4> SpecialChars();
void StoreSpecialChar(int index, const QString& character);
