#pragma once
// The small sample page of the print format dialog: shows at once which
// header texts, headings and columns the chosen options print. It is drawn in
// the pixel coordinates of the dialog's template, scaled with the dialog font.
#include <QWidget>

class CPrintSample : public QWidget {
  Q_OBJECT

 public:
  struct Options {
    bool title = false;
    bool pageNumber = false;
    bool columnHeadings = false;
    bool singleHeading = false;
    bool onlyForeign = false;
    bool onlyTranslations = false;
  };

  // The page from (300, 15) to (395, 160) in the template's pixels.
  static constexpr QRect kPage{300, 15, 95, 145};

  // scale: dialog pixels per template pixel.
  CPrintSample(double scale, QWidget* parent);

  void SetOptions(const Options& options);
  const Options& GetOptions() const { return m_options; }

  // Draws the page at the template's coordinates, for any painter.
  static void Draw(QPainter& painter, const Options& options);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double m_scale;
  Options m_options;
};
