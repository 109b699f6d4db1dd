#include "report/ui/PrepareProgress.h"

#include <QProgressDialog>

namespace quorvel {

std::optional<PreparedReport> prepareWithProgress(QWidget* parent, DataReport& report, int showAfterMs)
{
    QProgressDialog progress(QObject::tr("Preparing the report…"), QObject::tr("Cancel"), 0, 1, parent);
    progress.setObjectName(QStringLiteral("prepareProgress"));
    progress.setWindowTitle(report.title());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(showAfterMs);
    progress.setAutoReset(false);
    progress.setValue(0);
    auto prepared = report.prepare([&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);   // a window-modal progress window keeps events flowing
        return !progress.wasCanceled();
    });
    return progress.wasCanceled() ? std::nullopt : std::move(prepared);
}

} // namespace quorvel
