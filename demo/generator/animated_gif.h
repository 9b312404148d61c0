// Animated GIF files from frames that framix32's writer encodes one by one.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

namespace demo {

// Writes `frames` (all of one size) as an animated GIF89a that loops for ever, each frame
// shown for `delay_cs` hundredths of a second. Every frame is reduced to `palette` (at most
// 256 colours) and encoded by framix32's WriteGraphicFile; the frames' image blocks are then
// put behind one screen descriptor, each after a graphic control extension. False (and
// `error`) when a frame cannot be encoded or the file cannot be written.
bool WriteAnimatedGif(const QString& path, const QList<QImage>& frames,
                      const QVector<QRgb>& palette, int delay_cs, QString* error);

// A still GIF of `image` reduced to `palette`, through WriteGraphicFile.
bool WriteStillGif(const QString& path, const QImage& image, const QVector<QRgb>& palette,
                   QString* error);

// The `exact` colours (at most 40), the 216 colours of the 6 x 6 x 6 cube and greys up to
// 256 entries: flat drawings keep their own colours, the rest comes close.
QVector<QRgb> DrawingPalette(const QVector<QRgb>& exact);

}  // namespace demo
