#pragma once
// The print format: which header texts, headings and columns the printed list
// shows, its margins and text size, and the list's title. A sample page shows
// the effect of the check boxes at once. OK stores the format in the
// settings; Cancel stores nothing. The title is handed in and back.
#include <functional>
#include <string>

#include <QDialog>
#include <QString>

class COneLineEdit;
class CPlatform;
class CPrintSample;
class QCheckBox;
class QLineEdit;

class CPrintFormatDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDC_SHOW_TITLE = 1109;
  static constexpr int IDC_TITLE = 1119;
  static constexpr int IDC_SHOW_PAGE_NUMBER = 1108;
  static constexpr int IDC_HEADINGS_LABEL = 1186;
  static constexpr int IDC_COLUMN_HEADINGS = 1112;
  static constexpr int IDC_SINGLE_HEADING = 1113;
  static constexpr int IDC_COLUMNS_LABEL = 1187;
  static constexpr int IDC_ONLY_FOREIGN = 1111;
  static constexpr int IDC_ONLY_TRANSLATIONS = 1110;
  static constexpr int IDC_MARGINS_GROUP = 1188;
  static constexpr int IDC_MARGIN_TOP_LABEL = 1189;
  static constexpr int IDC_MARGIN_BOTTOM_LABEL = 1190;
  static constexpr int IDC_MARGIN_LEFT_LABEL = 1191;
  static constexpr int IDC_MARGIN_RIGHT_LABEL = 1192;
  static constexpr int IDC_MARGIN_TOP = 1155;
  static constexpr int IDC_MARGIN_BOTTOM = 1156;
  static constexpr int IDC_MARGIN_LEFT = 1157;
  static constexpr int IDC_MARGIN_RIGHT = 1158;
  static constexpr int IDC_MARGIN_UNIT = 1193;  // to 1196, beside top, bottom, left, right
  static constexpr int IDC_TEXT_SIZE_HEADING = 1197;
  static constexpr int IDC_TEXT_SIZE_LABEL = 1198;
  static constexpr int IDC_TEXT_SIZE = 1159;

  // title is the list's (UTF-8).
  CPrintFormatDlg(CPlatform& platform, const std::string& title, QWidget* parent = nullptr);

  // The title as handed in, or as edited once OK was pressed.
  const std::string& GetTitle() const { return m_title; }
  CPrintSample* Sample() const { return m_sample; }

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QCheckBox* Check(int id) const;
  // A click on a check box: the rules between the boxes, then the sample.
  void OnCheckClicked(int id);
  void UpdateSample();
  void LoadSettings();

  CPlatform& m_platform;
  std::string m_title;
  COneLineEdit* m_titleEdit = nullptr;
  QLineEdit* m_marginEdits[4] = {};  // top, bottom, left, right
  QLineEdit* m_textSizeEdit = nullptr;
  CPrintSample* m_sample = nullptr;
};
