#pragma once
// The choice of the language of the user interface from the languages the
// language library offers. OK switches the program to the selected language
// and stores the choice; Cancel changes nothing. Its own texts are fixed in
// two languages, since it may open before any language is set.
#include <QDialog>

class CHoverButton;
class CPlatform;
class QListWidget;

class CLanguageDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDOK = 1;
  static constexpr int IDCANCEL = 2;
  static constexpr int IDC_LANGUAGES = 1131;

  explicit CLanguageDlg(CPlatform& platform, QWidget* parent = nullptr);

  QListWidget* List() const { return m_list; }

  // OK: the selected language (none selected: -1) must be accepted by the
  // library; otherwise the user is asked to select one and the dialog stays.
  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void LayOut();

  CPlatform& m_platform;
  QListWidget* m_list;
  CHoverButton* m_ok;
  CHoverButton* m_cancel;
};
