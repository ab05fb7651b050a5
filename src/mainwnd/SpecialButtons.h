#pragma once
// The four buttons that show the characters F5 to F8 type: beside the word
// fields while editing and practising, in their own frame in the options,
// where a click changes the character.
#include <array>

#include <QObject>

class CHoverButton;
class QWidget;

class CSpecialButtons : public QObject {
  Q_OBJECT

 public:
  // The buttons go onto the client area of the window.
  explicit CSpecialButtons(QWidget* client);

  // The captions "F5: x" with the characters of the settings.
  void ShowCaptions();
  // Places them for mode (as CMainDlg::Mode counts) in a client area of
  // the given width.
  void Place(int mode, int clientWidth);
  bool Contains(const QWidget* widget) const;

 Q_SIGNALS:
  void Clicked(int index);

 private:
  std::array<CHoverButton*, 4> m_buttons{};
};
