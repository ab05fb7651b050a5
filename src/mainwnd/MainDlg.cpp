#include "MainDlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Cp1252.h"
#include "LangText.h"
#include "MainWndIds.h"
#include "MainWndTexts.h"
#include "Platform.h"

CMainDlg::CMainDlg(CPlatform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_wordList(&platform) {
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menuBar = new QMenuBar(this);
  layout->setMenuBar(m_menuBar);
  m_client = new QWidget(this);
  layout->addWidget(m_client);

  auto* clientLayout = new QVBoxLayout(m_client);
  m_wordListBox = new QTreeWidget(m_client);
  m_wordListBox->setObjectName(QStringLiteral("c%1").arg(IDC_WORDLIST));
  m_wordListBox->setColumnCount(2);
  m_wordListBox->setRootIsDecorated(false);
  m_wordListBox->setUniformRowHeights(true);
  m_wordListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_wordListBox->header()->setSectionResizeMode(QHeaderView::Stretch);
  clientLayout->addWidget(m_wordListBox);

  RebuildMenu();
}

CMainDlg::~CMainDlg() = default;

QAction* CMainDlg::AddCommand(QMenu* menu, int id, unsigned textNumber) {
  QAction* action = menu->addAction(LangQText(textNumber));
  action->setObjectName(QStringLiteral("cmd%1").arg(id));
  connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
  m_commands[id] = action;
  return action;
}

void CMainDlg::RebuildMenu() {
  m_menuBar->clear();
  m_commands.clear();
  QMenu* file = m_menuBar->addMenu(LangQText(kTxtMenuFile));
  AddCommand(file, ID_FILE_NEW, kTxtMenuNew)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  AddCommand(file, ID_FILE_OPEN, kTxtMenuOpen)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  AddCommand(file, ID_FILE_SAVE, kTxtMenuSave)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  AddCommand(file, ID_FILE_SAVE_AS, kTxtMenuSaveAs);
  file->addSeparator();
  AddCommand(file, ID_APP_EXIT, kTxtMenuExit);
  // Shortcuts live in the text after the tab; Qt shows that part itself.
  for (auto& [id, action] : m_commands) {
    const int tab = action->text().indexOf(QLatin1Char('\t'));
    if (tab >= 0) action->setText(action->text().left(tab));
  }
}

QAction* CMainDlg::CommandAction(int id) const {
  const auto it = m_commands.find(id);
  return it == m_commands.end() ? nullptr : it->second;
}

bool CMainDlg::OnInitDialog() {
  resize(700, 450);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  if (!m_startFile.isEmpty()) {
    setWindowTitle(LangQText(kTxtProgramName));
    if (m_wordList.OpenFile(m_startFile) != 0) {
      done(1);
      return false;
    }
    RefreshAfterLoad();
    return true;
  }
  OnFileNew();
  return true;
}

int CMainDlg::exec() {
  if (!OnInitDialog()) return result();
  return QDialog::exec();
}

void CMainDlg::OnCommand(int id) {
  switch (id) {
    case ID_FILE_NEW: OnFileNew(); break;
    case ID_FILE_OPEN: OnFileOpen(); break;
    case ID_FILE_SAVE: OnFileSave(); break;
    case ID_FILE_SAVE_AS: OnFileSaveAs(); break;
    case ID_APP_EXIT: OnExit(); break;
    default: break;
  }
}

void CMainDlg::SetListTitle(bool modified) {
  QString title = m_wordList.GetDisplayName() + QStringLiteral(" - ") + LangQText(kTxtProgramName);
  if (modified) title += QStringLiteral(" *");
  setWindowTitle(title);
}

void CMainDlg::FillWordListBox() {
  m_wordListBox->setHeaderLabels({FromCp1252(m_wordList.GetFirstLanguage()),
                                  FromCp1252(m_wordList.GetSecondLanguage())});
  m_wordListBox->clear();
  const int count = m_wordList.GetCount();
  QList<QTreeWidgetItem*> items;
  items.reserve(count);
  for (int i = 0; i < count; ++i) {
    items.append(new QTreeWidgetItem(QStringList{FromCp1252(m_wordList.GetForeign(i)),
                                                 FromCp1252(m_wordList.GetTranslation(i))}));
  }
  m_wordListBox->addTopLevelItems(items);
}

void CMainDlg::RefreshAfterLoad() {
  FillWordListBox();
  SetListTitle(false);
  m_wordList.SetModified(0);
}

void CMainDlg::OnFileNew() {
  m_wordList.NewList();
  SetListTitle(m_wordList.IsModified() != 0);
  FillWordListBox();
}

void CMainDlg::OnFileOpen() {
  const int result = m_wordList.OpenWithDialog();
  if (result == 0) {
    RefreshAfterLoad();
  } else if (result == -2) {
    m_platform.MessageBox(LangQText(kTxtOpenFailed), MessageButtons::Ok, MessageIcon::None);
  }
}

void CMainDlg::OnFileSave() {
  const int result = m_wordList.Save();
  if (result == 0) {
    m_wordList.SetModified(0);
    SetListTitle(false);
  } else if (result == -2) {
    m_platform.MessageBox(LangQText(kTxtSaveFailed), MessageButtons::Ok, MessageIcon::None);
  }
}

void CMainDlg::OnFileSaveAs() {
  const int result = m_wordList.SaveAs(true);
  if (result == 0 || result == 1) {
    m_wordList.SetModified(0);
    SetListTitle(false);
  } else if (result == -2) {
    m_platform.MessageBox(LangQText(kTxtSaveFailed), MessageButtons::Ok, MessageIcon::None);
  }
}

bool CMainDlg::CanClose() { return m_wordList.QueryClose() == 1; }

void CMainDlg::OnExit() {
  if (!CanClose()) return;
  m_closing = true;
  hide();
  done(0);
}

void CMainDlg::closeEvent(QCloseEvent* event) {
  if (m_closing || CanClose()) {
    m_closing = true;
    event->accept();
    done(0);
  } else {
    event->ignore();
  }
}

void CMainDlg::keyPressEvent(QKeyEvent* event) {
  // Escape must never close the window.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CMainDlg::reject() {
  // Only Exit, the toolbar's exit button and the close box end the window.
}
