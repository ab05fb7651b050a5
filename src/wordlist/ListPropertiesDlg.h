#pragma once
// Shows what is known about the open list and its file, and lets the user edit
// the list's title, owner and description. The dialog works on copies; the
// caller puts the result back into the list (ApplyTo).
#include <functional>
#include <string>

#include <QDialog>
#include <QString>

class CPlatform;
class CWordList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class COneLineEdit;
class CHoverButton;

class CListPropertiesDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDC_PROP_ICON = 129;
  static constexpr int IDC_PROP_NAME = 1119;
  static constexpr int IDC_PROP_FORMAT = 1120;
  static constexpr int IDC_PROP_CREATOR = 1121;
  static constexpr int IDC_PROP_FOLDER = 1122;
  static constexpr int IDC_PROP_WORDS = 1156;
  static constexpr int IDC_PROP_SIZE = 1157;
  static constexpr int IDC_PROP_TITLE = 1124;
  static constexpr int IDC_PROP_OWNER = 1125;
  static constexpr int IDC_PROP_DESCRIPTION = 1126;
  static constexpr int IDC_PROP_FORMAT_LABEL = 1186;  // labels 1186 to 1193, in the order above

  explicit CListPropertiesDlg(CPlatform& platform, QWidget* parent = nullptr);

  // The values to show, set before the dialog opens. Words and list texts are
  // UTF-8; the description in its stored form.
  void SetData(const QString& displayName, const QString& path, int wordCount,
               const std::string& title, const std::string& creator, const QString& extension);
  void SetDescription(const std::string& description);
  void SetOwner(const std::string& owner);
  // All of the above from the list.
  void SetFromList(const CWordList& list);

  // Set by OK: whether title, owner or description differ from what was shown.
  bool IsChanged() const { return m_changed; }
  const std::string& GetTitle() const { return m_title; }
  const std::string& GetOwner() const { return m_owner; }
  const std::string& GetDescription() const { return m_description; }  // stored form

  // Puts the edited values into the list when OK found a change; true when
  // the list was changed (and marked modified).
  bool ApplyTo(CWordList& list) const;

  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CPlatform& m_platform;

  QLineEdit* m_name;
  QLineEdit* m_format;
  QLineEdit* m_creator;
  QLineEdit* m_folder;
  QLabel* m_wordCount;
  QLabel* m_size;
  COneLineEdit* m_titleEdit;
  COneLineEdit* m_ownerEdit;
  QPlainTextEdit* m_descriptionEdit;

  // As put in; the description as the edit returned it after being filled.
  std::string m_title;
  std::string m_owner;
  std::string m_description;
  QString m_shownDescription;
  bool m_changed = false;
};
