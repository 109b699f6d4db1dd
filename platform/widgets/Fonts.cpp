#include "platform/widgets/Fonts.h"

#include <QStringList>

namespace quorvel::fonts {

QFont smallSans()
{
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(8);
    return f;
}

QFont windowDefault()
{
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei"),
                   QStringLiteral("DejaVu Sans")});
    f.setPixelSize(12);
    return f;
}

QFont arialBold(int pixelSize)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

} // namespace quorvel::fonts
