#pragma once
// A one-line text that paints itself in its own text and background colours
// (the status line of the start-up picture and similar). Colour and alignment
// changes show with the next repaint; SetText repaints at once.
#include <QString>
#include <QWidget>

#include "ColorRef.h"

class CColorStatic : public QWidget {
  Q_OBJECT

 public:
  explicit CColorStatic(QWidget* parent = nullptr);

  void SetTextColour(ColorRef colour) { m_textColour = colour; }
  void SetBackColour(ColorRef colour) { m_backColour = colour; }
  void SetCentred(bool centred) { m_centred = centred; }
  void SetText(const QString& text);

  ColorRef TextColour() const { return m_textColour; }
  ColorRef BackColour() const { return m_backColour; }
  bool IsCentred() const { return m_centred; }
  const QString& Text() const { return m_text; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_centred = false;
  QString m_text;
  ColorRef m_textColour;
  ColorRef m_backColour;
};
