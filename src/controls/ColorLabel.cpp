#include "ColorLabel.h"

CColorLabel::CColorLabel(QWidget* parent) : CColorLabel(QString(), parent) {}

CColorLabel::CColorLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent),
      m_backColour(ToColorRef(palette().color(QPalette::Button))),
      m_textColour(ToColorRef(palette().color(QPalette::WindowText))) {
  setAutoFillBackground(true);
  ApplyColours();
}

void CColorLabel::SetTextColour(ColorRef colour) {
  m_textColour = colour;
  ApplyColours();
  update();
}

void CColorLabel::ApplyColours() {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, FromColorRef(m_backColour));
  colours.setColor(QPalette::WindowText, FromColorRef(m_textColour));
  setPalette(colours);
}
