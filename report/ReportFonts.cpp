#include "report/ReportFonts.h"

#include <cmath>

namespace quorvel {

QStringList fallbackFamilies(const QString& family)
{
    QStringList families{family};
    // 黑体 and 宋体, escaped so that every compiler reads them alike.
    if (family == QStringLiteral("\u9ED1\u4F53"))
        families << QStringLiteral("SimHei") << QStringLiteral("Noto Sans CJK SC")
                 << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("WenQuanYi Zen Hei");
    else if (family == QStringLiteral("\u5B8B\u4F53"))
        families << QStringLiteral("SimSun") << QStringLiteral("Noto Serif CJK SC")
                 << QStringLiteral("AR PL UMing CN") << QStringLiteral("WenQuanYi Micro Hei")
                 << QStringLiteral("WenQuanYi Zen Hei");
    else if (family == QStringLiteral("Times New Roman"))
        families << QStringLiteral("Liberation Serif") << QStringLiteral("DejaVu Serif")
                 << QStringLiteral("serif");
    else if (family == QStringLiteral("Courier New"))
        families << QStringLiteral("Liberation Mono") << QStringLiteral("DejaVu Sans Mono")
                 << QStringLiteral("monospace");
    return families;
}

QFont reportFont(const FontSpec& spec)
{
    QFont font;
    font.setFamilies(fallbackFamilies(spec.family));
    if (spec.family == QStringLiteral("Courier New"))
        font.setStyleHint(QFont::TypeWriter);
    else if (spec.family == QStringLiteral("Times New Roman"))
        font.setStyleHint(QFont::Serif);
    font.setPixelSize(int(std::lround(spec.pointSize * kUnitsPerPoint * kFinePerUnit)));
    font.setBold(spec.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

ReportFontMetrics::ReportFontMetrics(const FontSpec& spec)
    : font_(reportFont(spec)), metrics_(font_)
{
    ascent_ = metrics_.ascent() / kFinePerUnit;
    lineHeight_ = (metrics_.ascent() + metrics_.descent()) / kFinePerUnit;
}

double ReportFontMetrics::width(const QString& text) const
{
    return metrics_.horizontalAdvance(text) / kFinePerUnit;
}

QStringList ReportFontMetrics::lines(const QString& text, bool wrap, double maxWidth) const
{
    QString normalized = text;
    normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragraphs = normalized.split(QLatin1Char('\n'));
    if (!wrap)
        return paragraphs;
    QStringList out;
    for (const QString& p : paragraphs)
        wrapLine(p, maxWidth, out);
    return out;
}

void ReportFontMetrics::wrapLine(const QString& line, double maxWidth, QStringList& out) const
{
    QString current;
    for (const QString& word : line.split(QLatin1Char(' '))) {
        const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (width(candidate) <= maxWidth || (current.isEmpty() && word.isEmpty())) {
            current = candidate;
            continue;
        }
        if (!current.isEmpty())
            out << current;
        current = word;
        // A word wider than the box is broken between characters.
        while (current.size() > 1 && width(current) > maxWidth) {
            int n = current.size() - 1;
            while (n > 1 && width(current.left(n)) > maxWidth)
                --n;
            out << current.left(n);
            current = current.mid(n);
        }
    }
    out << current;
}

const ReportFontMetrics& ReportFontCache::metrics(const FontSpec& spec)
{
    const QString key = spec.family + QLatin1Char('|') + QString::number(spec.pointSize)
        + (spec.bold ? QLatin1Char('b') : QLatin1Char('n'));
    auto it = cache_.find(key);
    if (it == cache_.end())
        it = cache_.insert(key, std::make_shared<ReportFontMetrics>(spec));
    return **it;
}

} // namespace quorvel
