#include "core/report/PrintSink.h"

#include "core/report/PagePainter.h"
#include "ui/Messages.h"

#include <QPrinter>

namespace corvane::core::report {

namespace {
PrintSink *currentSink = nullptr;
}

QPrinter &reportPrinter()
{
    // Kept to the very end of the run, past the application object that a
    // printer's destructor would still need.
    static QPrinter *printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

bool PrinterSink::print(const Document &doc, QWidget *parent)
{
    QPrinter &printer = reportPrinter();
    printer.setDocName(doc.title);
    // Our pages place everything from the sheet's corner.
    printer.setFullPage(true);
    printer.setCopyCount(1);
    if (!paintDocument(doc, printer)) {
        // Without a print service Qt fails silently: say it rather than let
        // the officer wait for a sheet that never comes.
        ui::Messages::error(
            QString::fromUtf8("L'impression de « %1 » n'a pas pu être lancée : aucune imprimante "
                              "n'est disponible ou l'imprimante a refusé le document.")
                .arg(doc.title),
            parent);
        return false;
    }
    return true;
}

PrintSink &printSink()
{
    static PrinterSink printer;
    return currentSink ? *currentSink : printer;
}

void setPrintSink(PrintSink *sink)
{
    currentSink = sink;
}

RecordedPrints::RecordedPrints()
    : previous_(currentSink)
{
    currentSink = this;
}

RecordedPrints::~RecordedPrints()
{
    currentSink = previous_;
}

bool RecordedPrints::print(const Document &doc, QWidget *)
{
    documents_.push_back(doc);
    return true;
}

} // namespace corvane::core::report
