#include "platform/widgets/DotGlyphs.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>

namespace quorvel {

namespace {

constexpr int kScale = 6;   // rendered pixels per dot, each way

QFont samplingFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Courier New")});
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(kDotRows * kScale);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Renders the glyph so that capitals fill the seven rows, then keeps the
// dots that are mostly covered.
DotGlyph sample(QChar c)
{
    QImage img(kDotColumns * kScale, kDotRows * kScale, QImage::Format_Grayscale8);
    img.fill(0);
    if (!c.isSpace()) {
        QPainter p(&img);
        QFont f = samplingFont();
        const QFontMetricsF fm(f);
        f.setPixelSize(qRound(f.pixelSize() * img.height() / fm.capHeight()));
        p.setFont(f);
        p.setPen(Qt::white);
        const QFontMetricsF scaled(f);
        const qreal x = (img.width() - scaled.horizontalAdvance(c)) / 2.0;
        p.drawText(QPointF(x, img.height()), QString(c));
    }
    DotGlyph g{};
    for (int row = 0; row < kDotRows; ++row)
        for (int col = 0; col < kDotColumns; ++col) {
            int sum = 0;
            for (int y = 0; y < kScale; ++y) {
                const uchar* line = img.constScanLine(row * kScale + y);
                for (int x = 0; x < kScale; ++x)
                    sum += line[col * kScale + x];
            }
            if (sum > 255 * kScale * kScale * 4 / 10)
                g[size_t(row)] |= uint8_t(1 << (kDotColumns - 1 - col));
        }
    return g;
}

} // namespace

const DotGlyph& dotGlyph(QChar c)
{
    static QHash<char16_t, DotGlyph> cache;
    auto it = cache.find(c.unicode());
    if (it == cache.end())
        it = cache.insert(c.unicode(), sample(c));
    return *it;
}

} // namespace quorvel
