#pragma once

#include "core/report/Report.h"
#include "data/Parametres.h"

#include <functional>
#include <vector>

namespace corvane::core::report {

// Names of the labels every list shares.
inline const QString TitreLabel = QStringLiteral("Titre");
inline const QString EditionLabel = QStringLiteral("Edition");
inline const QString SaisonLabel = QStringLiteral("SaisonTXT");
inline const QString VersionLabel = QStringLiteral("QRVersion");
inline const QString DdjsLabel = QStringLiteral("QRDDJS");
inline const QString PageLabel = QStringLiteral("Page");

// The club's name, "  -  Saison: " and the season's name.
QString saisonText(const data::Parametres &p);

// Gives the shared labels their texts from the settings: SaisonTXT, QRVersion,
// QRDDJS, and Titre from the report's title. Labels the report lacks are
// skipped.
void setSharedLabels(Report &report, const data::Parametres &p = data::parametres());

// The frame of the program's lists: a title band with the printing date
// (italic, top left), SaisonTXT (top right) and the title (centred, bold);
// a page footer with QRVersion (bold italic, left), QRDDJS (centred) and
// "Page: n" (bold, right) under a rule. A report then only adds its column
// headers and its detail fields.
void addStandardFrame(Report &report, const data::Parametres &p = data::parametres());

// A column of a list: a title over a field of the source, or over a text
// computed for the current record.
struct Column {
    QString title;
    QString field;
    double width; // mm
    Qt::Alignment alignment = Qt::AlignLeft;
    std::function<QString()> compute = {};
};

// Lays columns side by side from the left margin: framed bold titles on a
// light fill in the column header, the fields in the detail band.
void addColumns(Report &report, const std::vector<Column> &columns, double detailHeightMm = 5.0);

// The look of column titles and of the fields under them.
TextStyle columnTitleStyle();
TextStyle columnFieldStyle();
// A group header's text: bold, a little larger, on a light fill.
TextStyle groupHeaderStyle();

} // namespace corvane::core::report
