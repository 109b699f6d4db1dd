#pragma once
// Fonts of the template, with fallbacks to installed fonts that cover the
// same scripts, measured in report units. Layout and painting use the same
// fonts at the same fine pixel size so that what was measured is what is drawn.

#include "report/ReportTemplate.h"
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <memory>

namespace quorvel {

// Fonts are sized in fine pixels: kFinePerUnit of them to a report unit.
constexpr double kFinePerUnit = 8.0;

QStringList fallbackFamilies(const QString& family);
QFont reportFont(const FontSpec& spec);

class ReportFontMetrics {
public:
    explicit ReportFontMetrics(const FontSpec& spec);
    const QFont& font() const { return font_; }
    double ascent() const { return ascent_; }
    double lineHeight() const { return lineHeight_; }   // without the extra spacing
    double width(const QString& text) const;
    // Splits at line breaks and, when wrapping, at blanks so no line is wider than maxWidth.
    QStringList lines(const QString& text, bool wrap, double maxWidth) const;

private:
    void wrapLine(const QString& line, double maxWidth, QStringList& out) const;

    QFont font_;
    QFontMetricsF metrics_;
    double ascent_ = 0;
    double lineHeight_ = 0;
};

// Metrics shared by the layout and the painter, one per font.
class ReportFontCache {
public:
    const ReportFontMetrics& metrics(const FontSpec& spec);

private:
    QHash<QString, std::shared_ptr<ReportFontMetrics>> cache_;
};

} // namespace quorvel
