#pragma once
// The tip of the day: one tip at a time from the tips file of the language,
// continuing where the last showing stopped. Constructing the dialog reads
// the next tip already; destroying it stores the position, so that even a
// dialog that is never shown moves on by one tip.
#include <QDialog>

#include "TipsFile.h"

class CHoverButton;
class CPlatform;
class QCheckBox;
class QLabel;

class CTipDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDOK = 1;
  static constexpr int IDC_PICTURE = 1000;
  static constexpr int IDC_SHOW_AT_START = 1001;
  static constexpr int IDC_NEXT_TIP = 1002;
  static constexpr int IDC_TIP = 1004;

  explicit CTipDlg(CPlatform& platform, QWidget* parent = nullptr);
  ~CTipDlg() override;

  // Whether the tips are shown at start-up ("StartUp" is not "1").
  bool m_showAtStartup = true;
  // The tip shown.
  QString m_tip;

  // The path of the tips file: the "TipsFile" folder (the data folder when
  // the settings hold none) and the language's file name.
  static QString TipsFilePath();

  // OK: stores whether the tips show at start-up.
  void accept() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ReadNextTip();
  void OnNextTip();
  // Puts m_showAtStartup and m_tip into the window.
  void ShowValues();
  void LayOut();

  CPlatform& m_platform;
  CTipsFile m_file;
  QLabel* m_tipLabel;
  QCheckBox* m_showCheck;
  CHoverButton* m_next;
  CHoverButton* m_ok;
  QRect m_frame;    // the sunken frame around the picture area
  QRect m_picture;  // the white picture area with the heading
  int m_pictureSide = 0;
  int m_taller = 0;  // how much taller than the template the tip area has grown
};
