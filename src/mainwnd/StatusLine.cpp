#include "StatusLine.h"

#include <QSizeGrip>

#include "MainWndIds.h"
#include "Panel.h"
#include "controls/ColorLabel.h"
#include "lang/LangText.h"

namespace {
constexpr ColorRef kRed = 0x0000FF;
}

CStatusLine::CStatusLine(QWidget* client)
    : m_left(new CColorLabel(client)),
      m_middle(new CColorLabel(client)),
      m_right(new QLabel(client)),
      m_grip(new QSizeGrip(client)) {
  CPanel::Name(m_left, IDC_STATUS_LEFT);
  CPanel::Name(m_middle, IDC_STATUS_MIDDLE);
  CPanel::Name(m_right, IDC_STATUS_RIGHT);
  CPanel::Name(m_grip, IDC_SIZE_GRIP);
  for (QLabel* pane : {static_cast<QLabel*>(m_left), static_cast<QLabel*>(m_middle), m_right})
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  m_left->setTextFormat(Qt::PlainText);
  m_middle->setTextFormat(Qt::PlainText);
  m_left->setText(QStringLiteral("Status"));
  m_right->setText(QStringLiteral("Vokabit 3"));
  m_right->setAlignment(Qt::AlignCenter);
}

void CStatusLine::SetText(unsigned text) {
  m_left->SetTextColour(ToColorRef(m_left->parentWidget()->palette().color(QPalette::WindowText)));
  m_left->setText(text == 0 ? QString() : LangQText(text));
  m_text = text;
}

void CStatusLine::SetWarning(unsigned text) {
  SetText(text);
  m_left->SetTextColour(kRed);
}

void CStatusLine::SetHoverText(unsigned text) {
  m_middle->setText(text == 0 ? QString() : LangQText(text));
}

void CStatusLine::ApplyLanguage() {
  if (m_text != 0) m_left->setText(LangQText(m_text));
  m_middle->clear();
}

void CStatusLine::Layout(int w, int h, bool maximized) {
  m_left->setGeometry(0, h - 18, w / 2, 18);
  m_middle->setGeometry(w / 2 + 2, h - 18, w / 3, 18);
  m_right->setGeometry(w / 3 + w / 2 + 4, h - 18, w - w / 3 - w / 2 - 4, 18);
  m_grip->setGeometry(w - 17, h - 17, 17, 17);
  ShowGrip(!maximized);
  m_grip->raise();
}

void CStatusLine::ShowGrip(bool show) {
  m_grip->setVisible(show);
}
