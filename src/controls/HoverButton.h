#pragma once
// The program's push button: drawn by itself, flat (a thin border only while the
// mouse is over it) or raised, with separate colours for the resting state and
// for hover or press, an optional icon left of or above the caption, and a
// latched state that keeps it drawn pressed (the toolbar marks the current mode
// so). Focus, Space and Enter work as on any push button.
#include <QIcon>
#include <QPushButton>

#include "ColorRef.h"

class CHoverButton : public QPushButton {
  Q_OBJECT

 public:
  enum Align { IconLeft = 0, IconAbove = 1 };

  explicit CHoverButton(QWidget* parent = nullptr);
  explicit CHoverButton(const QString& text, QWidget* parent = nullptr);

  // iconIn is shown on hover and press, iconOut otherwise; a null iconOut means
  // iconIn throughout. width and height are the icon size used for the layout
  // and drawing (0 to 255 pixels).
  void SetIcon(const QIcon& iconIn, const QIcon& iconOut, int width, int height);
  void SetFlat(bool flat);
  void SetAlign(int align);  // IconLeft or IconAbove; other values are ignored
  void SetDrawBorder(bool drawBorder);
  void SetShowText(bool showText);
  void SetLatched(bool latched);
  // Flat buttons show the focus rectangle always (true) or only after the
  // focus came from the keyboard (false).
  void SetDrawFlatFocus(bool drawFocus);

  void SetActiveTextColour(ColorRef colour, bool repaint);
  void SetActiveBackColour(ColorRef colour, bool repaint);
  void SetInactiveTextColour(ColorRef colour, bool repaint);
  void SetInactiveBackColour(ColorRef colour, bool repaint);
  void SetDefaultInactiveBack(bool repaint);
  void SetDefaultInactiveText(bool repaint);
  void SetDefaultActiveBack(bool repaint);
  void SetDefaultActiveText(bool repaint);

  ColorRef ActiveTextColour() const { return m_activeText; }
  ColorRef ActiveBackColour() const { return m_activeBack; }
  ColorRef InactiveTextColour() const { return m_inactiveText; }
  ColorRef InactiveBackColour() const { return m_inactiveBack; }

  bool IsLatched() const { return m_latched; }
  bool IsFlat() const { return m_flat; }
  int GetAlign() const { return m_align; }
  bool ShowsText() const { return m_showText; }
  bool DrawsBorder() const { return m_drawBorder; }
  bool IsMouseOver() const { return m_mouseOver; }
  QSize IconLayoutSize() const { return {m_iconWidth, m_iconHeight}; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Draw(QPainter& painter) const;
  void SetMouseOver(bool over);
  void Repaint(bool now);
  QColor System(QPalette::ColorRole role) const;

  bool m_latched = false;
  int m_align = IconLeft;
  bool m_showText = true;
  bool m_drawBorder = true;
  bool m_flat = true;
  bool m_mouseOver = false;
  bool m_drawFlatFocus = false;
  bool m_keyboardFocus = false;
  QIcon m_iconIn;
  QIcon m_iconOut;
  int m_iconHeight = 0;
  int m_iconWidth = 0;
  ColorRef m_inactiveBack;
  ColorRef m_inactiveText;
  ColorRef m_activeBack;
  ColorRef m_activeText;
};
