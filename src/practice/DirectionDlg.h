#pragma once
// The choice shown before every exercise: write the foreign words, write the
// translations, or cancel. The last choice is remembered in the settings, and
// the dialog opens with the keyboard focus on its button, so that Enter
// repeats it.
//
// exec() returns IDC_FOREIGN (write the foreign words), IDC_TRANSLATION
// (write the translations) or IDCANCEL (Escape, the close box, the cancel
// button).
#include <optional>

#include <QDialog>
#include <QTimer>

#include "PracticeOptions.h"

class CHoverButton;
class CPlatform;
class QLabel;

class CDirectionDlg : public QDialog {
  Q_OBJECT

 public:
  // Control ids; the buttons' ids are also the dialog's result codes. Each
  // control's object name is its id's name.
  static constexpr int IDCANCEL = 2;
  static constexpr int IDC_FOREIGN = 1002;
  static constexpr int IDC_TRANSLATION = 1003;
  static constexpr int IDC_HINT = 1179;

  explicit CDirectionDlg(CPlatform& platform, QWidget* parent = nullptr);

  // Runs the dialog: the direction chosen, or none when it was cancelled.
  std::optional<Direction> Choose();

  CHoverButton* Button(int id) const;
  QLabel* HintLine() const { return m_hint; }

  void reject() override;  // Escape and the close box end with IDCANCEL

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnFocusTimer();
  void OnForeign();
  void OnTranslation();
  void OnEnter();
  void OnHelp();
  void ShowHint(unsigned text);
  void LayOut();

  CPlatform& m_platform;
  CHoverButton* m_foreign;
  CHoverButton* m_translation;
  CHoverButton* m_cancel;
  QLabel* m_hint;
  // Puts the focus on the last choice once the dialog is on screen, after
  // the dialog's own first focus.
  QTimer m_focusTimer;
  bool m_focusTimerStarted = false;
};
