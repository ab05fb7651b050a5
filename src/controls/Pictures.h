#pragma once
// The program's own pictures: toolbar and button icons, the mode banners, the
// class pictures of the word lists, the program and list file icons and the
// start-up and About pictures. Icons are drawn from vector sources at whatever
// size is asked. The toolbar keeps the program's own icons on every desktop:
// asking the icon theme first would parse its index before the window shows.
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class CPictures {
 public:
  enum class ToolbarButton { New, Open, Save, StartPractice, Edit, Settings, Print, Help, Exit };
  enum class ButtonPicture { WriteForeign, WriteTranslation, Cancel, PlaySound, DropDown };

  // Mode values of the main window, each with its banner.
  static constexpr int kModeEdit = 0;
  static constexpr int kModePractice = 1;
  static constexpr int kModeSettings = 2;

  static constexpr int kClassPictureSize = 14;
  static constexpr int kModePictureHeight = 52;

  static QIcon ToolbarIcon(ToolbarButton button);
  static QIcon ButtonIcon(ButtonPicture picture);

  // The banner right of the toolbar: any width, normally 52 pixels high.
  static QPixmap ModePicture(int mode, QSize size, qreal ratio = 1.0);
  // 14 x 14: mark 1 a red square with S, mark 2 a dark green square with V,
  // anything else the plain light grey square.
  static QPixmap ClassPicture(int mark, qreal ratio = 1.0);

  static QIcon ProgramIcon();
  static QIcon ListFileIcon();
  static QPixmap TipPicture(int size, qreal ratio = 1.0);
  // The start-up picture. Its middle band is pure blue, the background of the
  // two status texts drawn over it.
  static QPixmap SplashPicture(QSize size, qreal ratio = 1.0);
  // The banner across the top of the About box.
  static QPixmap AboutPicture(QSize size, qreal ratio = 1.0);

  // A picture of the resource at the given size, for tests and previews.
  static QPixmap Render(const QString& name, QSize size, qreal ratio = 1.0);
};
