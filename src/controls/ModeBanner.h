#pragma once
// The banner right of the main window's toolbar: the picture of the current
// mode at the banner's size. It is drawn when it is painted, once for each
// mode, size and pixel ratio, so that the window shows before it and a
// resize draws only the sizes that reach the screen.
#include <QPixmap>
#include <QWidget>

class CModeBanner : public QWidget {
 public:
  explicit CModeBanner(QWidget* parent = nullptr);

  // One of the mode values of CPictures.
  void SetMode(int mode);
  int Mode() const { return m_mode; }

  // The picture as the banner shows it now.
  QPixmap Picture();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_mode = 0;
  QPixmap m_picture;  // the last one drawn
  int m_pictureMode = -1;
};
