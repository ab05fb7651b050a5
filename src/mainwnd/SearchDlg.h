#pragma once
// The search dialog of the editing panel: asks for the text to look for,
// preset with the text of the last search.
#include <functional>
#include <string>

#include <QDialog>

class COneLineEdit;
class CHoverButton;
class CPlatform;
class QLabel;

class CSearchDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDC_SEARCH_LABEL = 1134;
  static constexpr int IDC_SEARCH_TEXT = 1080;

  explicit CSearchDlg(CPlatform& platform, QWidget* parent = nullptr);

  // UTF-8, as the words are.
  void SetSearchText(const std::string& text);
  std::string GetSearchText() const { return m_text; }

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CPlatform& m_platform;
  QLabel* m_label;
  COneLineEdit* m_edit;
  CHoverButton* m_ok;
  CHoverButton* m_cancel;
  std::string m_text;
};
