#include "SpecialKeyEdit.h"

#include <QKeyEvent>

CSpecialKeyEdit::CSpecialKeyEdit(QWidget* parent) : COneLineEdit(parent) {}

void CSpecialKeyEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_F5 && key <= Qt::Key_F8 && m_source) {
    const std::array<QString, 4> special = m_source();
    InsertSpecial(special[size_t(key - Qt::Key_F5)]);
  }
  COneLineEdit::keyPressEvent(event);
}
