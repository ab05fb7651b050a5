#pragma once
// A printer for the tests: a paint device that keeps what each page shows
// (every text with its place and font, every line) and can refuse a page, so
// that layouts are checked by their coordinates rather than by pixels.
#include <memory>
#include <vector>

#include <QFont>
#include <QLine>
#include <QPaintDevice>
#include <QSize>
#include <QStringList>

#include "platform/Platform.h"

struct RecordedText {
  QString text;
  QPoint topLeft;  // the base line less the font's ascent, as text is placed
  QFont font;
};

struct RecordedPage {
  std::vector<RecordedText> texts;
  std::vector<QLine> lines;

  QStringList Texts() const;
};

class CRecordingPrinter : public QPaintDevice, public CPrintTarget {
 public:
  // A device of size dots at dpi dots per inch.
  CRecordingPrinter(QSize size, int dpi);
  ~CRecordingPrinter() override;

  std::vector<RecordedPage> m_pages;
  int m_refusePage = 0;        // starting this page fails (0: none is refused)
  bool m_refuseStart = false;  // the document cannot begin
  bool m_aborted = false;
  int m_documentsEnded = 0;

  QPaintEngine* paintEngine() const override { return m_engine.get(); }
  QPaintDevice* Device() override { return this; }
  bool NewPage() override;
  void Abort() override { m_aborted = true; }

  // Every text of every page, in the order drawn.
  QStringList AllTexts() const;

  // A target that prints on this printer, for a print dialog to hand out:
  // the job owns the target, the test keeps the printer.
  std::unique_ptr<CPrintTarget> Lend();

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  QSize m_size;
  int m_dpi;
  std::unique_ptr<QPaintEngine> m_engine;
};
