#include "data/tables/TableDefs.h"

namespace corvane::data {

namespace {

// The field lists read as tables: one field and its entry rules per line.
// clang-format off

const QString kPhoneMask = QStringLiteral("!00-00-00-00-00;1;_");

// Every amount of the settings starts at zero in a new settings record.
void moneyRun(TableBuilder &b, const QString &prefix, int from, int to)
{
    for (int k = from; k <= to; ++k)
        b.money(prefix + QString::number(k)).defaultValue(0.0);
}

TableDef parametr()
{
    TableBuilder b(QStringLiteral("Parametr"), QStringLiteral("Param"));
    b.int16(QStringLiteral("Nombre")).defaultValue(1)
        .boolean(QStringLiteral("Previsualisation")).defaultValue(true)
        .boolean(QStringLiteral("Musique")).defaultValue(true)
        .int32(QStringLiteral("Annee courante"))
        .boolean(QStringLiteral("Premiere fois")).defaultValue(true)
        .int32(QStringLiteral("Type personnalisation"))
        .text(QStringLiteral("Fichier personnalise"), 60)
        .int32(QStringLiteral("Delai sauvegarde")).defaultValue(5)
        .text(QStringLiteral("Mot de passe"), 10);
    moneyRun(b, QStringLiteral("Prix "), 1, 10);
    b.money(QStringLiteral("Reduction")).defaultValue(0.0)
        .int32(QStringLiteral("Num bordereau")).defaultValue(0)
        .text(QStringLiteral("N° de compte1"), 20);
    moneyRun(b, QStringLiteral("Prix licence "), 1, 10);
    b.boolean(QStringLiteral("Tous en competition")).defaultValue(false)
        .text(QStringLiteral("Proprietaire"), 50)
        .text(QStringLiteral("Signataire"), 80)
        .text(QStringLiteral("Titre signataire"), 25)
        .text(QStringLiteral("Departement"), 3)
        .text(QStringLiteral("Ville"), 35)
        .text(QStringLiteral("Ligne bas attestation"), 100)
        .text(QStringLiteral("Version logiciel"), 40)
        .int32(QStringLiteral("Pourcentage bureau")).defaultValue(0)
        .text(QStringLiteral("Num agrement DDJS"), 15).label(QStringLiteral("N° agrément DDJS"))
        .text(QStringLiteral("Num affiliation DDJS"), 15).label(QStringLiteral("N° affiliation DDJS"))
        .picture(QStringLiteral("Logo"));
    for (int k = 1; k <= 5; ++k) {
        b.text(QStringLiteral("Compte %1").arg(k), 25);
        if (k == 1)
            b.required().defaultValue(QStringLiteral("Compte courant"));
        else if (k == 2)
            b.defaultValue(QStringLiteral("CAISSE"));
    }
    for (int k = 1; k <= 5; ++k)
        b.text(QStringLiteral("Banque compte %1").arg(k), 30);
    for (int k = 2; k <= 5; ++k)
        b.text(QStringLiteral("N° de compte%1").arg(k), 20);
    // The second account is the club's cash box on a first run.
    for (int k = 1; k <= 5; ++k)
        b.boolean(QStringLiteral("Typecompte%1").arg(k)).defaultValue(k == 2);
    b.text(QStringLiteral("Sigle club"), 35)
        .text(QStringLiteral("Ligue"), 50)
        .text(QStringLiteral("District"), 50)
        .text(QStringLiteral("Stade"), 50)
        .text(QStringLiteral("Adresse1"), 35)
        .text(QStringLiteral("Adresse2"), 35)
        .text(QStringLiteral("Code postal"), 10)
        .text(QStringLiteral("Tel"), 20)
        .text(QStringLiteral("Port"), 20)
        .text(QStringLiteral("Fax"), 20)
        .text(QStringLiteral("Mail"), 80)
        .int32(QStringLiteral("Pourcentage etudiant")).defaultValue(0);
    moneyRun(b, QStringLiteral("Prix licence "), 21, 30);
    b.money(QStringLiteral("Prix licence Dirigeants")).defaultValue(0.0)
        .money(QStringLiteral("Prix licence Educateurs")).defaultValue(0.0);
    moneyRun(b, QStringLiteral("Prix "), 21, 30);
    b.money(QStringLiteral("Prix éducateurs")).defaultValue(0.0)
        .money(QStringLiteral("Prix dirigeants")).defaultValue(0.0);
    // League and district committee share the same nine contact fields.
    for (const QString &who : {QStringLiteral("Ligue"), QStringLiteral("District")}) {
        b.text(who + QStringLiteral("Adresse1"), 35)
            .text(who + QStringLiteral("Adresse2"), 35)
            .text(who + QStringLiteral("CodePostal"), 10)
            .text(who + QStringLiteral("Ville"), 35)
            .text(who + QStringLiteral("Tel"), 20).mask(kPhoneMask)
            .text(who + QStringLiteral("Fax"), 20).mask(kPhoneMask)
            .text(who + QStringLiteral("Mail"), 80)
            .text(who + QStringLiteral("Responsable1"), 80)
            .text(who + QStringLiteral("Responsable2"), 80);
    }
    b.money(QStringLiteral("Prix Foot Loisirs")).defaultValue(0.0)
        .money(QStringLiteral("Prix licence Foot Loisirs")).defaultValue(0.0)
        .money(QStringLiteral("Prix Decouverte")).defaultValue(0.0)
        .money(QStringLiteral("Prix Licence Decouverte")).defaultValue(0.0)
        .money(QStringLiteral("Prix typ Loisirs3")).defaultValue(0.0)
        .money(QStringLiteral("Prix Licence typ Loisirs3")).defaultValue(0.0);
    moneyRun(b, QStringLiteral("Prix licence Lois"), 1, 10);
    moneyRun(b, QStringLiteral("Prix licence Lois"), 21, 30);
    moneyRun(b, QStringLiteral("Prix Lois"), 1, 10);
    moneyRun(b, QStringLiteral("Prix Lois"), 21, 30);
    return b;
}

TableDef exercice()
{
    TableBuilder b(QStringLiteral("EXERCICE"), QStringLiteral("Exercice"));
    b.int32(QStringLiteral("Annee"))
        .date(QStringLiteral("Debut")).label(QStringLiteral("Début"))
        .date(QStringLiteral("Fin"))
        .text(QStringLiteral("Etat"), 10)
        .int32(QStringLiteral("Nombre de joueurs")).label(QStringLiteral("Nb joueurs"))
        .int32(QStringLiteral("Nombre ecriture recette"))
        .int32(QStringLiteral("Nombre ecriture depense"))
        .money(QStringLiteral("Montant recettes"))
        .money(QStringLiteral("Montant depenses")).label(QStringLiteral("Montant dépenses"))
        .money(QStringLiteral("Total subventions"))
        .date(QStringLiteral("Date de cloture")).label(QStringLiteral("Date de clôture"))
        .money(QStringLiteral("Bilan total"))
        .text(QStringLiteral("Saison"), 9)
        .int32(QStringLiteral("Nb Adultes"))
        .int32(QStringLiteral("Nb Jeunes"))
        .money(QStringLiteral("Total cotisations"))
        .money(QStringLiteral("Cotisations jeunes"))
        .money(QStringLiteral("Cotisations adultes"));
    for (int k = 1; k <= 5; ++k)
        b.money(QStringLiteral("Bilan compte %1").arg(k));
    return b;
}

TableDef mouchard()
{
    return TableBuilder(QStringLiteral("Mouchard"))
        .date(QStringLiteral("Jour"))
        .time(QStringLiteral("Heure entree"))
        .time(QStringLiteral("Heure sortie"))
        .text(QStringLiteral("Type sortie"), 10)
        .text(QStringLiteral("Module"), 50)
        .text(QStringLiteral("Profil"), 50);
}

TableDef datexpor()
{
    return TableBuilder(QStringLiteral("Datexpor"))
        .date(QStringLiteral("Date export"))
        .real(QStringLiteral("Nombre"))
        .text(QStringLiteral("Nom de fichier"), 100)
        .date(QStringLiteral("Date de sauvegarde"))
        .date(QStringLiteral("Date de restauration"))
        .text(QStringLiteral("Disque"), 2)
        .text(QStringLiteral("Repertoire sauvegarde"), 100)
        .text(QStringLiteral("Repertoire restauration"), 100)
        .real(QStringLiteral("Taille sauvegarde"))
        .real(QStringLiteral("Taille restauration"));
}

// `Droits` and `Profil` share their layout; each function is named once, so
// a second row with the same `Options` is refused. The rows keep the order
// they were written in: a right is read by its position.
TableDef rights(const QString &name)
{
    return TableBuilder(name)
        .text(QStringLiteral("Options"), 50)
        .text(QStringLiteral("Aucun"), 1)
        .text(QStringLiteral("Visualisation"), 1)
        .text(QStringLiteral("Tous"), 1)
        .key({QStringLiteral("Options")})
        .entryOrder()
        .notUserData();
}

// clang-format on

} // namespace

std::vector<TableDef> coreTableDefs()
{
    std::vector<TableDef> defs;
    defs.push_back(parametr());
    defs.push_back(exercice());
    defs.push_back(mouchard());
    defs.push_back(datexpor());
    defs.push_back(TableBuilder(QStringLiteral("Numoper"), QStringLiteral("NumOper"))
                       .int32(QStringLiteral("Num operation")));
    defs.push_back(rights(QStringLiteral("Droits")));
    defs.push_back(rights(QStringLiteral("Profil")));
    return defs;
}

} // namespace corvane::data
