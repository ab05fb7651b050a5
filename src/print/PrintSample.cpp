#include "PrintSample.h"

#include <QFontMetrics>
#include <QPainter>

#include "PrintDialogTexts.h"
#include "lang/LangText.h"

namespace {

// text with its top left corner at (x, y), as the template places it.
void Text(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

QStringList SampleWords(unsigned textNumber) {
  QStringList words = LangQText(textNumber).split(QLatin1Char(','));
  for (QString& word : words) word = word.trimmed();
  while (words.size() < 4) words.append(QString());
  return words;
}

}  // namespace

CPrintSample::CPrintSample(double scale, QWidget* parent) : QWidget(parent), m_scale(scale) {
  setAccessibleName(LangQText(kTxtSamplePage));
  setFixedSize(qCeil(kPage.width() * scale) + 1, qCeil(kPage.height() * scale) + 1);
}

void CPrintSample::SetOptions(const Options& options) {
  m_options = options;
  update();
}

void CPrintSample::Draw(QPainter& painter, const Options& options) {
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(kPage);
  painter.drawLine(304, 27, 391, 27);
  painter.drawLine(304, 148, 391, 148);
  painter.setClipRect(kPage.adjusted(1, 1, -1, -1));

  QFont font(QStringLiteral("sans-serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(7);
  font.setWeight(QFont::Normal);
  painter.setFont(font);

  Text(painter, 304, 150, QStringLiteral("  ") + LangQText(kTxtSampleFooter));
  if (options.title) Text(painter, 304, 18, LangQText(kTxtSampleTitle));
  if (options.pageNumber) Text(painter, 360, 18, LangQText(kTxtSamplePageNumber));

  const bool swapped = !options.onlyForeign && options.onlyTranslations;
  const QString foreignHeading = LangQText(kTxtSampleForeignHeading);
  const QString translationHeading = LangQText(kTxtSampleTranslationHeading);
  if (options.columnHeadings) {
    Text(painter, 306, 42, swapped ? translationHeading : foreignHeading);
    Text(painter, 350, 42, swapped ? foreignHeading : translationHeading);
  } else if (options.singleHeading) {
    Text(painter, 306, 42, LangQText(kTxtSampleSingleHeading));
  }

  const QStringList foreign = SampleWords(kTxtSampleForeignWords);
  const QStringList translations = SampleWords(kTxtSampleTranslations);
  for (int i = 0; i < 4; ++i) {
    const int y = 58 + 10 * i;
    if (options.onlyForeign) {
      Text(painter, 306, y, foreign[i]);
    } else if (options.onlyTranslations) {
      Text(painter, 306, y, translations[i]);
    } else {
      Text(painter, 306, y, foreign[i]);
      Text(painter, 350, y, translations[i]);
    }
  }
}

void CPrintSample::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.scale(m_scale, m_scale);
  painter.translate(-kPage.topLeft());
  Draw(painter, m_options);
}
