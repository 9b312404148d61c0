// demo_media: draws the pictures and the sound of the demo CD into a folder.
//   demo_media OUT_DIR
// writes OUT_DIR/pictures/{main.bmp, brochures.bmp, about.bmp, bar.bmp, buttons.bmp, logo.gif,
// logo-brochures.gif, photo.jpg, badge.bmp, cover.bmp} and OUT_DIR/sounds/click.wav. The
// colours and places below are the ones the demo's tests look for; change them together.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>

#include "animated_gif.h"

namespace {

constexpr QRgb kKey = 0xFF00FF;            // the shaped pages' key colour (magenta)
constexpr QRgb kPanel = 0x1B2A4A;          // main page body
constexpr QRgb kHeader = 0x24406E;         // main page header band, the logo's ground
constexpr QRgb kAccent = 0xE8902A;         // the line under the header, the badge
constexpr QRgb kBrochurePanel = 0x1F3D33;  // brochure page body
constexpr QRgb kBrochureHeader = 0x2B5A48;
constexpr QRgb kButton = 0x2F5D95;         // a button's normal frame
constexpr QRgb kButtonHover = 0xF0A030;    // its frame under the mouse
constexpr QRgb kSky = 0x8CBCE8;            // the photo's upper left quarter
constexpr QRgb kBadgeKey = 0x00FF00;       // the badge's key colour (its top-left pixel)

constexpr int kPageWidth = 720, kPageHeight = 520, kHeaderHeight = 100;
constexpr int kButtonWidth = 200, kButtonHeight = 36;
// The rows of buttons.bmp, top to bottom; each row holds the normal frame on the left and
// the hover frame on the right.
const char* const kButtonLabels[] = {"Sizing",   "Exhaust", "Brochures",   "About", "Web site",
                                     "App bar",  "Exit",    "Open folder", "Back"};

QColor Colour(QRgb rgb) { return QColor::fromRgb(rgb); }

QFont Font(int pixels, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

bool Save(const QImage& image, const QString& path, const char* format) {
  if (image.save(path, format, format == QByteArray("jpg") ? 90 : -1)) return true;
  std::fprintf(stderr, "demo_media: %s: cannot write\n", qPrintable(path));
  return false;
}

// A page: the key colour outside a rounded panel (drawn without smoothing, so the edge holds
// no mixed colours), a header band and an accent line.
QImage ShapedPage(QRgb body, QRgb header) {
  QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
  page.fill(Colour(kKey));
  QPainter p(&page);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(0, 0, kPageWidth, kPageHeight), 36, 36);
  p.setClipPath(outline);
  p.fillRect(0, 0, kPageWidth, kPageHeight, Colour(body));
  p.fillRect(0, 0, kPageWidth, kHeaderHeight, Colour(header));
  p.fillRect(0, kHeaderHeight, kPageWidth, 4, Colour(kAccent));
  // Two pipe sections along the bottom edge, drawn as the panel's ornament.
  for (int i = 0; i < 2; ++i) {
    QLinearGradient steel(0, 488, 0, 508);
    steel.setColorAt(0, QColor(0x9a, 0xa6, 0xb4));
    steel.setColorAt(0.5, QColor(0xe4, 0xea, 0xf0));
    steel.setColorAt(1, QColor(0x7a, 0x86, 0x94));
    p.fillRect(300 + i * 200, 488, 190, 20, steel);
  }
  return page;
}

QImage AboutPage() {
  QImage page(480, 300, QImage::Format_RGB32);
  page.fill(QColor(0xee, 0xf2, 0xf7));
  QPainter p(&page);
  p.fillRect(0, 0, 480, 60, Colour(kHeader));
  p.fillRect(0, 60, 480, 3, Colour(kAccent));
  return page;
}

// The app bar's strip: the header colour with the accent line along its lower edge.
QImage BarPage() {
  QImage bar(1024, 56, QImage::Format_RGB32);
  bar.fill(Colour(kHeader));
  QPainter p(&bar);
  p.fillRect(0, 52, 1024, 4, Colour(kAccent));
  return bar;
}

QImage Buttons() {
  const int rows = int(std::size(kButtonLabels));
  QImage strip(2 * kButtonWidth, rows * kButtonHeight, QImage::Format_RGB32);
  strip.fill(Colour(kPanel));
  QPainter p(&strip);
  p.setFont(Font(17, true));
  for (int row = 0; row < rows; ++row) {
    for (int hover = 0; hover < 2; ++hover) {
      const QRect cell(hover * kButtonWidth, row * kButtonHeight, kButtonWidth, kButtonHeight);
      p.fillRect(cell, Colour(hover ? kButtonHover : kButton));
      p.setPen(QPen(hover ? QColor(0xff, 0xe0, 0xa0) : QColor(0x8f, 0xb3, 0xdd), 2));
      p.drawRect(cell.adjusted(1, 1, -2, -2));
      p.setPen(hover ? Colour(kPanel) : Qt::white);
      p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(kButtonLabels[row]));
    }
  }
  return strip;
}

// One frame of the logo: a chimney with smoke rising (the frame number moves the puffs up)
// and the maker's name.
QImage LogoFrame(int frame, int frames, QRgb ground) {
  QImage logo(200, 72, QImage::Format_RGB32);
  logo.fill(Colour(ground));
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(14, 34, 20, 38, QColor(0xc0, 0xc8, 0xd0));
  p.fillRect(10, 30, 28, 6, QColor(0xe4, 0xea, 0xf0));
  for (int puff = 0; puff < 3; ++puff) {
    const double t = std::fmod(double(frame) / frames + puff / 3.0, 1.0);
    const int radius = 3 + int(6 * t);
    const int alpha = int(230 * (1 - t));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf4, 0xf4, alpha));
    p.drawEllipse(QPoint(24 + int(8 * qSin(t * 6.28)), 28 - int(26 * t)), radius, radius);
  }
  p.setPen(Qt::white);
  p.setFont(Font(28, true));
  p.drawText(QRect(46, 6, 154, 40), Qt::AlignLeft | Qt::AlignVCenter, "CORVANE");
  p.setPen(QColor(0xf0, 0xc0, 0x80));
  p.setFont(Font(11));
  p.drawText(QRect(48, 44, 152, 20), Qt::AlignLeft | Qt::AlignVCenter,
             "pipe and chimney systems");
  return logo;
}

// The "photo": a chimney on a roof against the sky; the upper left quarter is plain sky.
QImage Photo() {
  QImage photo(380, 230, QImage::Format_RGB32);
  photo.fill(Colour(kSky));
  QPainter p(&photo);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient haze(0, 115, 0, 230);
  haze.setColorAt(0, Colour(kSky));
  haze.setColorAt(1, QColor(0xdc, 0xe8, 0xf4));
  p.fillRect(0, 115, 380, 115, haze);
  p.fillRect(190, 0, 190, 115, haze);
  QPolygon roof({QPoint(0, 230), QPoint(0, 190), QPoint(200, 120), QPoint(380, 180),
                 QPoint(380, 230)});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x7a, 0x3a, 0x2a));
  p.drawPolygon(roof);
  QLinearGradient steel(250, 0, 290, 0);
  steel.setColorAt(0, QColor(0x8a, 0x96, 0xa4));
  steel.setColorAt(0.4, QColor(0xf0, 0xf4, 0xf8));
  steel.setColorAt(1, QColor(0x6a, 0x76, 0x84));
  p.fillRect(250, 40, 40, 130, steel);
  p.fillRect(242, 30, 56, 12, QColor(0x5a, 0x64, 0x70));
  p.setBrush(QColor(0xff, 0xff, 0xff, 120));
  p.drawEllipse(QPoint(272, 18), 14, 10);
  p.drawEllipse(QPoint(290, 6), 10, 7);
  return photo;
}

// A round seal on the key colour, which the page makes transparent.
QImage Badge() {
  QImage badge(96, 96, QImage::Format_RGB32);
  badge.fill(Colour(kBadgeKey));
  QPainter p(&badge);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Colour(kAccent));
  p.drawEllipse(QRect(2, 2, 92, 92));
  p.setBrush(QColor(0xf6, 0xb0, 0x50));
  p.drawEllipse(QRect(10, 10, 76, 76));
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(Colour(kPanel));
  p.setFont(Font(13, true));
  p.drawText(QRect(10, 22, 76, 52), Qt::AlignCenter, "Made to\nmeasure");
  return badge;
}

// The brochure's cover, as the page shows it.
QImage Cover() {
  QImage cover(150, 200, QImage::Format_RGB32);
  cover.fill(Qt::white);
  QPainter p(&cover);
  p.fillRect(0, 0, 150, 50, Colour(kHeader));
  p.fillRect(0, 50, 150, 3, Colour(kAccent));
  p.setPen(Qt::white);
  p.setFont(Font(13, true));
  p.drawText(QRect(8, 4, 134, 44), Qt::AlignLeft | Qt::AlignVCenter, "Vent sizing\nreport");
  p.setPen(QColor(0xa0, 0xa8, 0xb4));
  for (int y = 70; y < 190; y += 12) p.drawLine(12, y, 12 + 90 + (y * 7) % 36, y);
  p.setPen(QColor(0x60, 0x68, 0x74));
  p.drawRect(0, 0, 149, 199);
  return cover;
}

// A short click: a 1.8 kHz tone dying away in 50 ms, 16-bit mono at 22,050 Hz.
bool WriteClick(const QString& path) {
  constexpr int kRate = 22050, kSamples = kRate / 20;
  QByteArray data;
  for (int i = 0; i < kSamples; ++i) {
    const double t = double(i) / kRate;
    const auto sample = static_cast<int16_t>(12000 * std::exp(-t * 90) * std::sin(t * 2 * M_PI * 1800));
    data.append(static_cast<char>(sample & 0xFF));
    data.append(static_cast<char>((sample >> 8) & 0xFF));
  }
  auto u32 = [](QByteArray& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.append(static_cast<char>(v >> (8 * i)));
  };
  auto u16 = [](QByteArray& out, uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
  };
  QByteArray wav("RIFF");
  u32(wav, 36 + data.size());
  wav.append("WAVEfmt ");
  u32(wav, 16);
  u16(wav, 1);  // PCM
  u16(wav, 1);  // mono
  u32(wav, kRate);
  u32(wav, kRate * 2);
  u16(wav, 2);
  u16(wav, 16);
  wav.append("data");
  u32(wav, data.size());
  wav.append(data);
  QFile out(path);
  if (out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(wav) == wav.size()) {
    return true;
  }
  std::fprintf(stderr, "demo_media: %s: cannot write\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo_media OUT_DIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath("pictures") || !out.mkpath("sounds")) {
    std::fprintf(stderr, "demo_media: %s: cannot make the folders\n", argv[1]);
    return 1;
  }
  const QString pictures = out.filePath("pictures/");
  bool ok = Save(ShapedPage(kPanel, kHeader), pictures + "main.bmp", "bmp") &&
            Save(ShapedPage(kBrochurePanel, kBrochureHeader), pictures + "brochures.bmp", "bmp") &&
            Save(AboutPage(), pictures + "about.bmp", "bmp") &&
            Save(BarPage(), pictures + "bar.bmp", "bmp") &&
            Save(Buttons(), pictures + "buttons.bmp", "bmp") &&
            Save(Photo(), pictures + "photo.jpg", "jpg") &&
            Save(Badge(), pictures + "badge.bmp", "bmp") &&
            Save(Cover(), pictures + "cover.bmp", "bmp") &&
            WriteClick(out.filePath("sounds/click.wav"));
  // The logo on each page's header colour, which its palette holds exactly.
  const QVector<QRgb> palette = demo::DrawingPalette(
      {kHeader, kBrochureHeader, 0xFFFFFF, 0xF0C080, 0xC0C8D0, 0xE4EAF0, 0xF4F4F4});
  for (const auto& [name, ground] : {std::pair{"logo.gif", kHeader},
                                     std::pair{"logo-brochures.gif", kBrochureHeader}}) {
    QList<QImage> frames;
    constexpr int kFrames = 8;
    for (int i = 0; i < kFrames; ++i) frames.append(LogoFrame(i, kFrames, ground));
    QString error;
    if (ok && !demo::WriteAnimatedGif(pictures + name, frames, palette, 12, &error)) {
      std::fprintf(stderr, "demo_media: %s\n", qPrintable(error));
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
