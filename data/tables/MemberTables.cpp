#include "data/tables/TableDefs.h"

namespace corvane::data {

namespace {

// The field lists read as tables: one field and its entry rules per line.
// clang-format off

const QString kPhoneMask = QStringLiteral("!00-00-00-00-00;1;_");
const QString kDateMask = QStringLiteral("!99/99/0000;1;_");

// The member record. `Joueurs` carries the entry rules (required fields,
// masks, defaults); its working copy `TableListe` has the same fields without
// them, and keeps the two umpire grades in 20 characters.
void memberFields(TableBuilder &b, bool workingCopy)
{
    const bool rules = !workingCopy;
    auto required = [&] {
        if (rules)
            b.required();
    };
    auto mask = [&](const QString &m) {
        if (rules)
            b.mask(m);
    };
    auto byDefault = [&](const QVariant &v) {
        if (rules)
            b.defaultValue(v);
    };

    b.text(QStringLiteral("Nom"), 40);
    required();
    b.text(QStringLiteral("Prenom"), 40).label(QStringLiteral("Prénom"));
    required();
    b.date(QStringLiteral("Date de naissance"));
    required();
    mask(kDateMask);
    b.text(QStringLiteral("Num license"), 15);
    b.text(QStringLiteral("Equipe"), 15);
    b.date(QStringLiteral("Date entree")).label(QStringLiteral("Date d'entrée"));
    required();
    b.date(QStringLiteral("Date modification"));
    b.date(QStringLiteral("Date sortie"));
    for (int k = 1; k <= 5; ++k) {
        b.date(QStringLiteral("Date accompte %1").arg(k)).label(QStringLiteral("Date acompte %1").arg(k));
        mask(kDateMask);
    }
    b.date(QStringLiteral("Date de paiement"));
    mask(kDateMask);
    b.boolean(QStringLiteral("Paye")).label(QStringLiteral("Payée"));
    for (int k = 1; k <= 5; ++k)
        b.boolean(QStringLiteral("Paye acc%1").arg(k));
    b.boolean(QStringLiteral("Dette"))
        .boolean(QStringLiteral("Avoir"))
        .boolean(QStringLiteral("Membre bureau"))
        .boolean(QStringLiteral("Jeune"));
    for (int k = 1; k <= 5; ++k)
        b.money(QStringLiteral("Accompte %1").arg(k)).label(QStringLiteral("Acompte %1").arg(k));
    b.money(QStringLiteral("Cotisation"));
    required();
    b.money(QStringLiteral("Restant du")).label(QStringLiteral("Restant dû"));
    for (int k = 1; k <= 5; ++k)
        b.int32(QStringLiteral("Num Accompte %1").arg(k));
    b.int32(QStringLiteral("Num cotisation"));
    b.text(QStringLiteral("Sexe"), 5);
    required();
    b.text(QStringLiteral("Situation"), 10);
    required();
    b.text(QStringLiteral("Categorie"), 25);
    required();
    b.text(QStringLiteral("Adresse"), 35);
    required();
    b.text(QStringLiteral("Adresse1"), 35);
    b.text(QStringLiteral("Ville"), 35);
    required();
    b.text(QStringLiteral("Code postal"), 10);
    required();
    // The ten-blank default of `Tel` is not kept: trailing blanks are not
    // stored, so it is the same as an empty number.
    b.text(QStringLiteral("Tel"), 20);
    mask(kPhoneMask);
    b.text(QStringLiteral("Fax"), 20);
    mask(kPhoneMask);
    b.text(QStringLiteral("Port"), 15);
    mask(kPhoneMask);
    b.text(QStringLiteral("Mail"), 80)
        .text(QStringLiteral("Titre"), 30)
        .lookup() // the signatory of the attestations is found by title
        .text(QStringLiteral("Commentaires"), 100)
        .boolean(QStringLiteral("Demi tarif"))
        .boolean(QStringLiteral("Reduction"))
        .boolean(QStringLiteral("Nepasenvoyer")).label(QStringLiteral("envoi"))
        .int32(QStringLiteral("Num bordereau")).label(QStringLiteral("N° bord."))
        .text(QStringLiteral("Surclassement"), 15)
        .boolean(QStringLiteral("Certificat"))
        .text(QStringLiteral("Nom du payeur"), 50)
        .boolean(QStringLiteral("Survetement"))
        .text(QStringLiteral("Taille survetement"), 15)
        .boolean(QStringLiteral("Short"))
        .text(QStringLiteral("Taille short"), 15)
        .boolean(QStringLiteral("Chaussettes"))
        .text(QStringLiteral("Taille chaussette"), 15)
        .boolean(QStringLiteral("Chaussures"))
        .text(QStringLiteral("Taille chaussures"), 15)
        .boolean(QStringLiteral("Maillot"))
        .text(QStringLiteral("Taille maillot"), 15)
        .boolean(QStringLiteral("Gants")).label(QStringLiteral("Raquette"))
        .text(QStringLiteral("Taille gants"), 15).label(QStringLiteral("Taille raquette"))
        .boolean(QStringLiteral("Autorisation parentale"))
        .boolean(QStringLiteral("Autorisation publ Web"))
        .boolean(QStringLiteral("Mercredi"))
        .boolean(QStringLiteral("Educateur"))
        .text(QStringLiteral("Num licence educateur"), 15)
        .text(QStringLiteral("Poste joue"), 20)
        .text(QStringLiteral("Pied"), 15).label(QStringLiteral("Main"))
        .text(QStringLiteral("Dispo"), 20).label(QStringLiteral("Disponibilité"))
        .int32(QStringLiteral("Num maillot")).label(QStringLiteral("N° maillot"))
        .boolean(QStringLiteral("Etudiant"))
        .text(QStringLiteral("Distinction"), 30)
        .text(QStringLiteral("Banque"), 30)
        .text(QStringLiteral("Sous categorie"), 15)
        .boolean(QStringLiteral("Coupon sport"));

    const int gradeSize = workingCopy ? 20 : 30;
    b.boolean(QStringLiteral("Arbitre"))
        .text(QStringLiteral("ArbitreGrade"), gradeSize)
        .text(QStringLiteral("ArbitreComment"), 80)
        .text(QStringLiteral("ArbitreStatus"), 10)
        .boolean(QStringLiteral("ArbitreDelegue"))
        .text(QStringLiteral("ArbitreDelGrade"), gradeSize)
        .text(QStringLiteral("ArbitreDelComment"), 80)
        .text(QStringLiteral("ArbitreDelStatus"), 10)
        .boolean(QStringLiteral("Arbitre Table"))
        .text(QStringLiteral("ArbitreTableGrade"), 30)
        .text(QStringLiteral("ArbitreTableComment"), 80)
        .text(QStringLiteral("ArbitreTableStatus"), 10);

    b.text(QStringLiteral("Compte"), 30);
    for (int k = 1; k <= 5; ++k)
        b.text(QStringLiteral("Compte %1").arg(k), 30);
    b.text(QStringLiteral("Nom prevenir 1"), 60).text(QStringLiteral("Nom prevenir 2"), 60);
    for (int k = 1; k <= 2; ++k) {
        b.text(QStringLiteral("Tel prevenir %1").arg(k), 20);
        mask(kPhoneMask);
    }
    b.text(QStringLiteral("Lieu naissance"), 35)
        .boolean(QStringLiteral("Foot loisirs"))
        .boolean(QStringLiteral("Loisirs2"))
        .boolean(QStringLiteral("Loisirs3"))
        .boolean(QStringLiteral("Suspension"))
        .date(QStringLiteral("Date suspension"))
        .int32(QStringLiteral("Nb matchs"))
        .int32(QStringLiteral("Nb jaunes"))
        .int32(QStringLiteral("Nb rouges"))
        .text(QStringLiteral("Nationalite"), 50);
    byDefault(QStringLiteral("Française"));
    b.text(QStringLiteral("Numero secu"), 15)
        .text(QStringLiteral("Nom medecin"), 50)
        .text(QStringLiteral("Tel medecin"), 15)
        .int32(QStringLiteral("Poids"))
        .real(QStringLiteral("Taille"));
    for (const QString &ranking :
         {QStringLiteral("Classement S"), QStringLiteral("Classement D"), QStringLiteral("Classement DM")}) {
        b.text(ranking, 15);
        byDefault(QStringLiteral("NC"));
    }
    b.text(QStringLiteral("Classement 4"), 15)
        .boolean(QStringLiteral("Mutation"))
        .boolean(QStringLiteral("Corpo"))
        .text(QStringLiteral("Departement origine"), 50)
        .text(QStringLiteral("Sigle club origine"), 15)
        .text(QStringLiteral("Type activite"), 15).label(QStringLiteral("Type activité"));
    for (int k = 1; k <= 5; ++k)
        b.text(QStringLiteral("Z%1").arg(k), 35);
    b.boolean(QStringLiteral("Logique1"))
        .boolean(QStringLiteral("Logique2"))
        .real(QStringLiteral("Numero1"))
        .real(QStringLiteral("Numero2"))
        .int32(QStringLiteral("Entier1"))
        .int32(QStringLiteral("Entier2"));
}

QStringList byName(const QString &first)
{
    return {first, QStringLiteral("Nom"), QStringLiteral("Prenom")};
}

// A member is the same member when surname, first name and birth date match;
// homonyms born on different days stay apart. Key order is the name order.
const QStringList kMemberKey = {QStringLiteral("Nom"), QStringLiteral("Prenom"),
                                QStringLiteral("Date de naissance")};

TableDef joueurs()
{
    TableBuilder b(QStringLiteral("Joueurs"));
    memberFields(b, false);
    b.key(kMemberKey)
        .index(QStringLiteral("ParCategorie"), byName(QStringLiteral("Categorie")))
        .index(QStringLiteral("ParEquipe"), byName(QStringLiteral("Equipe")));
    return b;
}

TableDef tableListe()
{
    TableBuilder b(QStringLiteral("TableListe"));
    memberFields(b, true);
    b.index(QStringLiteral("ParNaissance"), byName(QStringLiteral("Date de naissance")))
        .index(QStringLiteral("ParCategorie"), byName(QStringLiteral("Categorie")))
        .index(QStringLiteral("ParEquipe"), byName(QStringLiteral("Equipe")))
        .index(QStringLiteral("Parlicence"), byName(QStringLiteral("Num license")))
        .index(QStringLiteral("Parposte"), byName(QStringLiteral("Poste joue")))
        .index(QStringLiteral("Pardistinction"), byName(QStringLiteral("Distinction")))
        .notUserData();
    return b;
}

TableDef ficheSaison()
{
    return TableBuilder(QStringLiteral("FicheSaison"))
        .int32(QStringLiteral("Nombre d'équipe"))
        .int32(QStringLiteral("Nb participants"))
        .date(QStringLiteral("Date assemblée générale"))
        .date(QStringLiteral("Date tournoi Adultes"))
        .int32(QStringLiteral("Nb inscrits tour. Jeunes"))
        .date(QStringLiteral("Date tournoi Jeunes"))
        .int32(QStringLiteral("Nb inscrits tour. Adultes"))
        .binary(QStringLiteral("Résumé"));
}

// The age categories are read youngest first; keying them on the age limit
// keeps that order and refuses a second category ending at the same age,
// which could never be reached.
TableDef categories(const QString &name)
{
    return TableBuilder(name)
        .int32(QStringLiteral("Age Fin"))
        .text(QStringLiteral("Nom"), 25)
        .text(QStringLiteral("Chaine"), 25)
        .boolean(QStringLiteral("Logique"))
        .real(QStringLiteral("Nombre"))
        .key({QStringLiteral("Age Fin")});
}

TableDef referenceList(const QString &name, const QString &field, int size, const QString &component = {})
{
    return TableBuilder(name, component).text(field, size);
}

TableDef simuJoueurs()
{
    return TableBuilder(QStringLiteral("SimuJoueurs"))
        .text(QStringLiteral("Nom"), 40)
        .text(QStringLiteral("Prenom"), 40)
        .date(QStringLiteral("Date de naissance"))
        .text(QStringLiteral("Equipe"), 15)
        .boolean(QStringLiteral("Membre bureau"))
        .boolean(QStringLiteral("Jeune"))
        .money(QStringLiteral("Cotisation"))
        .text(QStringLiteral("Sexe"), 5)
        .text(QStringLiteral("Categorie"), 25).label(QStringLiteral("Catégorie"))
        .boolean(QStringLiteral("Demi tarif"))
        .boolean(QStringLiteral("Reduction"))
        .boolean(QStringLiteral("Educateur"))
        .boolean(QStringLiteral("Etudiant"))
        .text(QStringLiteral("Distinction"), 30)
        .text(QStringLiteral("Sous categorie"), 15)
        .boolean(QStringLiteral("Coupon sport"))
        .text(QStringLiteral("Ancien categorie"), 15).label(QStringLiteral("Ancienne catégorie"))
        .text(QStringLiteral("Poste joue"), 20)
        .money(QStringLiteral("Ancienne cotis"))
        .boolean(QStringLiteral("Foot loisirs"))
        .boolean(QStringLiteral("Loisirs2"))
        .boolean(QStringLiteral("Loisirs3"))
        .text(QStringLiteral("Type activite"), 15)
        // One copy per member, so the members' own key.
        .key(kMemberKey);
}

// clang-format on

} // namespace

std::vector<TableDef> memberTableDefs()
{
    std::vector<TableDef> defs;
    defs.push_back(joueurs());
    defs.push_back(tableListe());
    defs.push_back(ficheSaison());
    defs.push_back(categories(QStringLiteral("CategorieF")));
    defs.push_back(categories(QStringLiteral("CategorieH")));
    defs.push_back(referenceList(QStringLiteral("Classements"), QStringLiteral("Classement"), 15,
                                 QStringLiteral("ClassementsNom")));
    defs.push_back(referenceList(QStringLiteral("Surclassements"), QStringLiteral("Nom"), 15));
    defs.push_back(referenceList(QStringLiteral("Ligues"), QStringLiteral("Nom"), 50));
    defs.push_back(referenceList(QStringLiteral("Districts"), QStringLiteral("Nom"), 50));
    defs.push_back(referenceList(QStringLiteral("Positions"), QStringLiteral("Nom"), 20));
    defs.push_back(referenceList(QStringLiteral("Disponibilites"), QStringLiteral("Nom"), 20));
    defs.push_back(referenceList(QStringLiteral("Titres"), QStringLiteral("Nom"), 30));
    defs.push_back(referenceList(QStringLiteral("Nationalites"), QStringLiteral("Nom"), 50));
    defs.push_back(referenceList(QStringLiteral("Grades"), QStringLiteral("Nom"), 30));
    // Rebuilt from the members' distinct signs, so each sign appears once.
    defs.push_back(TableBuilder(QStringLiteral("Distinctions"))
                       .text(QStringLiteral("Signe"), 30)
                       .key({QStringLiteral("Signe")}));
    // One line per committee member and title: several members may share a
    // title such as "Membre", and one member may hold a title only once.
    defs.push_back(TableBuilder(QStringLiteral("Bureau"))
                       .text(QStringLiteral("Titre"), 25)
                       .text(QStringLiteral("Nom"), 80)
                       .text(QStringLiteral("Commentaires"), 100)
                       .key({QStringLiteral("Titre"), QStringLiteral("Nom")}));
    defs.push_back(TableBuilder(QStringLiteral("Anniversaires"))
                       .text(QStringLiteral("Nom"), 80)
                       .date(QStringLiteral("Date"))
                       .int32(QStringLiteral("Age"))
                       .text(QStringLiteral("Nom du mois"), 10)
                       .text(QStringLiteral("Signe"), 10)
                       .int32(QStringLiteral("Jour"))
                       .int32(QStringLiteral("Mois"))
                       .int32(QStringLiteral("Annee")));
    defs.push_back(simuJoueurs());
    return defs;
}

} // namespace corvane::data
