#pragma once
// The About box: the program's version, its maker, a text about the program
// and two links, the product's web page and the maker's e-mail address. The
// links open the addresses the settings hold at the moment of the click.
#include <QDialog>
#include <QPixmap>

class CColorLabel;
class CHoverButton;
class CPlatform;
class QLabel;
class QPlainTextEdit;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDOK = 1;
  static constexpr int IDC_LABEL_VERSION = 1186;
  static constexpr int IDC_LABEL_MADE_BY = 1187;
  static constexpr int IDC_LABEL_MAIL = 1188;
  static constexpr int IDC_LABEL_WEB = 1189;
  static constexpr int IDC_TEXT = 1201;
  static constexpr int IDC_WEB = 1202;
  static constexpr int IDC_MAIL = 1203;
  static constexpr int IDC_VERSION = 1204;
  static constexpr int IDC_MAKER = 1205;
  static constexpr int IDC_SLOGAN = 1208;

  explicit CAboutDlg(CPlatform& platform, QWidget* parent = nullptr);

  // The program's version as the build names it.
  static QString Version();
  // An address as a link shows it: without "mailto:", the web scheme and a
  // closing slash, as a button caption (a "&" doubled).
  static QString LinkText(const QString& address);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CPlatform& m_platform;
  QRect m_banner;
  QRect m_facts;  // the white frame around the facts
  QPixmap m_picture;
};
