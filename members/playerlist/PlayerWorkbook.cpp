#include "members/playerlist/PlayerWorkbook.h"

#include "core/workbook/WorkbookExport.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/Table.h"
#include "ui/TRenseignement.h"

namespace corvane::members::playerlist {

using namespace core::workbook;

const std::vector<WorkbookColumn> &workbookColumns()
{
    static const std::vector<WorkbookColumn> columns = [] {
        struct Raw {
            const char *title;
            const char *field;
            double width;
            bool centred;
        };
        const Raw raw[] = {
            {"Nom", "Nom", 0, false},
            {"Prénom", "Prenom", 8, false},
            {"Naissance", "Date de naissance", 8.7, true},
            {"Adresse1", "Adresse", 0, false},
            {"Adresse2", "Adresse1", 0, false},
            {"Code postal", "Code postal", 5.3, true},
            {"Ville", "Ville", 0, false},
            {"Tél. fixe", "Tel", 0, false},
            {"Portable", "Port", 0, false},
            {"Payé", "Paye", 5.4, false},
            {"N° licence", "Num license", 8.5, false},
            {"Catégorie", "Categorie", 8, true},
            {"Equipe", "Equipe", 8, true},
            {"Poste joué", "Poste joue", 8, true},
            {"Certificat", "Certificat", 7.9, true},
            {"Autoris. parentale", "Autorisation parentale", 6.3, true},
            {"Autoris. Web", "Autorisation publ Web", 5.6, true},
            {"Survêt", "Survetement", 4.7, true},
            {"Taille", "Taille survetement", 5.9, true},
            {"Maillot", "Maillot", 4.7, true},
            {"Taille", "Taille maillot", 5.2, true},
            {"Short", "Short", 4.7, true},
            {"Taille", "Taille short", 6, true},
            {"Chaussettes", "Chaussettes", 5, true},
            {"Taille", "Taille chaussette", 4.7, true},
            {"Chaussures", "Chaussures", 4.7, true},
            {"Taille", "Taille chaussures", 4.7, true},
            {"Raquette", "Gants", 7.45, true},
            {"Taille", "Taille gants", 0, true},
            {"Mercredi", "Mercredi", 0, true},
            {"Pers. à prévenir1", "Nom prevenir 1", 22, false},
            {"Tel", "Tel prevenir 1", 0, false},
            {"Pers. à prévenir2", "Nom prevenir 2", 22, false},
            {"Tel", "Tel prevenir 2", 0, false},
            {"Signe distinctif", "Distinction", 22, false},
            {"Educateur", "Educateur", 0, true},
            {"N° licence éducateur", "Num licence educateur", 0, false},
            {"Membre bureau", "Membre bureau", 0, true},
            {"Titre", "Titre", 0, true},
            {"Loisirs", "Foot loisirs", 0, true},
            {"Muté", "Mutation", 0, true},
            {"Département origine", "Departement origine", 0, false},
            {"Sigle club origine", "Sigle club origine", 0, false},
            {"Arbitre", "Arbitre", 0, false},
            {"Grade arbitre", "ArbitreGrade", 0, false},
            {"Arbitre délégué", "ArbitreDelegue", 0, false},
            {"Grade arbitre délégué", "ArbitreDelGrade", 0, false},
            {"Simple", "Classement S", 6, true},
            {"Double", "Classement D", 6, true},
            {"Mixte", "Classement DM", 6, true},
        };
        std::vector<WorkbookColumn> c;
        for (const Raw &r : raw)
            c.push_back({QString::fromUtf8(r.title), QString::fromUtf8(r.field), r.width, r.centred});
        return c;
    }();
    return columns;
}

int sheetTab(int sheet)
{
    if (sheet < 8)
        return sheet + 2; // men's categories
    if (sheet < 16)
        return sheet + 4; // women's categories
    switch (sheet) {
    case 16:
        return TabBureau;
    case 17:
        return TabEducateurs;
    case 18:
        return TabArbitres;
    default:
        return TabLoisirs;
    }
}

QStringList workbookSheetNames(const std::vector<PlayerTab> &tabs)
{
    QStringList names;
    for (int s = 0; s < WorkbookSheetCount; ++s)
        names.append(tabs.at(std::size_t(sheetTab(s))).caption);
    return names;
}

std::vector<int> memberSheets(const std::vector<PlayerTab> &tabs, const MemberFields &f,
                              const data::RecordView &member)
{
    std::vector<int> sheets;
    const QString categorie = member.value(f.categorie).toString();
    for (int s : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19}) {
        const PlayerTab &tab = tabs.at(std::size_t(sheetTab(s)));
        if (tab.category == categorie) {
            if (onTab(tab, f, member))
                sheets.push_back(s);
            break;
        }
    }
    for (int s : {16, 17, 18}) {
        if (onTab(tabs.at(std::size_t(sheetTab(s))), f, member))
            sheets.push_back(s);
    }
    std::sort(sheets.begin(), sheets.end());
    return sheets;
}

namespace {

// One member's 50 cells, read once and written on each of his sheets.
struct Cell {
    enum Kind : unsigned char { Empty, Text, Date } kind = Empty;
    QString text;
    QDate date;
};

void formatSheet(Sheet &s, int n)
{
    const QString last = QString::number(n);
    s.range(QStringLiteral("A1:AX") + last).setFontSize(8);
    const auto &columns = workbookColumns();
    for (int c = 0; c < int(columns.size()); ++c) {
        Range column = s.range(Area{{0, c}, {n - 1, c}});
        if (columns[std::size_t(c)].width > 0)
            column.setColumnWidth(columns[std::size_t(c)].width);
        if (columns[std::size_t(c)].centred)
            column.setHorizontalAlignment(HAlign::Centre);
    }
    // The legend, two rows under the table.
    const QString legend = QString::number(n + 2);
    s.range(QStringLiteral("A") + legend + QStringLiteral(":B") + legend)
        .setInteriorColour(WorkbookGrey)
        .setPattern(Pattern::Solid)
        .setBorder(Edge::Left, LineStyle::Thin)
        .setBorder(Edge::Top, LineStyle::Thin)
        .setBorder(Edge::Bottom, LineStyle::Thin)
        .setBorder(Edge::Right, LineStyle::Thin);
    s.setText(QStringLiteral("C") + legend, QStringLiteral("Cotisation non réglée"));
    s.range(QStringLiteral("C") + legend + QStringLiteral(":D") + legend)
        .merge()
        .setBold()
        .setFontSize(8)
        .setHorizontalAlignment(HAlign::Centre)
        .setVerticalAlignment(VAlign::Centre);
}

} // namespace

bool exportPlayerWorkbook(data::Table &joueurs, const data::Parametres &p, QWidget *parent, QString *doneText,
                          const QString &folder)
{
    const std::vector<PlayerTab> tabs = playerTabs(p);
    const auto &columns = workbookColumns();
    QStringList titles;
    for (const WorkbookColumn &c : columns)
        titles.append(c.title);

    WorkbookExport ex(PlayerWorkbookName, parent, folder);
    for (const QString &name : workbookSheetNames(tabs))
        ex.addSheet(name, [&titles](Sheet &s) { writeTitles(s, titles); });

    const MemberFields f(joueurs);
    const data::TableDef &def = joueurs.definition();
    std::vector<int> indexes;
    std::vector<data::FieldType> types;
    for (const WorkbookColumn &c : columns) {
        indexes.push_back(joueurs.fieldIndex(c.field));
        types.push_back(def.fields.at(std::size_t(indexes.back())).type);
    }
    // The fields the sheet choice reads, in a record of the table's width.
    std::vector<QVariant> roles(def.fields.size());
    const int roleFields[] = {f.categorie, f.equipe,         f.membreBureau, f.educateur,
                              f.arbitre,   f.arbitreDelegue, f.arbitreTable, f.paye};

    std::vector<Cell> cells(columns.size());
    const int count = joueurs.recordCount();
    for (int row = 0; row < count; ++row) {
        for (int i : roleFields)
            roles[std::size_t(i)] = joueurs.valueAt(row, i);
        const std::vector<int> sheets = memberSheets(tabs, f, data::RecordView(joueurs, roles));
        if (sheets.empty())
            continue;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            Cell &cell = cells[c];
            const QVariant v = joueurs.valueAt(row, indexes[c]);
            switch (types[c]) {
            case data::FieldType::Bool:
                cell.kind = Cell::Text;
                cell.text = v.toBool() ? QStringLiteral("Oui") : QStringLiteral("Non");
                break;
            case data::FieldType::Date:
                cell.date = v.toDate();
                cell.kind = cell.date.isValid() ? Cell::Date : Cell::Empty;
                break;
            default:
                cell.text = v.isNull() ? QString() : joueurs.displayAt(row, indexes[c]);
                cell.kind = cell.text.isEmpty() ? Cell::Empty : Cell::Text;
                break;
            }
        }
        const bool unpaid = !roles[std::size_t(f.paye)].toBool();
        for (int s : sheets) {
            Line line = ex.line(s);
            for (const Cell &cell : cells) {
                if (cell.kind == Cell::Text)
                    line.text(cell.text);
                else if (cell.kind == Cell::Date)
                    line.date(cell.date);
                else
                    line.skip();
            }
            if (unpaid) {
                const int r = line.rowNumber() - 1;
                ex.sheet(s)
                    .range(Area{{r, 0}, {r, int(columns.size()) - 1}})
                    .setInteriorColour(WorkbookGrey)
                    .setPattern(Pattern::Solid);
            }
        }
        // The information window shows it is still working.
        if ((row + 1) % 10 == 0)
            ex.information().setFirstLine((row + 1) % 20 == 0
                                              ? WorkbookExport::DefaultFirstLine
                                              : QStringLiteral("Le fichier est en cours de "
                                                               "génération\rVeuillez patienter"));
    }

    WorkbookExport::Formatting formatting;
    formatting.lastColumn = QStringLiteral("AX");
    formatting.layout = formatSheet;
    formatting.centreHeader = [](const Sheet &s) { return QStringLiteral("Catégorie ") + s.name(); };
    formatting.text = QStringLiteral("Mise en forme des onglets en cours ...");
    if (!ex.finish(formatting))
        return false;
    if (doneText)
        *doneText = ex.doneText();
    return true;
}

} // namespace corvane::members::playerlist
