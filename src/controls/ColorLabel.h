#pragma once
// A plain label whose text colour the program sets at run time (status panes,
// the red line of the About box). The background stays the button-face colour.
#include <QLabel>

#include "ColorRef.h"

class CColorLabel : public QLabel {
  Q_OBJECT

 public:
  explicit CColorLabel(QWidget* parent = nullptr);
  explicit CColorLabel(const QString& text, QWidget* parent = nullptr);

  void SetTextColour(ColorRef colour);

  ColorRef TextColour() const { return m_textColour; }
  ColorRef BackColour() const { return m_backColour; }

 private:
  void ApplyColours();

  ColorRef m_backColour;
  ColorRef m_textColour;
};
