#include "StatusLine.h"

#include <algorithm>

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
  m_leftText = QStringLiteral("Status");
  m_left->setText(m_leftText);
  m_right->setText(QStringLiteral("Vokabit 3"));
  m_right->setAlignment(Qt::AlignCenter);
}

void CStatusLine::Show(QLabel* pane, const QString& text) {
  // The room QLabel leaves for a line: inside the frame, the margins and the
  // indent that a framed label keeps from its left edge.
  int indent = pane->indent();
  if (indent < 0 && pane->frameWidth() > 0)
    indent = pane->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - pane->margin();
  const int room = pane->contentsRect().width() - 2 * pane->margin() - std::max(indent, 0);
  const QString shown = pane->fontMetrics().elidedText(text, Qt::ElideRight, std::max(room, 0));
  pane->setText(shown);
  pane->setToolTip(shown == text ? QString() : text);
}

void CStatusLine::SetText(unsigned text) {
  m_left->SetTextColour(ToColorRef(m_left->parentWidget()->palette().color(QPalette::WindowText)));
  m_leftText = text == 0 ? QString() : LangQText(text);
  Show(m_left, m_leftText);
  m_text = text;
}

void CStatusLine::SetWarning(unsigned text) {
  SetText(text);
  m_left->SetTextColour(kRed);
}

void CStatusLine::SetHoverText(unsigned text) {
  m_hoverText = text == 0 ? QString() : LangQText(text);
  Show(m_middle, m_hoverText);
}

void CStatusLine::ApplyLanguage() {
  if (m_text != 0) {
    m_leftText = LangQText(m_text);
    Show(m_left, m_leftText);
  }
  SetHoverText(0);
}

void CStatusLine::Layout(int w, int h, bool maximized) {
  m_left->setGeometry(0, h - 18, w / 2, 18);
  m_middle->setGeometry(w / 2 + 2, h - 18, w / 3, 18);
  m_right->setGeometry(w / 3 + w / 2 + 4, h - 18, w - w / 3 - w / 2 - 4, 18);
  m_grip->setGeometry(w - 17, h - 17, 17, 17);
  ShowGrip(!maximized);
  m_grip->raise();
  Show(m_left, m_leftText);
  Show(m_middle, m_hoverText);
}

bool CStatusLine::Contains(const QWidget* widget) const {
  return widget == m_left || widget == m_middle || widget == m_right || widget == m_grip;
}

void CStatusLine::ShowGrip(bool show) {
  m_grip->setVisible(show);
}
