#pragma once
// What the three panels of the main window share. A panel covers the whole
// client area under the frame's own controls and places its controls in the
// client's pixels; it tells the frame what the status line and the title
// should show through its signals, and never reaches into the frame.
#include <QWidget>

class CDialogUnits;

class CPanel : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // Places the controls for a client area of width x height pixels.
  virtual void Layout(int width, int height) = 0;
  // Shows every caption in the current language.
  virtual void ApplyLanguage() = 0;
  // Return pressed while the panel is shown.
  virtual void OnEnter() {}
  // A click on the window's background while the panel is shown.
  virtual void OnBackgroundClick() {}
  // Puts the focus where the user goes on after a command.
  virtual void TakeFocus() {}
  // The panel of the current mode; the others are hidden.
  bool IsActive() const { return !isHidden(); }

  // The status line's texts for a control (0: none): the middle pane while
  // the mouse is over it, the left pane when it has the focus after a
  // command. A control's own texts hide those of the widgets it lies in.
  static void SetHoverText(QWidget* control, unsigned text);
  static const QWidget* HoverControl(const QWidget* widget, unsigned& text);
  static void SetFocusStatus(QWidget* control, unsigned text);
  static unsigned FocusStatus(const QWidget* control);

  // Names a control "c<id>", as the help and the tests know it, with no
  // hover text yet.
  static void Name(QWidget* control, int id);
  // The main window's template was laid out for a dialog font whose base
  // units are 6 x 13 pixels; its pixel layout on resize assumes the same, so
  // the window converts its dialog units with these fixed base units.
  static const CDialogUnits& TemplateUnits();
  // A button's caption too long for it in font gets a smaller font.
  static void FitText(QWidget* control, QFont font);

 Q_SIGNALS:
  // The left pane of the status line (0 empties it); a warning shows red.
  void StatusText(unsigned text);
  void WarningText(unsigned text);
  // The words or the information of the list changed.
  void ListChanged();
  // A command of the menus became possible or impossible.
  void CommandsChanged();

 protected:
  // The caption of a button, label or group in the current language, also
  // as its accessible name.
  static void SetText(QWidget* control, unsigned text);
};
