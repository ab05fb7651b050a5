#pragma once
// Colours are kept as 0x00BBGGRR values, as the program's settings and callers
// give them (0xFF0000 is blue, 0x0000FF red). These two functions are the only
// place where such a value becomes a QColor and back.
#include <cstdint>

#include <QColor>

using ColorRef = std::uint32_t;

QColor FromColorRef(ColorRef value);
ColorRef ToColorRef(const QColor& colour);
