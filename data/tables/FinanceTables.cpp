#include "data/tables/TableDefs.h"

#include <array>
#include <stdexcept>

namespace corvane::data {

namespace {

constexpr const char *kDateMask = "!99/99/0000;1;_";

// Month names as the forecast labels spell them, January first.
constexpr std::array<const char *, 12> kMonths = {
    "Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
    "Juillet", "Aout",    "Septembre", "Octobre", "Novembre", "Décembre",
};

// Which ledgers require a field of an entry. The work tables that copy entries
// of both kinds (the combined ledger, the reconciliation rows) require nothing:
// an expense may have no payer, and a reconciliation row leaves the amount of
// the other kind empty.
enum class Need { Both, Receipts, None };

struct EntryField {
    QString name;
    FieldType type;
    int size;
    QString label;
    QString mask;
    Need need;
};

// The fields of a receipt or an expense, in the stored order of both ledgers.
const std::array<EntryField, 17> &entryFields()
{
    static const std::array<EntryField, 17> fields = {{
        {QStringLiteral("Date"), FieldType::Date, 0, {}, QString::fromLatin1(kDateMask), Need::Both},
        {QStringLiteral("Poste"), FieldType::Text, 50, {}, {}, Need::Both},
        {QStringLiteral("Libelle"), FieldType::Text, 65, QStringLiteral("Libellé"), {}, Need::Both},
        {QStringLiteral("Compte"), FieldType::Text, 25, {}, {}, Need::None},
        {QStringLiteral("Genre"), FieldType::Text, 7, {}, {}, Need::Both},
        {QStringLiteral("Montant recette"), FieldType::Money, 0, QStringLiteral("Montant"), {}, Need::Both},
        {QStringLiteral("Montant depense"), FieldType::Money, 0, QStringLiteral("Montant"), {}, Need::Both},
        {QStringLiteral("Num"), FieldType::Int32, 0, {}, {}, Need::Both},
        {QStringLiteral("Piece"), FieldType::Text, 15, QStringLiteral("Pièce"), {}, Need::None},
        {QStringLiteral("Rapprochement"), FieldType::Text, 1, {}, {}, Need::None},
        {QStringLiteral("Divers"), FieldType::Text, 50, {}, {}, Need::None},
        {QStringLiteral("Nom du payeur"), FieldType::Text, 50, {}, {}, Need::Receipts},
        {QStringLiteral("Sur bordereau banque"), FieldType::Bool, 0, {}, {}, Need::None},
        {QStringLiteral("Justificatif"), FieldType::Bool, 0, {}, {}, Need::None},
        {QStringLiteral("Activite"), FieldType::Text, 50, QStringLiteral("Activité"), {}, Need::None},
        {QStringLiteral("Banque"), FieldType::Text, 30, {}, {}, Need::None},
        {QStringLiteral("Num cheque"), FieldType::Text, 10, QStringLiteral("N° chèque"), {}, Need::None},
    }};
    return fields;
}

enum class EntryTable { Receipts, Expenses, Work };

bool requiredIn(const EntryField &f, EntryTable table)
{
    switch (table) {
    case EntryTable::Receipts:
        return f.need == Need::Both || f.need == Need::Receipts;
    case EntryTable::Expenses:
        return f.need == Need::Both;
    case EntryTable::Work:
        break;
    }
    return false;
}

TableBuilder &addEntryField(TableBuilder &b, const EntryField &f, EntryTable table)
{
    switch (f.type) {
    case FieldType::Text:
        b.text(f.name, f.size);
        break;
    case FieldType::Date:
        b.date(f.name);
        break;
    case FieldType::Money:
        b.money(f.name);
        break;
    case FieldType::Int32:
        b.int32(f.name);
        break;
    case FieldType::Bool:
        b.boolean(f.name);
        break;
    default:
        throw std::logic_error("entry field of an unexpected type");
    }
    if (!f.label.isEmpty())
        b.label(f.label);
    if (!f.mask.isEmpty())
        b.mask(f.mask);
    if (requiredIn(f, table))
        b.required();
    return b;
}

const EntryField &entryField(const QString &name)
{
    for (const EntryField &f : entryFields()) {
        if (f.name == name)
            return f;
    }
    throw std::logic_error(("unknown entry field: " + name).toStdString());
}

// A table holding ledger entries, with the fields in the ledgers' order.
TableBuilder entryTable(const QString &name, const QString &component, EntryTable table)
{
    TableBuilder b(name, component);
    for (const EntryField &f : entryFields())
        addEntryField(b, f, table);
    return b;
}

// The leading fields of a deposit slip, shared by cheque and cash slips and by
// their print copies. Cash slips keep no cheque count (their print copy does);
// the print copies leave out the unused "Rapproche" flag.
void addSlipFields(TableBuilder &b, bool withCount, bool withRapproche)
{
    b.int32("Numero").date("Date").mask(kDateMask);
    if (withCount)
        b.int32("Nb cheque");
    b.money("Montant").boolean("Remis en banque");
    if (withRapproche)
        b.boolean("Rapproche");
    b.text("Commentaires", 100).text("Compte", 25);
}

// One printed line per receipt of a slip, read as a detail of its slip.
TableDef slipLines(const QString &name)
{
    return TableBuilder(name)
        .int32("Numero")
        .int32("Num ecriture")
        .text("Nom", 50)
        .money("Montant")
        .index("Numero", {"Numero"});
}

} // namespace

std::vector<TableDef> financeTableDefs()
{
    std::vector<TableDef> defs;

    // The combined ledger: the entry fields in an order of its own.
    {
        TableBuilder compta("Compta");
        for (const char *name :
             {"Date", "Poste", "Libelle", "Genre", "Num", "Piece", "Rapprochement", "Divers",
              "Montant recette", "Montant depense", "Nom du payeur", "Sur bordereau banque", "Justificatif",
              "Compte", "Activite", "Banque", "Num cheque"})
            addEntryField(compta, entryField(QString::fromUtf8(name)), EntryTable::Work);
        defs.push_back(compta);
    }

    // No two entries of a ledger share date, category, wording and account:
    // that is what the store refuses as a duplicate, and what the import's
    // update mode matches on. It also lists the ledger by date. The operation
    // number is drawn from one counter and is not part of the key.
    const QStringList entryKey = {"Date", "Poste", "Libelle", "Compte"};
    defs.push_back(entryTable("Recettes", {}, EntryTable::Receipts).key(entryKey));
    defs.push_back(entryTable("Depenses", {}, EntryTable::Expenses).key(entryKey));

    {
        TableBuilder postes("Postes");
        postes.text("Poste", 50)
            .boolean("TypeR")
            .label("En recette")
            .boolean("TypeD")
            .label("En dépense")
            .money("Montant Prevu R")
            .label("Prévision Recette")
            .money("Montant prevu D")
            .label("Prévision Dépense")
            .boolean("AlerteR")
            .boolean("AlerteD")
            .int32("Num")
            .label("Num Poste");
        for (int m = 1; m <= 12; ++m)
            postes.money(QStringLiteral("PrevR%1").arg(m))
                .label(QStringLiteral("Prév Recette ") + QString::fromUtf8(kMonths[m - 1]));
        for (int m = 1; m <= 12; ++m)
            postes.money(QStringLiteral("PrevD%1").arg(m))
                .label(QStringLiteral("Prév Dépense ") + QString::fromUtf8(kMonths[m - 1]));
        postes.money("Prevglobale").label("Prévision globale");
        defs.push_back(postes);
    }

    defs.push_back(TableBuilder("Bilposte", "BilPoste")
                       .text("Poste", 50)
                       .int32("Num")
                       .money("Recette")
                       .money("Depense")
                       .label("Dépense")
                       .money("Difference")
                       .label("Différence"));

    defs.push_back(TableBuilder("bilan", "Bilan")
                       .text("Designation", 50)
                       .label("Désignation")
                       .money("Recette")
                       .label("Recettes")
                       .money("Depense")
                       .label("Dépenses")
                       .money("Prevu recette")
                       .label("Prévu recettes")
                       .money("Prevu depense")
                       .label("Prévu dépenses")
                       .int32("Num poste"));

    defs.push_back(TableBuilder("Bilcompte", "BilCompte")
                       .date("Date")
                       .text("Poste", 50)
                       .text("Libelle", 65)
                       .money("Débit")
                       .money("Crédit")
                       .text("Rapproche", 1)
                       .text("Nom", 50)
                       .text("Num cheque", 10));

    {
        // One month per column, in the order of the season (July to June).
        TableBuilder budget("Budget");
        budget.int32("Num").text("Poste", 50).money("Anteriorite").label("Anteriorité");
        budget.money("Juillet")
            .money("Aout")
            .label("Août")
            .money("Septembre")
            .money("Octobre")
            .money("Novembre")
            .money("Decembre")
            .label("Décembre")
            .money("Janvier")
            .money("Fevrier")
            .label("Février")
            .money("Mars")
            .money("Avril")
            .money("Mai")
            .money("Juin");
        defs.push_back(budget);
    }

    // Several debts of one player may stand side by side; the same player,
    // date and reason twice is the duplicate refused. The reason is part of
    // the key so that the season closing, which re-dates a player's debt to
    // the closing date, cannot collide with a debt typed on that same day.
    defs.push_back(TableBuilder("Dettes")
                       .text("Nom", 80)
                       .date("Date")
                       .mask(kDateMask)
                       .money("Montant")
                       .text("Raison", 150)
                       .key({"Nom", "Date", "Raison"}));

    defs.push_back(slipLines("BBanqueNom"));
    {
        TableBuilder num("BBanqueNum");
        addSlipFields(num, true, false);
        defs.push_back(num);
    }
    {
        // Slip number typed from the bank's own document; one slip per number.
        TableBuilder slips("BBanque");
        addSlipFields(slips, true, true);
        slips.key({"Numero"});
        defs.push_back(slips);
    }

    defs.push_back(slipLines("BEspecesNom"));
    {
        TableBuilder num("BEspecesNum");
        addSlipFields(num, true, false);
        defs.push_back(num);
    }
    {
        TableBuilder slips("BEspeces");
        addSlipFields(slips, false, true);
        for (const char *count : {"B500", "B200", "B100", "B50", "B20", "B10", "B5", "P2", "P1", "P050",
                                  "P020", "P010", "P05", "P02", "P01"})
            slips.int32(QString::fromLatin1(count));
        slips.key({"Numero"});
        defs.push_back(slips);
    }

    // Copies of receipts and expenses of one account side by side: the kind
    // joins the ledgers' key, since a receipt and an expense may share the
    // other four fields.
    defs.push_back(entryTable("Rapprochement", "Rapproche", EntryTable::Work)
                       .key({"Date", "Poste", "Libelle", "Compte", "Genre"}));

    defs.push_back(TableBuilder("Banque", "NomBanque").text("Nom", 50).key({"Nom"}));

    defs.push_back(TableBuilder("Activites")
                       .text("Activite", 50)
                       .label("Activités")
                       .money("Montant Prevu R")
                       .label("Prévision Recette")
                       .money("Montant prevu D")
                       .label("Prévision Dépense")
                       .money("Prevglobale")
                       .label("Prévision globale")
                       .text("Commentaires", 150));

    defs.push_back(TableBuilder("Bilactivite")
                       .date("Date")
                       .text("Poste", 50)
                       .text("Libelle", 65)
                       .money("Débit")
                       .money("Crédit")
                       .text("Rapproche", 1)
                       .text("Nom", 50));

    {
        TableBuilder trips("Deplacements");
        trips.date("Date")
            .required()
            .mask(kDateMask)
            .text("Nom", 80)
            .required()
            .text("Numero piece", 10)
            .text("Compte", 30)
            .text("Poste", 50)
            .text("Activite", 50)
            .int32("Kilometres")
            .money("Prix unitaire")
            .money("Prix total");
        for (int i = 1; i <= 3; ++i)
            trips.money(QStringLiteral("Autres frais %1").arg(i));
        trips.money("Montant global")
            .date("Date reglement")
            .mask(kDateMask)
            .boolean("Regle")
            .boolean("En compta")
            .int32("Num")
            .text("Num cheque", 10)
            .label("N° chèque")
            .text("Objet", 100)
            .required()
            .text("Commentaires", 100)
            .memo("Details", 240);
        defs.push_back(trips);
    }

    return defs;
}

} // namespace corvane::data
