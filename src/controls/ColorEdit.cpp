#include "ColorEdit.h"

#include <QKeyEvent>

CColorEdit::CColorEdit(QWidget* parent)
    : COneLineEdit(parent),
      m_backColour(ToColorRef(palette().color(QPalette::Base))),
      m_textColour(ToColorRef(palette().color(QPalette::Text))) {}

void CColorEdit::SetTextColour(ColorRef colour) {
  m_textColour = colour;
  ApplyColours();
}

void CColorEdit::SetBackColour(ColorRef colour) {
  m_backColour = colour;
  ApplyColours();
}

void CColorEdit::ApplyColours() {
  QPalette colours = palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Base, FromColorRef(m_backColour));
    colours.setColor(group, QPalette::Text, FromColorRef(m_textColour));
  }
  setPalette(colours);
  update();
}

void CColorEdit::SetSpecialChars(const QString& s1, const QString& s2, const QString& s3,
                                 const QString& s4) {
  m_special = {s1, s2, s3, s4};
}

void CColorEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_F5 && key <= Qt::Key_F8) InsertSpecial(m_special[size_t(key - Qt::Key_F5)]);
  COneLineEdit::keyPressEvent(event);
}
