#include "data/tables/TableDefs.h"

namespace corvane::data {

// Table data is laid out one field per line, with its modifiers beside it.
// clang-format off

namespace {

const char *const phoneMask = "!00-00-00-00-00;1;_";

TableDef clubs()
{
    TableBuilder b("Clubs");
    b.text("Affiliation", 15)
        .text("Ligue", 50)
        .text("District", 50)
        .text("Nom", 50)
        .text("Sigle du club", 10)
        .text("Adresse", 50)
        .text("Adresse2", 50)
        .text("Code postal", 10)
        .text("Ville", 35)
        .text("MailClub", 80)
        .text("President", 50)
        .text("PresAdr1", 50)
        .text("PresAdr2", 50)
        .text("PresCP", 10)
        .text("PresVille", 35)
        .text("PresTelDom", 20)
        .text("PresTelBur", 20).label("PresTelPort")
        .text("PresMail", 80)
        .text("Couleur", 50)
        .text("Correspondant", 80).label("Secrétaire")
        .text("CorresAdr1", 35).label("SecreAdr1")
        .text("CorresAdr2", 35).label("SecreAdr2")
        .text("CorresCP", 10).label("SecreCP")
        .text("CorresVille", 35).label("SecreVille")
        .text("CorresTelDom", 20).label("SecreTelDom")
        .text("CorresTelBur", 20).label("SecreTelPort")
        .text("CorresMail", 80).label("SecreMail")
        .text("TerrainNom", 80)
        .text("TerrainAdr1", 35)
        .text("TerrainAdr2", 35)
        .text("TerrainCP", 10)
        .text("TerrainVille", 35)
        .text("TerrainTel", 20)
        .text("TerrainMail", 80)
        .text("Tresorier", 80)
        .text("TresorAdr1", 35)
        .text("TresorAdr2", 35)
        .text("TresorCP", 10)
        .text("TresorVille", 35)
        .text("TresorTelDom", 20)
        .text("TresorTelBur", 20).label("TresorTelPort")
        .text("TresorMail", 80);
    for (int i = 1; i <= 4; ++i)
        b.text(QStringLiteral("Equipe %1").arg(i), 20);
    for (int i = 1; i <= 4; ++i)
        b.text(QStringLiteral("Responsable E%1").arg(i), 50);
    for (int i = 1; i <= 4; ++i)
        b.text(QStringLiteral("Tel E%1").arg(i), 20).mask(phoneMask);
    b.text("ClubTel", 20)
        .text("ClubFax", 20)
        // The import finds a club again on these four fields and refuses a second copy of it.
        .key({"Affiliation", "Ligue", "District", "Nom"})
        // The import's scratch copy of this layout lists the district's clubs by name; opponents
        // are also looked up by name.
        .index("Parnom", {"Nom"});
    return b;
}

TableDef clubsTotale()
{
    return TableBuilder("ClubsTotale", "ClubTot")
        .text("Affiliation", 15)
        .text("Ligue", 50)
        .text("District", 50)
        .text("Nom", 50)
        .text("Ville", 35)
        .text("Code postal", 10)
        .text("President", 50)
        .text("Ligne1", 35)
        .text("Ligne2", 35)
        .text("Ligne3", 35)
        .text("Telephone", 20)
        .text("Couleur", 30)
        .text("Nom correspondant", 50)
        .text("CorresAdr1", 35)
        .text("CorresAdr2", 35)
        .text("CorresCP", 10)
        .text("CorresVille", 35)
        .text("CorresTelDom", 20)
        .text("CorresTelBur", 20)
        .text("TerrainAdr1", 35)
        .text("TerrainAdr2", 35)
        .text("TerrainCP", 10)
        .text("TerrainVille", 35)
        .text("Tresorier", 50)
        .text("TresorAdr1", 35)
        .text("TresorAdr2", 35)
        .text("TresorCP", 10)
        .text("TresorVille", 35)
        .text("TresorTelDom", 20)
        .text("TresorTelBur", 20)
        // The federation's list is read one district at a time by the club import, in the
        // order of the club key.
        .index("ParDistrict", {"District", "Affiliation", "Ligue", "Nom"})
        .notUserData();
}

TableDef equipes()
{
    return TableBuilder("Equipes")
        // 15 characters, not 20: members and convocations keep the team's name in 15-character
        // fields, and a longer name would no longer match them once stored there.
        .text("Nom", 15).required()
        .text("Division", 20)
        .int32("Nombre de joueur")
        .text("Entraineur", 80)
        .int32("Classement")
        .text("Dirigeant", 80)
        .text("Tel dirigeant", 15).mask(phoneMask)
        .text("Taille ballons", 5)
        .int32("Nb ballons")
        .int32("Nb chasubles")
        .int32("Nb plots")
        .int32("Nb jalons")
        .int32("Nb maillots")
        .key({"Nom"});
}

TableDef divisions()
{
    return TableBuilder("Divisions")
        .text("Nom", 20).required()
        .key({"Nom"});
}

TableDef convocations()
{
    TableBuilder b("Convocations", "Convocs");
    b.date("Date du match")
        .time("Heure du match")
        .text("Type de match", 35)
        .text("Lieu du match", 50)
        .text("Categorie", 25)
        .text("Equipe", 15)
        .text("Adversaire", 50)
        .text("Stade", 50)
        .text("Tel stade", 20).mask(phoneMask)
        .text("Adresse", 50)
        .text("Code postal", 10)
        .text("Ville", 35)
        .text("Lieu de RDV", 30)
        .time("Heure de RDV")
        .time("Heure de depart")
        .text("Responsable 1", 50)
        .text("Responsable 2", 50)
        .text("Tel R1", 20).mask(phoneMask)
        .text("Tel2 R1", 20).mask(phoneMask)
        .text("Tel R2", 20).mask(phoneMask)
        .text("Tel2 R2", 20).mask(phoneMask)
        .text("Type de terrain", 15)
        .text("Consignes", 250)
        .boolean("A domicile")
        .text("LicenceR1", 15)
        .text("LicenceR2", 15)
        .text("LicenceA", 15)
        .text("LicenceAA", 15)
        .text("LicenceD", 15)
        .text("Arbitre", 80)
        .text("Arbitre assistant", 80)
        .text("Delegue", 80);
    for (int k = 1; k <= 15; ++k)
        b.text(QStringLiteral("J%1").arg(k), 80);
    for (int k = 1; k <= 15; ++k)
        b.int32(QStringLiteral("P%1").arg(k));
    for (int k = 1; k <= 15; ++k)
        b.boolean(QStringLiteral("Pres%1").arg(k));
    for (int k = 1; k <= 15; ++k)
        b.text(QStringLiteral("L%1").arg(k), 15);
    // One match: a team (or, with no team, a category) meets one opponent at a given date and
    // time. The list shows convocations in date order.
    b.key({"Date du match", "Heure du match", "Categorie", "Equipe", "Adversaire"});
    return b;
}

} // namespace

// clang-format on

std::vector<TableDef> competitionTableDefs()
{
    std::vector<TableDef> defs;
    defs.push_back(clubs());
    defs.push_back(clubsTotale());
    defs.push_back(equipes());
    defs.push_back(divisions());
    defs.push_back(convocations());
    return defs;
}

} // namespace corvane::data
