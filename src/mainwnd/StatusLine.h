#pragma once
// The status line along the bottom of the main window: what goes on (left),
// what the control under the mouse does (middle), the program (right), and
// the size grip in the corner. A text wider than its pane ends in "…", and
// the pane's tooltip holds it whole.
#include <QString>

class CColorLabel;
class QLabel;
class QWidget;

class CStatusLine {
 public:
  // The panes go onto the client area of the window.
  explicit CStatusLine(QWidget* client);

  // The left pane (0 empties it), in the window-text colour; only a
  // warning is red.
  void SetText(unsigned text);
  void SetWarning(unsigned text);
  // The middle pane (0 empties it).
  void SetHoverText(unsigned text);
  // The left pane's text again in the current language.
  void ApplyLanguage();
  void Layout(int width, int height, bool maximized);
  void ShowGrip(bool show);
  // True for the panes and the grip: the mouse on them leaves the middle
  // pane's text, so that its tooltip can be read.
  bool Contains(const QWidget* widget) const;

 private:
  // Shows text in pane, shortened to its width.
  static void Show(QLabel* pane, const QString& text);

  CColorLabel* m_left;
  CColorLabel* m_middle;
  QLabel* m_right;
  QWidget* m_grip;
  // The left pane's text, so that a new language can show it again; 0 when
  // the pane is empty.
  unsigned m_text = 0;
  // The whole texts of the two panes, for a new width.
  QString m_leftText;
  QString m_hoverText;
};
