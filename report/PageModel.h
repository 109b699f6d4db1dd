#pragma once
// Prepared pages: the objects of every page with their final positions,
// sizes and texts, in report units from the paper's top left corner. Tests
// read it; ReportPainter draws it.

#include "report/ReportTemplate.h"
#include <QRectF>
#include <QString>
#include <vector>

namespace quorvel {

struct PageObject {
    ObjectKind kind = ObjectKind::Memo;
    QString name;
    QRectF rect;               // a line runs along the rect's top edge
    QString text;              // resolved
    FontSpec font;
    Qt::Alignment align = Qt::AlignLeft;
    bool wordWrap = true;
    double frameBottom = 0;
    double lineWidth = 0;
};

struct ReportPage {
    QSizeF size;
    std::vector<PageObject> objects;
};

struct PreparedReport {
    PageSetup setup;   // the page the report was laid out on
    std::vector<ReportPage> pages;
    int pageCount() const { return int(pages.size()); }
};

} // namespace quorvel
