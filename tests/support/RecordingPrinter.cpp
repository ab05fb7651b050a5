#include "RecordingPrinter.h"

#include <map>

#include <QFontMetrics>
#include <QPaintEngine>
#include <QTextItem>

namespace {

class CRecordingEngine : public QPaintEngine {
 public:
  explicit CRecordingEngine(CRecordingPrinter& printer) : m_printer(printer) {}

  bool begin(QPaintDevice*) override {
    if (m_printer.m_refuseStart) return false;
    if (m_printer.m_pages.empty()) m_printer.m_pages.emplace_back();
    return true;
  }
  bool end() override {
    ++m_printer.m_documentsEnded;
    return true;
  }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  // Fills and frames are not recorded; Qt's defaults of the two overloads
  // would call each other.
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
  Type type() const override { return QPaintEngine::User; }

  void drawTextItem(const QPointF& p, const QTextItem& item) override {
    const int ascent = QFontMetrics(item.font(), &m_printer).ascent();
    Page().texts.push_back({item.text(), p.toPoint() - QPoint(0, ascent), item.font()});
  }
  void drawLines(const QLineF* lines, int count) override {
    for (int i = 0; i < count; ++i) Page().lines.push_back(lines[i].toLine());
  }

 private:
  RecordedPage& Page() { return m_printer.m_pages.back(); }

  CRecordingPrinter& m_printer;
};

class CLentPrinter : public CPrintTarget {
 public:
  explicit CLentPrinter(CRecordingPrinter& printer) : m_printer(printer) {}
  QPaintDevice* Device() override { return m_printer.Device(); }
  bool NewPage() override { return m_printer.NewPage(); }
  void Abort() override { m_printer.Abort(); }

 private:
  CRecordingPrinter& m_printer;
};

}  // namespace

std::unique_ptr<CPrintTarget> CRecordingPrinter::Lend() {
  return std::make_unique<CLentPrinter>(*this);
}

QStringList RecordedPage::Texts() const {
  QStringList result;
  for (const RecordedText& t : texts) result.append(t.text);
  return result;
}

CRecordingPrinter::CRecordingPrinter(QSize size, int dpi)
    : m_size(size), m_dpi(dpi), m_engine(std::make_unique<CRecordingEngine>(*this)) {}

CRecordingPrinter::~CRecordingPrinter() = default;

bool CRecordingPrinter::NewPage() {
  if (m_refusePage == int(m_pages.size()) + 1) return false;
  m_pages.emplace_back();
  return true;
}

QStringList CRecordingPrinter::AllTexts() const {
  QStringList result;
  for (const RecordedPage& page : m_pages) result += page.Texts();
  return result;
}

int CRecordingPrinter::metric(PaintDeviceMetric metric) const {
  const int mmWide = m_size.width() * 254 / (10 * m_dpi);
  const int mmHigh = m_size.height() * 254 / (10 * m_dpi);
  const std::map<PaintDeviceMetric, int> values = {
      {PdmWidth, m_size.width()}, {PdmHeight, m_size.height()},
      {PdmWidthMM, mmWide},       {PdmHeightMM, mmHigh},
      {PdmDpiX, m_dpi},           {PdmDpiY, m_dpi},
      {PdmPhysicalDpiX, m_dpi},   {PdmPhysicalDpiY, m_dpi},
      {PdmNumColors, 1 << 24},    {PdmDepth, 32},
      {PdmDevicePixelRatio, 1},   {PdmDevicePixelRatioScaled, int(devicePixelRatioFScale())}};
  const auto value = values.find(metric);
  return value == values.end() ? 0 : value->second;
}
