#include "Pictures.h"

#include <algorithm>
#include <array>

#include <QFont>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>
#include <QSvgRenderer>

// Resources of a static library are not registered by themselves.
static void RegisterPictureResources() {
  Q_INIT_RESOURCE(pictures);
}

namespace {

void EnsureResources() {
  static const bool registered = (RegisterPictureResources(), true);
  Q_UNUSED(registered);
}

QString ResourcePath(const QString& name) {
  return QStringLiteral(":/vokabit/pictures/") + name + QStringLiteral(".svg");
}

QImage Greyed(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = qGray(line[x]);
      const int soft = 96 + grey * 5 / 8;
      line[x] = qRgba(soft, soft, soft, qAlpha(line[x]) / 2);
    }
  }
  return image;
}

// Draws the vector picture into a transparent image of the given device size,
// keeping its proportions and centring it.
QImage RenderSvg(const QString& name, QSize deviceSize) {
  EnsureResources();
  QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(ResourcePath(name));
  if (!renderer.isValid() || deviceSize.isEmpty()) return image;
  QSizeF shape = renderer.defaultSize();
  shape.scale(QSizeF(deviceSize), Qt::KeepAspectRatio);
  const QRectF target((deviceSize.width() - shape.width()) / 2,
                      (deviceSize.height() - shape.height()) / 2, shape.width(), shape.height());
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter, target);
  return image;
}

// An icon that draws its vector picture afresh for every size it is asked for,
// so that toolbar, window and file icons stay sharp at any scale.
class CSvgIconEngine : public QIconEngine {
 public:
  explicit CSvgIconEngine(QString name) : m_name(std::move(name)) {}

  QIconEngine* clone() const override { return new CSvgIconEngine(m_name); }
  QString key() const override { return QStringLiteral("vokabit-svg"); }
  QString iconName() override { return m_name; }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    const QString cacheKey = QStringLiteral("vokabit:%1:%2x%3:%4")
                                 .arg(m_name)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(int(mode));
    QPixmap result;
    if (QPixmapCache::find(cacheKey, &result)) return result;
    QImage image = RenderSvg(m_name, size);
    if (mode == QIcon::Disabled) image = Greyed(image);
    result = QPixmap::fromImage(image);
    QPixmapCache::insert(cacheKey, result);
    return result;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap shown = pixmap(rect.size() * ratio, mode, state);
    shown.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), shown);
  }

 private:
  QString m_name;
};

QIcon OwnIcon(const QString& name) {
  return QIcon(new CSvgIconEngine(name));
}

QString ToolbarResource(CPictures::ToolbarButton button) {
  switch (button) {
    case CPictures::ToolbarButton::New:
      return QStringLiteral("new");
    case CPictures::ToolbarButton::Open:
      return QStringLiteral("open");
    case CPictures::ToolbarButton::Save:
      return QStringLiteral("save");
    case CPictures::ToolbarButton::StartPractice:
      return QStringLiteral("practice");
    case CPictures::ToolbarButton::Edit:
      return QStringLiteral("edit");
    case CPictures::ToolbarButton::Settings:
      return QStringLiteral("settings");
    case CPictures::ToolbarButton::Print:
      return QStringLiteral("print");
    case CPictures::ToolbarButton::Help:
      return QStringLiteral("help");
    case CPictures::ToolbarButton::Exit:
      return QStringLiteral("exit");
  }
  return QStringLiteral("help");
}

QPixmap NewPixmap(QSize size, qreal ratio) {
  QPixmap pixmap(
      QSize(qMax(1, qRound(size.width() * ratio)), qMax(1, qRound(size.height() * ratio))));
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void DrawSvg(QPainter& painter, const QString& name, const QRectF& target) {
  EnsureResources();
  QSvgRenderer renderer(ResourcePath(name));
  renderer.render(&painter, target);
}

// A small square tile with a letter, like a letter of a word game.
void DrawTile(QPainter& painter, const QPointF& centre, qreal side, qreal angle, QChar letter,
              const QColor& face, const QColor& ink) {
  painter.save();
  painter.translate(centre);
  painter.rotate(angle);
  const QRectF tile(-side / 2, -side / 2, side, side);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 40));
  painter.drawRoundedRect(tile.translated(1, 1.5), side * 0.18, side * 0.18);
  painter.setBrush(face);
  painter.drawRoundedRect(tile, side * 0.18, side * 0.18);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(qMax(6, qRound(side * 0.62)));
  painter.setFont(font);
  painter.setPen(ink);
  painter.drawText(tile, Qt::AlignCenter, QString(letter));
  painter.restore();
}

// A row of tiles across area, as many as fit, gently tilted and staggered.
void DrawTileRow(QPainter& painter, const QRectF& area, const QString& letters, qreal side,
                 const QColor& face, const QColor& ink, int seed) {
  if (letters.isEmpty() || area.width() < side || area.height() < side * 0.8) return;
  const qreal step = side * 1.35;
  const int count = int((area.width() - side * 0.3) / step);
  static constexpr std::array<qreal, 7> kAngles{-9, 6, -4, 10, -7, 3, 8};
  static constexpr std::array<qreal, 5> kLift{0.0, -0.16, 0.1, -0.06, 0.14};
  const qreal usedWidth = count * step;
  qreal x = area.left() + (area.width() - usedWidth) / 2 + step / 2;
  for (int i = 0; i < count; ++i, x += step) {
    const int k = i + seed;
    const qreal y = area.center().y() + kLift[size_t(k) % kLift.size()] * side;
    const QChar letter = letters.at(k % letters.size());
    DrawTile(painter, QPointF(x, y), side, kAngles[size_t(k) % kAngles.size()], letter, face, ink);
  }
}

struct ModeStyle {
  QColor base;
  QColor light;
  QString emblem;
  QString letters;
};

ModeStyle StyleOfMode(int mode) {
  switch (mode) {
    case CPictures::kModePractice:
      return {QColor(0x15, 0x80, 0x3d), QColor(0x86, 0xef, 0xac), QStringLiteral("practice"),
              QString::fromUtf8("?Ab!\xc3\xa9"
                                "C\xc3\xb6"
                                "d?E\xc3\x9f")};
    case CPictures::kModeSettings:
      return {QColor(0x47, 0x55, 0x69), QColor(0xcb, 0xd5, 0xe1), QStringLiteral("settings"),
              QString::fromUtf8("\xc3\xbc\xc3\x9c\xc3\x9f"
                                "AaBb\xc3\xb1\xc3\xa5")};
    default:
      return {QColor(0x1d, 0x4e, 0xd8), QColor(0x93, 0xc5, 0xfd), QStringLiteral("edit"),
              QString::fromUtf8("Ab\xc3\x84"
                                "c\xc3\xa9"
                                "D\xc3\xb8"
                                "e\xc3\x91"
                                "f")};
  }
}

QPainterPath LetterS() {
  QPainterPath path;
  path.moveTo(9.9, 4.3);
  path.cubicTo(9.3, 3.2, 8.3, 2.7, 7.0, 2.7);
  path.cubicTo(5.4, 2.7, 4.3, 3.6, 4.3, 4.8);
  path.cubicTo(4.3, 7.6, 9.8, 6.4, 9.8, 9.3);
  path.cubicTo(9.8, 10.5, 8.6, 11.3, 7.0, 11.3);
  path.cubicTo(5.6, 11.3, 4.6, 10.7, 4.0, 9.7);
  return path;
}

QPainterPath LetterV() {
  QPainterPath path;
  path.moveTo(3.9, 2.8);
  path.lineTo(7.0, 11.2);
  path.lineTo(10.1, 2.8);
  return path;
}

}  // namespace

QIcon CPictures::ToolbarIcon(ToolbarButton button) {
  return OwnIcon(ToolbarResource(button));
}

QIcon CPictures::ButtonIcon(ButtonPicture picture) {
  switch (picture) {
    case ButtonPicture::WriteForeign:
      return OwnIcon(QStringLiteral("write_foreign"));
    case ButtonPicture::WriteTranslation:
      return OwnIcon(QStringLiteral("write_translation"));
    case ButtonPicture::Cancel:
      return OwnIcon(QStringLiteral("cancel"));
    case ButtonPicture::PlaySound:
      return OwnIcon(QStringLiteral("sound"));
    case ButtonPicture::DropDown:
      return OwnIcon(QStringLiteral("dropdown"));
  }
  return {};
}

QIcon CPictures::ProgramIcon() {
  return OwnIcon(QStringLiteral("program"));
}

QIcon CPictures::ListFileIcon() {
  return OwnIcon(QStringLiteral("listfile"));
}

QPixmap CPictures::Render(const QString& name, QSize size, qreal ratio) {
  QPixmap pixmap = QPixmap::fromImage(
      RenderSvg(name, QSize(qRound(size.width() * ratio), qRound(size.height() * ratio))));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

QPixmap CPictures::TipPicture(int size, qreal ratio) {
  return Render(QStringLiteral("tip"), QSize(size, size), ratio);
}

QPixmap CPictures::ClassPicture(int mark, qreal ratio) {
  if (mark != 1 && mark != 2) mark = 0;
  // Drawn for every visible line of a list, so kept once made.
  const QString cacheKey = QStringLiteral("vokabit:class:%1:%2").arg(mark).arg(ratio);
  QPixmap cached;
  if (QPixmapCache::find(cacheKey, &cached)) return cached;

  const int side = kClassPictureSize;
  QPixmap pixmap = NewPixmap(QSize(side, side), ratio);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QColor face(0xd4, 0xd4, 0xd4);
  QColor edge(0xa3, 0xa3, 0xa3);
  if (mark == 1) {
    face = QColor(0xff, 0x00, 0x00);
    edge = QColor(0xb0, 0x00, 0x00);
  } else if (mark == 2) {
    face = QColor(0x00, 0x80, 0x00);
    edge = QColor(0x00, 0x4d, 0x00);
  }
  painter.fillRect(QRect(0, 0, side, side), edge);
  painter.fillRect(QRect(1, 1, side - 2, side - 2), face);
  if (mark == 1 || mark == 2) {
    QPen pen(Qt::black, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark == 1 ? LetterS() : LetterV());
  }
  painter.end();
  QPixmapCache::insert(cacheKey, pixmap);
  return pixmap;
}

QPixmap CPictures::ModePicture(int mode, QSize size, qreal ratio) {
  QPixmap pixmap = NewPixmap(size, ratio);
  if (size.isEmpty()) return pixmap;
  const ModeStyle style = StyleOfMode(mode);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const QRectF band = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = qMin(8.0, size.height() / 5.0);
  QLinearGradient fill(band.topLeft(), band.topRight());
  fill.setColorAt(0.0, style.light);
  fill.setColorAt(qBound(0.0, 1.0 - 70.0 / size.width(), 0.6), style.base.lighter(125));
  fill.setColorAt(1.0, style.base);
  painter.setPen(QPen(style.base.darker(130), 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(band, radius, radius);

  // A soft sheen over the upper half.
  QLinearGradient sheen(band.topLeft(), band.bottomLeft());
  sheen.setColorAt(0.0, QColor(255, 255, 255, 90));
  sheen.setColorAt(0.5, QColor(255, 255, 255, 20));
  sheen.setColorAt(0.51, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawRoundedRect(band.adjusted(1, 1, -1, -1), radius - 1, radius - 1);

  // The mode's emblem in a white disc at the right end.
  const qreal disc = qMin(size.height() - 8.0, size.width() - 8.0);
  if (disc >= 8) {
    const QRectF discRect(size.width() - disc - 6, (size.height() - disc) / 2, disc, disc);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawEllipse(discRect.translated(0, 1.5));
    QRadialGradient white(discRect.center() - QPointF(disc / 6, disc / 6), disc * 0.7);
    white.setColorAt(0, Qt::white);
    white.setColorAt(1, QColor(0xf1, 0xf5, 0xf9));
    painter.setBrush(white);
    painter.setPen(QPen(style.base.darker(120), 1));
    painter.drawEllipse(discRect);
    const qreal inner = disc * 0.68;
    DrawSvg(painter, style.emblem,
            QRectF(discRect.center() - QPointF(inner / 2, inner / 2), QSizeF(inner, inner)));

    // Letter tiles fill the space left of the emblem.
    const qreal side = qMin(22.0, size.height() * 0.42);
    const QRectF tiles(6, 0, discRect.left() - 12, size.height());
    DrawTileRow(painter, tiles, style.letters, side, QColor(255, 255, 255, 215),
                style.base.darker(115), mode * 3);
  }
  return pixmap;
}

QPixmap CPictures::SplashPicture(QSize size, qreal ratio) {
  QPixmap pixmap = NewPixmap(size, ratio);
  if (size.isEmpty()) return pixmap;
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const qreal w = size.width();
  const qreal h = size.height();

  // Pure blue from 40 % to 75 % of the height, where the status texts stand.
  QLinearGradient fill(0, 0, 0, h);
  fill.setColorAt(0.0, QColor(0x00, 0x00, 0xb4));
  fill.setColorAt(0.40, QColor(0x00, 0x00, 0xff));
  fill.setColorAt(0.75, QColor(0x00, 0x00, 0xff));
  fill.setColorAt(1.0, QColor(0x00, 0x00, 0xa0));
  painter.fillRect(QRectF(0, 0, w, h), fill);

  // Faint rings behind the title.
  painter.setPen(QPen(QColor(255, 255, 255, 28), h * 0.05));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(w * 0.92, -h * 0.1), h * 0.45, h * 0.45);
  painter.drawEllipse(QPointF(w * 0.92, -h * 0.1), h * 0.25, h * 0.25);

  const qreal iconSide = h * 0.30;
  const QRectF iconRect(w * 0.04, h * 0.06, iconSide, iconSide);
  DrawSvg(painter, QStringLiteral("program"), iconRect);

  QFont title = painter.font();
  title.setBold(true);
  title.setPixelSize(qMax(8, qRound(h * 0.2)));
  title.setLetterSpacing(QFont::PercentageSpacing, 104);
  painter.setFont(title);
  const QRectF titleRect(iconRect.right() + w * 0.03, iconRect.top(), w * 0.6, iconSide);
  painter.setPen(QColor(0, 0, 0, 70));
  painter.drawText(titleRect.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Vokabit"));
  painter.setPen(Qt::white);
  painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vokabit"));

  DrawTileRow(painter, QRectF(w * 0.03, h * 0.78, w * 0.94, h * 0.2),
              QString::fromUtf8("AbC\xc3\xa4"
                                "D\xc3\xa9"
                                "f\xc3\x9f"
                                "G\xc3\xb1"
                                "h\xc3\xb8"
                                "I"),
              h * 0.12, QColor(255, 255, 255, 225), QColor(0x1e, 0x3a, 0x8a), 0);
  return pixmap;
}

QPixmap CPictures::AboutPicture(QSize size, qreal ratio) {
  QPixmap pixmap = NewPixmap(size, ratio);
  if (size.isEmpty()) return pixmap;
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const qreal w = size.width();
  const qreal h = size.height();

  QLinearGradient fill(0, 0, w, h);
  fill.setColorAt(0.0, QColor(0x1e, 0x3a, 0x8a));
  fill.setColorAt(1.0, QColor(0x3b, 0x82, 0xf6));
  painter.fillRect(QRectF(0, 0, w, h), fill);
  painter.fillRect(QRectF(0, h - 3, w, 3), QColor(0xfb, 0xbf, 0x24));

  const qreal iconSide = h * 0.66;
  const QRectF iconRect(h * 0.2, (h - iconSide) / 2, iconSide, iconSide);
  DrawSvg(painter, QStringLiteral("program"), iconRect);

  QFont title = painter.font();
  title.setBold(true);
  title.setPixelSize(qMax(8, qRound(h * 0.36)));
  painter.setFont(title);
  const qreal textLeft = iconRect.right() + h * 0.2;
  const QRectF titleRect(textLeft, 0, w * 0.45, h);
  painter.setPen(Qt::white);
  painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vokabit"));
  const qreal titleWidth = QFontMetricsF(title).horizontalAdvance(QStringLiteral("Vokabit"));

  const qreal tilesLeft = textLeft + titleWidth + h * 0.3;
  DrawTileRow(painter, QRectF(tilesLeft, 0, w - tilesLeft - h * 0.15, h),
              QString::fromUtf8("A\xc3\xa4"
                                "B\xc3\x9f"
                                "c\xc3\xa9"
                                "D\xc3\xb1"),
              h * 0.3, QColor(255, 255, 255, 225), QColor(0x1e, 0x3a, 0x8a), 2);
  return pixmap;
}
