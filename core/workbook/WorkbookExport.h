#pragma once

#include "core/workbook/Workbook.h"

#include "data/Money.h"

#include <QDate>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace corvane::data {
class Table;
}

namespace corvane::ui {
class TRenseignement;
}

namespace corvane::core::workbook {

// One record line of an export sheet, filled from column A rightwards.
// Flags are written "Oui"/"Non", dates as dates, money as numbers in the
// currency format, other text as text.
class Line {
public:
    Line(Sheet &sheet, int rowNumber);

    Line &text(const QString &text);
    Line &flag(bool on);
    Line &date(const QDate &date);
    Line &money(data::Money amount);
    Line &number(double value);
    // The field's value as its type asks: Bool a flag, Date a date, Money
    // money, whole and real numbers numbers, anything else its display text.
    // An empty field leaves the cell empty (an empty flag reads "Non").
    Line &field(const data::Table &table, const QString &fieldName);
    Line &skip(int columns = 1);

    int rowNumber() const { return row_ + 1; } // as the sheet shows it: 2 for the first record
    int column() const { return column_; }     // zero-based column of the next value

private:
    Sheet *sheet_;
    int row_;
    int column_ = 0;
};

// Row 1 of a sheet: one title a column from A.
void writeTitles(Sheet &sheet, const QStringList &titles);

// The common layout of an export table over A1 to `lastColumn` (letters, as
// "AX") of row `lastRow` (as the sheet numbers rows): thin lines on the outer
// edges and between all cells, no diagonals; row 1 bold, centred both ways
// and wrapped; rows 2 to `lastRow` 15 points high and centred vertically.
void applyTableLayout(Sheet &sheet, const QString &lastColumn, int lastRow);

// The common page set-up: the club's name, `centreHeader` and the season in
// the header; the picture (when given), the program's version in italics,
// the page number and today's date in the footer; margins 0.3 inch left and
// right, 0.8 inch top and bottom; centred horizontally; landscape; 70 %.
void applyPageSetup(Sheet &sheet, const QString &centreHeader, const QString &footerPicture = {});

// The procedure every export follows to write its workbook:
//
//   WorkbookExport ex(QStringLiteral("Adresses.xlsx"), this);
//   ex.addSheet(QStringLiteral("Adresses"), [](Sheet &s) { writeTitles(s, titres); });
//   for (t->first(); !t->eof(); t->next())
//       ex.line(0).field(*t, "Destinataire").field(*t, "Adresse 1") ... ;
//   WorkbookExport::Formatting f;
//   f.layout = [](Sheet &s, int n) { s.range(QStringLiteral("A1:K%1").arg(n)).setFontSize(8); ... };
//   f.centreHeader = [](const Sheet &) { return QStringLiteral("Liste des adresses"); };
//   if (ex.finish(f))
//       statusBar()->showMessage(ex.doneText(), WorkbookExport::DoneTextDuration);
//
// While it lives: hourglass cursor and the information box "Génération du
// fichier <name>" naming the export folder. finish() formats the sheets that
// received at least one line (the export's own layout, the common table
// layout, the common page set-up), activates the first sheet, and saves the
// file, replacing a previous one; a failure shows a French error naming the
// file and returns false.
//
// The file is written directly, so the old failure "the spreadsheet program
// is not installed" cannot happen and has no message here.
class WorkbookExport {
public:
    static constexpr int DoneTextDuration = 3000; // ms the caller's status bar shows doneText()
    static inline const QString DefaultFirstLine =
        QStringLiteral("Le fichier est en cours de génération\rVeuillez patienter...");
    static inline const QString DefaultFormattingLine =
        QStringLiteral("Mise à jour des onglets en cours ...");
    static constexpr double TabRatio = 0.87;

    // `fileName` ends in ".xlsx"; `folder` defaults to the export folder
    // ("Fichiers Excel" in the data folder), created when missing.
    explicit WorkbookExport(const QString &fileName, QWidget *parent = nullptr, const QString &folder = {});
    ~WorkbookExport();
    WorkbookExport(const WorkbookExport &) = delete;
    WorkbookExport &operator=(const WorkbookExport &) = delete;

    // Sheets in the order added; `writeTitles` fills row 1 (the sheet's
    // title row). A name the spreadsheet refuses is adjusted (see
    // Sheet::setName); the index is what line() takes.
    Sheet &addSheet(const QString &name, const std::function<void(Sheet &)> &writeTitles = {});
    int sheetCount() const { return book_.sheetCount(); }
    Sheet &sheet(int index) { return book_.sheet(index); }

    // The next record line of a sheet: row 2, then 3, ... for each sheet.
    Line line(int sheetIndex);
    // The sheet's last row as numbered on screen: 1 while it holds only its titles.
    int lastRow(int sheetIndex) const { return lastRows_.at(std::size_t(sheetIndex)); }

    struct Formatting {
        // Letters of the table's last column; empty: the column of the last title.
        QString lastColumn;
        // The export's own layout of a sheet with lines, before the common one;
        // `lastRow` as numbered on screen.
        std::function<void(Sheet &sheet, int lastRow)> layout;
        std::function<QString(const Sheet &sheet)> centreHeader;
        QString text = DefaultFormattingLine; // information line while formatting
    };

    // Formats, saves and closes the information box. True when the file was
    // written; false after the error message.
    bool finish(const Formatting &formatting);

    // "Ecriture du fichier <name> terminé.", for the caller's status bar.
    QString doneText() const;
    void setDoneText(const QString &text) { doneText_ = text; }

    QString fileName() const { return fileName_; }
    QString folder() const { return folder_; }
    QString filePath() const;

    Workbook &workbook() { return book_; }
    // The information box, for exports that update its first line while working.
    ui::TRenseignement &information() { return *info_; }

private:
    void endWork();

    QString fileName_;
    QString folder_;
    QString folderError_;
    QString doneText_;
    QPointer<QWidget> parent_;
    Workbook book_;
    std::vector<int> lastRows_;
    QPointer<ui::TRenseignement> info_; // a child of the caller's window, which may go first
    bool cursorSet_ = false;
};

} // namespace corvane::core::workbook
