#include "ModeBanner.h"

#include <QPainter>

#include "Pictures.h"

CModeBanner::CModeBanner(QWidget* parent) : QWidget(parent) {}

void CModeBanner::SetMode(int mode) {
  if (mode == m_mode) return;
  m_mode = mode;
  update();
}

QPixmap CModeBanner::Picture() {
  const qreal ratio = devicePixelRatioF();
  if (m_pictureMode != m_mode || m_picture.deviceIndependentSize() != QSizeF(size()) ||
      m_picture.devicePixelRatio() != ratio) {
    m_picture = CPictures::ModePicture(m_mode, size(), ratio);
    m_pictureMode = m_mode;
  }
  return m_picture;
}

void CModeBanner::paintEvent(QPaintEvent* event) {
  Q_UNUSED(event);
  QPainter painter(this);
  painter.drawPixmap(0, 0, Picture());
}
