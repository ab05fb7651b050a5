#include "Toolbar.h"

#include <QFrame>

#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "Panel.h"
#include "controls/DialogSupport.h"
#include "controls/DialogUnits.h"
#include "controls/HoverButton.h"
#include "controls/ModeBanner.h"
#include "controls/Pictures.h"
#include "lang/LangText.h"

namespace {

constexpr ColorRef kBlue = 0xFF0000;
constexpr int kMinModePictureWidth = 40;

// The buttons in their order: id, caption, tooltip (which the status line
// shows too, except for the practice button's), the status text it gives
// when it has the focus after a command, and its left edge in dialog units;
// all at y = 3, 40 x 31.
struct Button {
  int id;
  unsigned caption;
  unsigned tooltip;
  unsigned hover;
  unsigned focusStatus;
  int x;
};
constexpr Button kButtons[9] = {
    {IDC_TB_NEW, kTxtToolbarNew, kTxtTipNew, kTxtTipNew, 0, 5},
    {IDC_TB_OPEN, kTxtToolbarOpen, kTxtTipOpen, kTxtTipOpen, kTxtStatusOpen, 45},
    {IDC_TB_SAVE, kTxtToolbarSave, kTxtTipSave, kTxtTipSave, 0, 85},
    {IDC_TB_PRACTICE, kTxtToolbarPractice, kTxtTipPractice, 0, 0, 132},
    {IDC_TB_EDIT, kTxtToolbarEdit, kTxtTipEdit, kTxtTipEdit, 0, 172},
    {IDC_TB_SETTINGS, kTxtToolbarSettings, kTxtTipSettings, kTxtTipSettings, 0, 212},
    {IDC_TB_PRINT, kTxtToolbarPrint, kTxtTipPrint, kTxtTipPrint, kTxtStatusPrint, 259},
    {IDC_TB_HELP, kTxtToolbarHelp, kTxtTipHelp, kTxtTipHelp, kTxtStatusHelp, 299},
    {IDC_TB_EXIT, kTxtToolbarExit, kTxtTipExit, kTxtTipExit, 0, 339},
};
// The buttons of the modes, in the order of CMainDlg::Mode.
constexpr int kModeButtons[3] = {4, 3, 5};

}  // namespace

CToolbar::CToolbar(QWidget* client) : QObject(client) {
  const CDialogUnits& du = CPanel::TemplateUnits();
  for (int i = 0; i < 9; ++i) {
    CHoverButton* button = MakeDialogButton(QString(), client, kButtons[i].id);
    CPanel::SetHoverText(button, kButtons[i].hover);
    CPanel::SetFocusStatus(button, kButtons[i].focusStatus);
    button->SetFlat(true);
    button->SetAlign(1);  // icon above the caption
    button->SetActiveTextColour(kBlue, false);
    button->SetInactiveTextColour(kBlue, false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setGeometry(du.Rect(kButtons[i].x, 3, 40, 31));
    const QIcon icon = CPictures::ToolbarIcon(static_cast<CPictures::ToolbarButton>(i));
    button->SetIcon(icon, icon, 32, 32);
    const int id = kButtons[i].id;
    connect(button, &QAbstractButton::clicked, this, [this, id] { Q_EMIT Command(id); });
    m_buttons[i] = button;
  }
  const auto line = [client](int id, QFrame::Shape shape) {
    auto* frame = new QFrame(client);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    CPanel::Name(frame, id);
    return frame;
  };
  // Lines after the file group and after the mode group, at the top and
  // under the buttons.
  line(IDC_SEPARATOR_FILE, QFrame::VLine)->setGeometry(du.X(127) + 1, du.Y(4), 3, du.Y(29));
  line(IDC_SEPARATOR_MODE, QFrame::VLine)->setGeometry(du.X(254) + 1, du.Y(4), 3, du.Y(29));
  m_lineTop = line(IDC_LINE_TOP, QFrame::HLine);
  m_lineBelow = line(IDC_LINE_TOOLBAR, QFrame::HLine);
  m_modePicture = new CModeBanner(client);
  CPanel::Name(m_modePicture, IDC_MODE_PICTURE);
}

void CToolbar::ApplyLanguage(const QFont& font) {
  for (int i = 0; i < 9; ++i) {
    const QString caption = LangQText(kButtons[i].caption);
    m_buttons[i]->setText(caption);
    CPanel::FitText(m_buttons[i], font);
    m_buttons[i]->setToolTip(LangQText(kButtons[i].tooltip));
    m_buttons[i]->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
  }
}

void CToolbar::SetShowText(bool show) {
  for (CHoverButton* button : m_buttons) button->SetShowText(show);
}

void CToolbar::ShowMode(int mode) {
  for (int m = 0; m < 3; ++m) m_buttons[kModeButtons[m]]->SetLatched(m == mode);
  m_modePicture->SetMode(mode);
}

void CToolbar::Layout(int w) {
  m_modePicture->setGeometry(580, 5, std::max(0, w - 590), 52);
  // A sliver of a picture looks broken; a narrow window shows none.
  m_modePicture->setVisible(w - 590 >= kMinModePictureWidth);
  m_lineTop->setGeometry(0, 0, w, 2);
  m_lineBelow->setGeometry(0, 58, w, 2);
}
