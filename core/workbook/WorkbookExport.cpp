#include "core/workbook/WorkbookExport.h"

#include "data/AppFolders.h"
#include "data/FieldType.h"
#include "data/Parametres.h"
#include "data/Table.h"
#include "ui/Messages.h"
#include "ui/TRenseignement.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QTemporaryDir>

#include <algorithm>

namespace corvane::core::workbook {

// ---------------------------------------------------------------- Line

Line::Line(Sheet &sheet, int rowNumber)
    : sheet_(&sheet)
    , row_(rowNumber - 1)
{}

Line &Line::text(const QString &text)
{
    sheet_->setText(row_, column_++, text);
    return *this;
}

Line &Line::flag(bool on)
{
    return text(on ? QStringLiteral("Oui") : QStringLiteral("Non"));
}

Line &Line::date(const QDate &date)
{
    sheet_->setDate(row_, column_++, date);
    return *this;
}

Line &Line::money(data::Money amount)
{
    sheet_->setNumber(row_, column_, amount.roundedToCents().toDouble());
    sheet_->cell(row_, column_++).setNumberFormat(MoneyFormat);
    return *this;
}

Line &Line::number(double value)
{
    sheet_->setNumber(row_, column_++, value);
    return *this;
}

Line &Line::field(const data::Table &table, const QString &fieldName)
{
    const data::FieldType type = table.definition().field(fieldName).type;
    if (type == data::FieldType::Bool)
        return flag(table.asBool(fieldName));
    if (table.isNull(fieldName))
        return skip();
    switch (type) {
    case data::FieldType::Date:
        return date(table.asDate(fieldName));
    case data::FieldType::Money:
        return money(table.asMoney(fieldName));
    case data::FieldType::Int16:
    case data::FieldType::Int32:
        return number(double(table.asInt(fieldName)));
    case data::FieldType::Real:
        return number(table.asDouble(fieldName));
    case data::FieldType::Picture:
    case data::FieldType::Binary:
        return skip();
    default:
        // Text stays text: postcodes and telephone numbers keep their leading zeros.
        return text(table.displayText(fieldName));
    }
}

Line &Line::skip(int columns)
{
    column_ += columns;
    return *this;
}

// ---------------------------------------------------------------- layout

void writeTitles(Sheet &sheet, const QStringList &titles)
{
    for (int c = 0; c < titles.size(); ++c)
        sheet.setText(0, c, titles[c]);
}

void applyTableLayout(Sheet &sheet, const QString &lastColumn, int lastRow)
{
    const QString n = QString::number(lastRow);
    sheet.range(QStringLiteral("A1"), lastColumn + n).setGrid(LineStyle::Thin);
    sheet.range(QStringLiteral("A1"), lastColumn + QStringLiteral("1"))
        .setBold()
        .setHorizontalAlignment(HAlign::Centre)
        .setVerticalAlignment(VAlign::Centre)
        .setWrapText();
    if (lastRow >= 2)
        sheet.range(QStringLiteral("A2"), lastColumn + n)
            .setRowHeight(15)
            .setVerticalAlignment(VAlign::Centre);
}

void applyPageSetup(Sheet &sheet, const QString &centreHeader, const QString &footerPicture)
{
    const data::Parametres &p = data::parametres();
    PageSetup &page = sheet.pageSetup();
    page.header.left = headerFooterText(p.proprietaire);
    page.header.centre = headerFooterText(centreHeader);
    page.header.right = headerFooterText(QStringLiteral("Saison: ") + p.saison);
    page.footer.left = QStringLiteral("&G&I") + headerFooterText(data::VersionText);
    page.footer.leftPicture = footerPicture;
    page.footer.centre = QStringLiteral("Page &P");
    page.footer.right = headerFooterText(QStringLiteral("Edition du ") +
                                         QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    page.leftMargin = 0.3;
    page.rightMargin = 0.3;
    page.topMargin = 0.8;
    page.bottomMargin = 0.8;
    page.centreHorizontally = true;
    page.centreVertically = false;
    page.orientation = Orientation::Landscape;
    page.fitToPages = false;
    page.zoom = 70;
}

// ---------------------------------------------------------------- procedure

WorkbookExport::WorkbookExport(const QString &fileName, QWidget *parent, const QString &folder)
    : fileName_(fileName)
    , folder_(folder.isEmpty() ? data::appFolders().fichiersExcel() : folder)
    , doneText_(QStringLiteral("Ecriture du fichier ") + fileName + QStringLiteral(" terminé."))
    , parent_(parent)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
    if (!QDir().mkpath(folder_))
        folderError_ =
            QStringLiteral("Le fichier %1 n'a pas pu être enregistré :\rle dossier %2 ne peut pas être créé.")
                .arg(QDir::toNativeSeparators(filePath()), QDir::toNativeSeparators(folder_));

    info_ = new ui::TRenseignement(parent);
    info_->setWindowTitle(QStringLiteral("Génération du fichier ") + fileName_);
    info_->setFirstLine(DefaultFirstLine);
    info_->setSecondLine(QStringLiteral("Il sera placé dans le répertoire\r") +
                         QDir::toNativeSeparators(folder_));
    info_->showNow();
}

WorkbookExport::~WorkbookExport()
{
    endWork();
    delete info_.data();
}

void WorkbookExport::endWork()
{
    if (info_)
        info_->close();
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
}

Sheet &WorkbookExport::addSheet(const QString &name, const std::function<void(Sheet &)> &writeTitles)
{
    Sheet &s = book_.addSheet(name);
    lastRows_.push_back(1);
    if (writeTitles)
        writeTitles(s);
    return s;
}

Line WorkbookExport::line(int sheetIndex)
{
    int &last = lastRows_.at(std::size_t(sheetIndex));
    ++last;
    return Line(book_.sheet(sheetIndex), last);
}

QString WorkbookExport::filePath() const
{
    return QDir(folder_).filePath(fileName_);
}

QString WorkbookExport::doneText() const
{
    return doneText_;
}

bool WorkbookExport::finish(const Formatting &formatting)
{
    info_->setFirstLine(formatting.text);

    // The footer picture is the program's own icon.
    QTemporaryDir pictureDir;
    QString picture;
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull() && pictureDir.isValid()) {
        picture = pictureDir.filePath(QStringLiteral("logo.png"));
        if (!icon.pixmap(32, 32).save(picture, "PNG"))
            picture.clear();
    }

    for (int i = 0; i < book_.sheetCount(); ++i) {
        const int n = lastRows_[std::size_t(i)];
        Sheet &s = book_.sheet(i);
        s.selectCell(QStringLiteral("A1"));
        if (n < 2)
            continue; // a sheet without lines keeps its title row only
        const QString lastColumn = formatting.lastColumn.isEmpty()
                                       ? columnName(std::max(0, s.lastValueColumn(0)))
                                       : formatting.lastColumn;
        if (formatting.layout)
            formatting.layout(s, n);
        applyTableLayout(s, lastColumn, n);
        applyPageSetup(s, formatting.centreHeader ? formatting.centreHeader(s) : QString(), picture);
    }
    if (book_.sheetCount() > 0)
        book_.activate(0);
    book_.setTabRatio(TabRatio);

    // Saving replaces any previous file only once the new one is complete, so
    // a failure keeps the previous workbook instead of deleting it first.
    QString error = folderError_;
    if (error.isEmpty())
        error = book_.save(filePath()).error;
    if (!error.isEmpty()) {
        endWork();
        ui::Messages::error(error, parent_);
        return false;
    }
    info_->setFirstLine(doneText_);
    endWork();
    return true;
}

} // namespace corvane::core::workbook
