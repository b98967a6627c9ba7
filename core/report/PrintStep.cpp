#include "core/report/PrintStep.h"

#include "core/report/PrintSink.h"
#include "core/report/Report.h"
#include "core/report/StandardFrame.h"
#include "core/report/TFichePreview.h"

#include <QApplication>
#include <QCursor>

namespace corvane::core::report {

namespace {
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

void printReport(Report &report, const data::Parametres &p, QWidget *parent)
{
    setSharedLabels(report, p);
    if (p.previsualisation) {
        TFichePreview::instance().preview(report, p.nombre);
        return;
    }
    Document doc;
    {
        BusyCursor busy;
        doc = report.layout();
    }
    for (int i = 0; i < p.nombre; ++i)
        if (!printSink().print(doc, parent))
            break; // the officer was told once; the other copies would fail the same way
}

} // namespace corvane::core::report
