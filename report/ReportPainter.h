#pragma once
// Draws prepared pages onto any paint device: the preview, a printer, a PDF.

#include "report/PageModel.h"
#include "report/ReportFonts.h"

class QPainter;

namespace quorvel {

class ReportPainter {
public:
    // The painter's origin is the paper's top left corner; pxPerUnit is the
    // device's pixels per report unit.
    void paintPage(QPainter& painter, const ReportPage& page, double pxPerUnit);

private:
    void paintMemo(QPainter& painter, const PageObject& o);
    void paintLine(QPainter& painter, const PageObject& o);

    ReportFontCache fonts_;
};

} // namespace quorvel
