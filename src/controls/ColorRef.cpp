#include "ColorRef.h"

QColor FromColorRef(ColorRef value) {
  return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

ColorRef ToColorRef(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return ColorRef(rgb.red()) | (ColorRef(rgb.green()) << 8) | (ColorRef(rgb.blue()) << 16);
}
