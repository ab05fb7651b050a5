#pragma once
// Chooses one of the four special characters: from a grid of the characters of
// a block the user picks (the dialog opens with the block used last), or typed
// into the edit beside its label.
#include <functional>

#include <QDialog>
#include <QString>

class CCharGrid;
class COneLineEdit;
class CHoverButton;
class CPlatform;
class QComboBox;
class QLabel;

class CSpecialCharDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDC_CHAR_LABEL = 1186;
  static constexpr int IDC_GRID_LABEL = 1187;
  static constexpr int IDC_CHAR_EDIT = 1119;
  static constexpr int IDC_CHAR_GRID = 1096;
  static constexpr int IDC_BLOCK_LABEL = 1188;
  static constexpr int IDC_BLOCK = 1189;

  explicit CSpecialCharDlg(CPlatform& platform, QWidget* parent = nullptr);

  // The character shown at opening; the grid marks it.
  void SetCharacter(const QString& character);
  // The text of the edit when the dialog ended with OK (any length).
  QString Character() const { return m_character; }

  void accept() override;
  // Remembers the block shown, however the dialog ends.
  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnCharChosen(QChar ch);

  CPlatform& m_platform;
  QLabel* m_charLabel;
  QLabel* m_gridLabel;
  QLabel* m_blockLabel;
  QComboBox* m_block;
  COneLineEdit* m_edit;
  CCharGrid* m_grid;
  CHoverButton* m_ok;
  CHoverButton* m_cancel;
  QString m_character;
};
