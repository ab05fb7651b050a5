#pragma once
// Shows how a CSV file will be read before it becomes a list: the delimiter,
// whether the first row holds the language names, and the rows as they will
// be read with these choices. The list file reader asks it through the
// list's CSV question.
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include <QDialog>
#include <QString>

#include "CsvFile.h"

class CPlatform;
class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;

class CCsvPreviewDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int IDC_CSV_FILE = 1701;
  static constexpr int IDC_CSV_DELIMITER_LABEL = 1702;
  static constexpr int IDC_CSV_DELIMITER = 1703;
  static constexpr int IDC_CSV_HEADER = 1704;
  static constexpr int IDC_CSV_PREVIEW_LABEL = 1705;
  static constexpr int IDC_CSV_PREVIEW = 1706;
  static constexpr int IDC_CSV_COUNT = 1707;

  // data is the file's text (UTF-8); options are the choices shown at first.
  CCsvPreviewDlg(CPlatform& platform, const QString& path, std::string_view data,
                 const CsvOptions& options, QWidget* parent = nullptr);

  CsvOptions GetOptions() const;

  // The question a list asks before it reads a CSV file: this dialog over
  // parent. OK reads the file with the options chosen, Cancel leaves it.
  static CsvQuestion Question(CPlatform& platform, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Reads the file again with the options shown and fills the preview.
  void Refresh();

  CPlatform& m_platform;
  std::string m_data;              // the file's text, UTF-8
  std::map<char, int> m_wordRows;  // rows holding a word pair, by delimiter
  QComboBox* m_delimiter;
  QCheckBox* m_header;
  QTreeWidget* m_rows;
  QLabel* m_count;
};
