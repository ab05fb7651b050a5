#pragma once
// The strip along the top of the main window: the row of big buttons with
// the lines between its groups and under it, and the picture of the mode at
// its right. The button of the current mode stays pressed.
#include <array>

#include <QObject>

class CHoverButton;
class CModeBanner;
class QFrame;
class QWidget;

class CToolbar : public QObject {
  Q_OBJECT

 public:
  // The buttons go onto the client area of the window.
  explicit CToolbar(QWidget* client);

  // Captions and tooltips in the current language, sized to fit in font.
  void ApplyLanguage(const QFont& font);
  void SetShowText(bool show);
  // mode: 0 editing, 1 practice, 2 options, as CMainDlg::Mode counts them.
  void ShowMode(int mode);
  void Layout(int clientWidth);

 Q_SIGNALS:
  // A button was clicked: its control id, which is also its command.
  void Command(int id);

 private:
  std::array<CHoverButton*, 9> m_buttons{};
  QFrame* m_lineTop;
  QFrame* m_lineBelow;
  CModeBanner* m_modePicture;
};
