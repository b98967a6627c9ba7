#include "core/report/StandardFrame.h"

#include "data/AppFolders.h"

namespace corvane::core::report {

QString saisonText(const data::Parametres &p)
{
    return p.proprietaire + QStringLiteral("  -  Saison: ") + p.saison;
}

void setSharedLabels(Report &report, const data::Parametres &p)
{
    report.setLabel(SaisonLabel, saisonText(p));
    report.setLabel(VersionLabel, data::VersionText);
    report.setLabel(DdjsLabel, p.ligneEnregistrement);
    if (!report.title().isEmpty())
        report.setLabel(TitreLabel, report.title());
}

void addStandardFrame(Report &report, const data::Parametres &p)
{
    const double w = report.bandWidth();
    const double half = w / 2;

    Band &title = report.titleBand(22);
    title.printDate(QRectF(0, 0, half, 5), QStringLiteral("Edition du "), TextStyle().italic().size(8))
        .named(EditionLabel);
    title.label(saisonText(p), QRectF(half, 0, half, 5), TextStyle().size(9).align(Qt::AlignRight))
        .named(SaisonLabel);
    title.label(report.title(), QRectF(0, 7, w, 10), TextStyle().size(16).bold().align(Qt::AlignHCenter))
        .named(TitreLabel);

    Band &footer = report.pageFooter(8);
    const double side = 45;
    footer.line(QLineF(0, 1.5, w, 1.5), 0.3);
    footer.label(data::VersionText, QRectF(0, 2.5, side, 5), TextStyle().size(8).bold().italic())
        .named(VersionLabel);
    footer
        .label(p.ligneEnregistrement, QRectF(side, 2.5, w - 2 * side, 5),
               TextStyle().size(8).align(Qt::AlignHCenter))
        .named(DdjsLabel);
    footer
        .pageNumber(QRectF(w - side, 2.5, side, 5), QStringLiteral("Page: "),
                    TextStyle().size(8).bold().align(Qt::AlignRight))
        .named(PageLabel);
}

TextStyle columnTitleStyle()
{
    return TextStyle().bold().size(9).fill(QColor(232, 232, 232)).framed(TextStyle::AllSides, 0.2);
}

TextStyle columnFieldStyle()
{
    return TextStyle().size(9).pad(1.0);
}

TextStyle groupHeaderStyle()
{
    return TextStyle().bold().size(10).fill(QColor(240, 244, 250)).framed(TextStyle::Bottom, 0.2);
}

void addColumns(Report &report, const std::vector<Column> &columns, double detailHeightMm)
{
    Band &header = report.columnHeader(7);
    Band &detail = report.detail(detailHeightMm);
    double x = 0;
    for (size_t k = 0; k < columns.size(); ++k) {
        const Column &c = columns[k];
        // Neighbouring titles share their border: each draws its left one, the last also its right.
        const int sides = TextStyle::Left | TextStyle::Top | TextStyle::Bottom |
                          (k + 1 == columns.size() ? TextStyle::Right : TextStyle::NoSide);
        header.label(c.title, QRectF(x, 0.5, c.width, 6),
                     columnTitleStyle().align(c.alignment).framed(sides, 0.2));
        const QRectF cell(x, 0, c.width, detailHeightMm);
        if (c.compute)
            detail.computed(c.compute, cell, columnFieldStyle().align(c.alignment));
        else
            detail.field(c.field, cell, columnFieldStyle().align(c.alignment));
        x += c.width;
    }
}

} // namespace corvane::core::report
