#pragma once
// The start-up picture of a start without a list file. While it is on
// screen it runs the start-up routine once; two seconds after the routine
// has finished it closes itself, and a key or a click closes it at once.
// exec() gives Accepted then; Escape or closing the window gives Rejected,
// and the program ends.
#include <QBasicTimer>
#include <QDialog>
#include <QPixmap>

#include "StartupRoutine.h"

class CColorStatic;
class CPlatform;

class CStartupDlg : public QDialog, private CStartupView {
  Q_OBJECT

 public:
  static constexpr int IDC_STATUS = 1103;
  static constexpr int IDC_SUBTITLE = 1208;

  explicit CStartupDlg(CPlatform& platform, StartupSetup setup = ProgramStartupSetup(),
                       QWidget* parent = nullptr);

  // Runs the start-up routine; the dialog does so once it is on screen.
  void RunStartup();

  bool IsFinished() const { return m_finished; }
  // The help file path the routine read from the settings; empty if none.
  const QString& HelpFile() const { return m_helpFile; }
  CColorStatic* Status() const { return m_status; }
  CColorStatic* Subtitle() const { return m_subtitle; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void SetStatus(const QString& text) override;
  void SetStatusRed(bool red) override;
  bool ChooseLanguage() override;
  void LayOut();

  CPlatform& m_platform;
  StartupSetup m_setup;
  CColorStatic* m_status;
  CColorStatic* m_subtitle;
  QBasicTimer m_closeTimer;
  QString m_helpFile;
  QPixmap m_picture;
  bool m_started = false;
  bool m_finished = false;
};
