#include "bench/ClubGenerator.h"

#include "data/DataFolder.h"
#include "data/Money.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/Table.h"
#include "data/TableValues.h"

#include <QDate>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

namespace corvane::bench {

using data::Money;
using data::Session;
using data::Statement;

namespace {

// ---------------------------------------------------------------- draws

// The standard distributions differ between standard libraries; the engine
// does not, so the draws are made from its raw output.
class Random {
public:
    explicit Random(quint64 seed)
        : engine_(seed)
    {}
    int below(int n) { return int(engine_() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(double p) { return double(engine_() >> 11) * 0x1.0p-53 < p; }
    QDate dateBetween(QDate from, QDate to)
    {
        return to <= from ? from : from.addDays(below(int(from.daysTo(to)) + 1));
    }
    template <size_t N> QString pick(const char *const (&list)[N])
    {
        return QString::fromUtf8(list[below(int(N))]);
    }
    // Whole cents; small amounts are the common ones.
    Money amount(int minEuros, int maxEuros)
    {
        const int top = chance(0.8) ? std::min(maxEuros, minEuros + (maxEuros - minEuros) / 8) : maxEuros;
        return Money::fromUnits(qint64(between(minEuros * 100, top * 100)) * 100);
    }
    QString digits(int count)
    {
        QString s;
        for (int i = 0; i < count; ++i)
            s.append(QChar(u'0' + below(10)));
        return s;
    }

private:
    std::mt19937_64 engine_;
};

Money euros(int amount)
{
    return Money::fromUnits(qint64(amount) * 10000);
}

Money percentOf(Money m, int percent)
{
    return Money::fromUnits(m.units() * percent / 100);
}

// ---------------------------------------------------------------- word lists

const char *const kSurnames[] = {
    "MARTIN",    "BERNARD",   "THOMAS",     "PETIT",     "ROBERT",   "RICHARD",   "DURAND",    "DUBOIS",
    "MOREAU",    "LAURENT",   "SIMON",      "MICHEL",    "LEFEBVRE", "LEROY",     "ROUX",      "DAVID",
    "BERTRAND",  "MOREL",     "FOURNIER",   "GIRARD",    "BONNET",   "DUPONT",    "LAMBERT",   "FONTAINE",
    "ROUSSEAU",  "VINCENT",   "MULLER",     "LEFÈVRE",   "FAURE",    "ANDRÉ",     "MERCIER",   "BLANC",
    "GUÉRIN",    "BOYER",     "GARNIER",    "CHEVALIER", "FRANÇOIS", "LEGRAND",   "GAUTHIER",  "GARCIA",
    "PERRIN",    "ROBIN",     "CLÉMENT",    "MORIN",     "NICOLAS",  "HENRY",     "ROUSSEL",   "MATHIEU",
    "MASSON",    "MARCHAND",  "DUVAL",      "DENIS",     "DUMONT",   "LEMAIRE",   "NOËL",      "MEYER",
    "DUFOUR",    "MEUNIER",   "BRUN",       "BLANCHARD", "GIRAUD",   "JOLY",      "RIVIÈRE",   "LUCAS",
    "BRUNET",    "GAILLARD",  "BARBIER",    "ARNAUD",    "MARTINEZ", "GÉRARD",    "ROCHE",     "RENARD",
    "SCHMITT",   "ROY",       "LEROUX",     "COLIN",     "VIDAL",    "CARON",     "PICARD",    "ROGER",
    "FABRE",     "AUBERT",    "LEMOINE",    "RENAUD",    "DUMAS",    "LACROIX",   "OLIVIER",   "PHILIPPE",
    "BOURGEOIS", "PIERRE",    "BENOÎT",     "REY",       "LECLERC",  "ROLLAND",   "GUILLAUME", "LECOMTE",
    "HUBERT",    "BERGER",    "CARPENTIER", "DUPUIS",    "MOULIN",   "DESCHAMPS", "HUET",      "VASSEUR",
    "BOUCHER",   "FLEURY",    "ROYER",      "KLEIN",     "JACQUET",  "ADAM",      "POIRIER",   "MARTY",
    "AUBRY",     "GUYOT",     "CARRÉ",      "CHARLES",   "RENAULT",  "MÉNARD",    "MAILLARD",  "BARON",
    "BERTIN",    "BAILLY",    "HERVÉ",      "LE GALL",   "COLLET",   "LÉGER",     "BOUVIER",   "JULIEN",
    "PRÉVOST",   "MILLET",    "PERROT",     "LE ROUX",   "COUSIN",   "GERMAIN",   "BRETON",    "BESSON",
    "LANGLOIS",  "LE GOFF",   "PELLETIER",  "LÉVÊQUE",   "PERRIER",  "LEBLANC",   "BARRÉ",     "LEBRUN",
    "HAMON",     "BOULANGER", "JACOB",      "MONNIER",   "MICHAUD",  "GUICHARD",  "GILLET",    "ÉTIENNE",
    "TESSIER",   "CHAUVIN",   "DA SILVA",   "BOUCHET",   "LEMAÎTRE", "MARÉCHAL",  "HUMBERT",   "REYNAUD",
    "ANTOINE",   "PERRET",    "BARTHÉLEMY", "CORDIER",   "PICHON",   "LEJEUNE",   "GILBERT",   "DELAUNAY",
    "PASQUIER",  "CARLIER",   "LAPORTE",    "D'ALMEIDA", "LE BIHAN", "NGUYEN",    "TRAORÉ",    "BENALI",
};

const char *const kMen[] = {
    "Jean",     "Pierre",  "Michel",    "André",     "Philippe",   "Alain",         "Bernard",  "Jacques",
    "Patrick",  "Daniel",  "Christian", "Nicolas",   "Christophe", "Éric",          "Frédéric", "Laurent",
    "Stéphane", "David",   "Julien",    "Sébastien", "Thomas",     "Alexandre",     "Maxime",   "Antoine",
    "Kévin",    "Romain",  "Guillaume", "Mathieu",   "Lucas",      "Hugo",          "Théo",     "Nathan",
    "Louis",    "Enzo",    "Gabriel",   "Raphaël",   "Arthur",     "Jules",         "Léo",      "Adam",
    "Noah",     "Timéo",   "Maël",      "Sacha",     "Baptiste",   "Clément",       "Quentin",  "Florian",
    "Jérôme",   "Olivier", "François",  "Gérard",    "Yves",       "Marc",          "Franck",   "Cédric",
    "Vincent",  "Benoît",  "Emmanuel",  "Mathis",    "Jean-Luc",   "Jean-François", "Gaëtan",   "Loïc",
};

const char *const kWomen[] = {
    "Marie",    "Nathalie", "Isabelle",  "Sylvie",    "Catherine",    "Françoise",   "Monique",  "Christine",
    "Sandrine", "Valérie",  "Véronique", "Stéphanie", "Céline",       "Julie",       "Aurélie",  "Émilie",
    "Camille",  "Laura",    "Sarah",     "Manon",     "Chloé",        "Léa",         "Emma",     "Jade",
    "Louise",   "Alice",    "Lina",      "Zoé",       "Inès",         "Juliette",    "Anaïs",    "Clara",
    "Mathilde", "Pauline",  "Marine",    "Élodie",    "Audrey",       "Mélanie",     "Caroline", "Hélène",
    "Brigitte", "Martine",  "Nicole",    "Annie",     "Jacqueline",   "Danielle",    "Agnès",    "Laetitia",
    "Virginie", "Karine",   "Delphine",  "Sophie",    "Charlotte",    "Lucie",       "Margaux",  "Océane",
    "Lola",     "Ambre",    "Rose",      "Anna",      "Marie-Claire", "Anne-Sophie", "Maëlys",   "Gwenaëlle",
};

struct Town {
    const char *name;
    const char *postcode;
};

// The club's town first: it is where most members live.
const Town kTowns[] = {
    {"Rezé", "44400"},
    {"Nantes", "44000"},
    {"Nantes", "44100"},
    {"Nantes", "44300"},
    {"Saint-Herblain", "44800"},
    {"Saint-Sébastien-sur-Loire", "44230"},
    {"Vertou", "44120"},
    {"Orvault", "44700"},
    {"Bouguenais", "44340"},
    {"Carquefou", "44470"},
    {"La Chapelle-sur-Erdre", "44240"},
    {"Sainte-Luce-sur-Loire", "44980"},
    {"Couëron", "44220"},
    {"Basse-Goulaine", "44115"},
    {"Les Sorinières", "44840"},
    {"Bouaye", "44830"},
    {"Thouaré-sur-Loire", "44470"},
    {"Haute-Goulaine", "44115"},
    {"Indre", "44610"},
    {"La Montagne", "44620"},
    {"Saint-Jean-de-Boiseau", "44640"},
    {"Le Pellerin", "44640"},
    {"Sautron", "44880"},
    {"Treillières", "44119"},
    {"Pont-Saint-Martin", "44860"},
    {"Saint-Aignan-Grandlieu", "44860"},
    {"Brains", "44830"},
    {"Mauves-sur-Loire", "44470"},
    {"Clisson", "44190"},
    {"Ancenis-Saint-Géréon", "44150"},
};

const char *const kStreetKinds[] = {"rue",     "rue",       "rue",   "avenue", "allée",
                                    "impasse", "boulevard", "place", "chemin", "route"};
const char *const kStreetNames[] = {
    "des Lilas",    "des Tilleuls",    "Jean Jaurès",      "Victor Hugo",          "de la Garenne",
    "du Moulin",    "de l'Église",     "des Acacias",      "du Général de Gaulle", "Pasteur",
    "de la Loire",  "des Vignes",      "Aristide Briand",  "de la Gare",           "des Mimosas",
    "Jules Verne",  "de Bretagne",     "des Écoles",       "Émile Zola",           "du Port",
    "de la Mairie", "des Hirondelles", "Anatole France",   "de la Sèvre",          "des Peupliers",
    "du Château",   "Gambetta",        "de la République", "des Chênes",           "Saint-Exupéry",
};
const char *const kAddressSecondLines[] = {
    "Résidence Les Pins, bât. B", "Appartement 12",         "Lieu-dit La Hardière",   "Résidence du Parc",
    "Escalier C, 3e étage",       "Chez M. et Mme LEGRAND", "Les Jardins de l'Erdre", "Bâtiment A",
};
const char *const kBirthPlaces[] = {
    "Nantes", "Rezé",   "Saint-Nazaire", "Angers",  "Rennes",   "Cholet", "La Roche-sur-Yon", "Paris",
    "Lyon",   "Vannes", "Brest",         "Le Mans", "Bordeaux", "Tours",  "Lorient",          "Laval",
};
const char *const kMailDomains[] = {"orange.fr", "free.fr",    "gmail.com",  "laposte.net",
                                    "sfr.fr",    "wanadoo.fr", "hotmail.fr", "yahoo.fr"};
const char *const kComments[] = {
    "Certificat à renouveler en juin",   "Paiement en plusieurs fois accordé",
    "Blessure au genou en octobre",      "Souhaite jouer en interclubs",
    "Créneau du mardi uniquement",       "Vient avec son frère",
    "Attestation de paiement demandée",  "Ancien joueur du club, revenu cette saison",
    "Allergie signalée par les parents", "Covoiturage avec la famille LEGRAND",
};
const char *const kTeams[] = {"Equipe 1", "Equipe 2", "Equipe 3", "Equipe 4", "Equipe 5", "Equipe 6"};
const char *const kYouthTeams[] = {"Jeunes 1", "Jeunes 2", "Jeunes 3"};
const char *const kUpgrades[] = {"Simple", "Double", "Exceptionnel"};
const char *const kAdultSizes[] = {"XS", "S", "M", "M", "L", "L", "XL", "XXL", "3XL"};
const char *const kChildSizes[] = {"6 ans", "8 ans", "10 ans", "12 ans", "14 ans"};
const char *const kAdultShoes[] = {"37", "38", "39", "40", "41", "42", "43", "44", "45", "46"};
const char *const kChildShoes[] = {"28", "30", "32", "33", "34", "35", "36"};
const char *const kGrips[] = {"G4", "G5"};
const char *const kPositions[] = {"Simple", "Double", "Mixte", "Double et mixte", "Simple et double"};
const char *const kUnavailable[] = {"Blessé", "Malade", "Indisponible", "Absent", "Week-end uniquement"};
const char *const kSigns[] = {"Capitaine", "Capitaine adjoint", "Espoir", "Sélection départementale",
                              "Sélection régionale"};
const char *const kBanks[] = {
    "Crédit Agricole",  "Crédit Mutuel",    "BNP Paribas", "Société Générale", "CIC", "La Banque Postale",
    "Caisse d'Epargne", "Banque Populaire", "LCL",         "Boursorama"};
const char *const kGrades[] = {"Arbitre stagiaire", "Arbitre de ligue accrédité", "Arbitre de ligue certifié",
                               "Arbitre fédéral accrédité", "Juge de ligne"};
const char *const kUmpireComments[] = {"Formation suivie à Angers", "Disponible le dimanche",
                                       "Examen prévu en mars", "Arbitre des tournois jeunes"};
const char *const kNationalities[] = {"Belge",     "Portugaise",  "Marocaine", "Vietnamienne",
                                      "Espagnole", "Britannique", "Allemande", "Indonésienne"};
const char *const kRelations[] = {"mère", "père", "conjoint", "conjointe", "sœur", "frère"};
const char *const kDepartments[] = {"Maine-et-Loire", "Vendée",  "Ille-et-Vilaine", "Morbihan",
                                    "Sarthe",         "Mayenne", "Finistère",       "Gironde"};
const char *const kClubSigns[] = {"BCA", "ASBR", "USJA", "BCV", "LBC", "CBB", "ABCR", "RBC"};
const char *const kBoardTitles[] = {
    "Vice-président",     "Trésorier adjoint",      "Secrétaire adjoint",  "Membre",
    "Responsable jeunes", "Responsable interclubs", "Responsable matériel"};

const char *const kAccounts[] = {"Compte courant", "Livret A", "Caisse"};
const QString kCurrentAccount = QStringLiteral("Compte courant");
const QString kSavingsAccount = QStringLiteral("Livret A");
const QString kCashAccount = QStringLiteral("Caisse");

const char *const kReceiptBases[] = {
    "Subvention municipale",
    "Subvention départementale",
    "Subvention régionale",
    "Aide Agence du sport",
    "Partenariat",
    "Buvette",
    "Inscriptions tournoi",
    "Vente de volants",
    "Vente de textiles",
    "Dons",
    "Loto",
    "Stage",
    "Remboursement ligue",
    "Intérêts Livret",
    "Location de matériel",
    "Mécénat",
    "Participation parents",
    "Vide-grenier",
    "Tombola",
    "Repas du club",
};
const char *const kExpenseBases[] = {
    "Achat volants",     "Location gymnase",      "Engagement interclubs",
    "Frais d'arbitrage", "Licences fédérales",    "Déplacements",
    "Hébergement",       "Achat cordage",         "Achat raquettes",
    "Textiles",          "Récompenses",           "Assurance",
    "Frais bancaires",   "Formation entraîneurs", "Salaire entraîneur",
    "Charges sociales",  "Fournitures de bureau", "Communication",
    "Achats buvette",    "Petit matériel",
};
const char *const kCategoryQualifiers[] = {"", " - Jeunes", " - Adultes", " - Loisirs", " - Compétition"};

const char *const kOrganisations[] = {
    "Mairie de Rezé",       "Conseil départemental", "Région Pays de la Loire", "Ligue des Pays de la Loire",
    "Comité départemental", "Intersport Rezé",       "Crédit Mutuel",           "Boulangerie du Port",
    "Garage de la Loire"};
const char *const kSuppliers[] = {"Decathlon Pro",
                                  "Lardesports",
                                  "Badminton Store",
                                  "Ville de Rezé",
                                  "Fédération",
                                  "Ligue des Pays de la Loire",
                                  "SNCF",
                                  "Hôtel Ibis",
                                  "Metro",
                                  "Imprimerie Leduc",
                                  "MAIF",
                                  "Crédit Mutuel",
                                  "URSSAF"};
const char *const kWordings[] = {"%1 n° %2", "%1 - facture %2", "%1 (réf. %2)", "Règlement %1 - pièce %2"};
const char *const kEntryNotes[] = {"Voir avec le trésorier", "Pièce envoyée par courriel",
                                   "Réglé en deux fois", "Reçu fiscal à établir",
                                   "Double de la facture au classeur"};
const char *const kActivities[] = {"Tournoi", "Stage jeunes",       "Interclubs",
                                   "Loisirs", "École de badminton", "Soirée du club"};

// ---------------------------------------------------------------- writing

// Appends records to one table through a prepared statement. Each value goes
// through the store's own conversion, so the file holds exactly what the
// program would have written (text cut to its size, empty as null).
class Writer {
public:
    Writer(Session &session, const QString &table)
        : session_(session)
        , def_(session.definition(table))
        , insert_(session, insertSql(def_))
        , values_(def_.fields.size())
    {
        for (int i = 0; i < def_.fields.size(); ++i)
            index_.insert(def_.fields[i].name, i);
        Statement last(
            session, QStringLiteral("SELECT ifnull(max(\"_ordre\"),0) FROM %1").arg(data::quoted(def_.name)));
        if (last.step())
            ordre_ = last.columnDouble(0);
    }

    void set(const QString &field, const QVariant &value)
    {
        const int i = fieldIndex(field);
        values_[i] = data::normaliseValue(def_.fields[i], value);
    }
    void set(const QString &field, Money amount) { set(field, amount.toDouble()); }
    QVariant value(const QString &field) const { return values_[fieldIndex(field)]; }

    // Writes the record and starts an empty one. A required field left empty
    // is a fault of the generator, not of the data.
    void write()
    {
        const int n = int(def_.fields.size());
        for (int i = 0; i < n; ++i) {
            if (def_.fields[i].required && values_[i].isNull())
                throw std::logic_error(
                    QStringLiteral("%1: %2 left empty").arg(def_.name, def_.fields[i].name).toStdString());
            insert_.bind(i + 1, values_[i]);
        }
        insert_.bindDouble(n + 1, ++ordre_);
        insert_.exec();
        std::fill(values_.begin(), values_.end(), QVariant());
        session_.touch(def_.name);
    }

private:
    static QString insertSql(const data::TableDef &def)
    {
        QStringList cols, marks;
        for (const data::FieldDef &f : def.fields) {
            cols.append(data::quoted(f.name));
            marks.append(QStringLiteral("?"));
        }
        cols.append(QStringLiteral("\"_ordre\""));
        marks.append(QStringLiteral("?"));
        return QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
            .arg(data::quoted(def.name), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    }
    int fieldIndex(const QString &field) const
    {
        const auto it = index_.constFind(field);
        if (it == index_.constEnd())
            throw std::logic_error(QStringLiteral("%1: no field %2").arg(def_.name, field).toStdString());
        return *it;
    }

    Session &session_;
    data::TableDef def_;
    Statement insert_;
    std::vector<QVariant> values_;
    QHash<QString, int> index_;
    double ordre_ = 0;
};

// One ledger entry; the amount goes in the column of the ledger's kind.
struct Entry {
    QDate date;
    QString poste;
    QString libelle;
    QString compte;
    Money amount;
    int num = 0;
    QString piece;
    QString rapprochement;
    QString divers;
    QString payeur;
    QString activite;
    QString banque;
    QString cheque;
    bool bordereau = false;
    bool justificatif = true;
};

class Ledger {
public:
    Ledger(Session &session, const QString &table, bool receipts)
        : writer_(session, table)
        , receipts_(receipts)
    {}

    // Returns the date written: no two entries of a ledger share date,
    // category, wording and account, so an entry that would repeat one (two
    // namesakes paying the same day) moves to the next day.
    QDate write(Entry e)
    {
        QString key;
        for (;;) {
            writer_.set(QStringLiteral("Date"), e.date);
            writer_.set(QStringLiteral("Poste"), e.poste);
            writer_.set(QStringLiteral("Libelle"), e.libelle);
            writer_.set(QStringLiteral("Compte"), e.compte);
            key = writer_.value(QStringLiteral("Date")).toDate().toString(Qt::ISODate) + QLatin1Char('\n') +
                  writer_.value(QStringLiteral("Poste")).toString() + QLatin1Char('\n') +
                  writer_.value(QStringLiteral("Libelle")).toString() + QLatin1Char('\n') +
                  writer_.value(QStringLiteral("Compte")).toString();
            if (!keys_.contains(key))
                break;
            e.date = e.date.addDays(1);
        }
        keys_.insert(key);
        writer_.set(QStringLiteral("Genre"),
                    receipts_ ? QStringLiteral("Recette") : QStringLiteral("Depense"));
        writer_.set(QStringLiteral("Montant recette"), receipts_ ? e.amount : Money());
        writer_.set(QStringLiteral("Montant depense"), receipts_ ? Money() : e.amount);
        writer_.set(QStringLiteral("Num"), e.num);
        writer_.set(QStringLiteral("Piece"), e.piece);
        writer_.set(QStringLiteral("Rapprochement"), e.rapprochement);
        writer_.set(QStringLiteral("Divers"), e.divers);
        writer_.set(QStringLiteral("Nom du payeur"), e.payeur);
        writer_.set(QStringLiteral("Sur bordereau banque"), e.bordereau);
        writer_.set(QStringLiteral("Justificatif"), e.justificatif);
        writer_.set(QStringLiteral("Activite"), e.activite);
        writer_.set(QStringLiteral("Banque"), e.banque);
        writer_.set(QStringLiteral("Num cheque"), e.cheque);
        writer_.write();
        ++count_;
        return e.date;
    }
    int count() const { return count_; }

private:
    Writer writer_;
    bool receipts_;
    QSet<QString> keys_;
    int count_ = 0;
};

// ---------------------------------------------------------------- the club

const QDate kSeasonStart(kSeasonYear - 1, 7, 1);
const QDate kSeasonEnd(kSeasonYear, 6, 30);
// The last day the generated club has lived through.
const QDate kToday(kSeasonYear, 6, 15);

// Fees of the eight age categories of either sex, youngest first, and the
// other fee rules of the club's settings.
constexpr int kCategoryFees[] = {70, 80, 90, 100, 105, 110, 125, 120};
constexpr int kLeisureFee = 90;
constexpr int kCoachFee = 40;
constexpr int kFamilyReduction = 15;
constexpr int kBoardPercent = 25;
constexpr int kStudentPercent = 20;

struct AgeCategory {
    int ageEnd;
    QString name;
};

std::vector<AgeCategory> ageCategories(Session &session, const QString &table)
{
    std::vector<AgeCategory> out;
    Statement st(session, QStringLiteral("SELECT \"Age Fin\", \"Nom\" FROM %1 ORDER BY \"_ordre\", rowid")
                              .arg(data::quoted(table)));
    while (st.step())
        out.push_back({int(st.columnInt(0)), st.columnText(1)});
    if (out.size() < 8)
        throw std::logic_error("the age categories are not seeded");
    return out;
}

QString phone(Random &rnd, const QString &prefix)
{
    QString s = prefix;
    for (int i = 0; i < 4; ++i)
        s += QLatin1Char('-') + rnd.digits(2);
    return s;
}

QString mailPart(const QString &text)
{
    QString out;
    for (QChar c : data::foldForSort(text)) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-')
            out.append(c);
    }
    return out;
}

// The payer's default name: the family name and the first name, a first name
// of more than 8 characters cut to 7 and a full stop.
QString payerName(const QString &nom, const QString &prenom)
{
    return nom + QLatin1Char(' ') + (prenom.size() > 8 ? prenom.left(7) + QLatin1Char('.') : prenom);
}

// Slips are made up weekly: a receipt goes on the slip of its week, cheques
// and cash on slips of their own numbering.
QString slipNumber(QDate date, bool cash)
{
    const int week = int(kSeasonStart.daysTo(date) / 7) + 1;
    return QString::number(cash ? 1000 + week : week);
}

enum class Means { Cheque, Transfer, Cash };

class ClubWriter {
public:
    ClubWriter(Session &session)
        : session_(session)
        , rnd_(20250630)
        , recettes_(session, QStringLiteral("Recettes"), true)
        , depenses_(session, QStringLiteral("Depenses"), false)
    {}

    void run()
    {
        writeCategories();
        writeActivities();
        writeOpeningBalances();
        writeMembers();
        writeTransfers();
        writeOtherEntries();
        writeSeasons();
        Statement counter(session_, QStringLiteral("UPDATE \"Numoper\" SET \"Num operation\"=?"));
        counter.bindInt(1, num_).exec();
        session_.touch(QStringLiteral("Numoper"));
    }

private:
    int nextNum() { return ++num_; }

    // ------------------------------------------------ categories

    void writeCategories()
    {
        Writer postes(session_, QStringLiteral("Postes"));
        struct Cat {
            QString name;
            bool r, d;
        };
        std::vector<Cat> cats{{QStringLiteral("Cotisations"), true, false},
                              {QStringLiteral("Virement interne entre comptes"), true, true}};
        for (const char *q : kCategoryQualifiers) {
            for (size_t i = 0; i < std::size(kReceiptBases) && int(cats.size()) < kCategories; ++i) {
                // Courses bring fees in and cost the coach: both ledgers use them.
                const QString base = QString::fromUtf8(kReceiptBases[i]);
                cats.push_back({base + QString::fromUtf8(q), true, base == QLatin1String("Stage")});
            }
            for (size_t i = 0; i < std::size(kExpenseBases) && int(cats.size()) < kCategories; ++i)
                cats.push_back({QString::fromUtf8(kExpenseBases[i]) + QString::fromUtf8(q), false, true});
        }
        int number = 0;
        for (const Cat &c : cats) {
            const Money forecastR = c.r ? euros(rnd_.between(2, 200) * 50) : Money();
            const Money forecastD = c.d ? euros(rnd_.between(2, 200) * 50) : Money();
            postes.set(QStringLiteral("Poste"), c.name);
            postes.set(QStringLiteral("TypeR"), c.r);
            postes.set(QStringLiteral("TypeD"), c.d);
            postes.set(QStringLiteral("Montant Prevu R"), forecastR);
            postes.set(QStringLiteral("Montant prevu D"), forecastD);
            postes.set(QStringLiteral("AlerteR"), false);
            postes.set(QStringLiteral("AlerteD"), false);
            postes.set(QStringLiteral("Num"), ++number);
            spread(postes, QStringLiteral("PrevR%1"), forecastR);
            spread(postes, QStringLiteral("PrevD%1"), forecastD);
            postes.set(QStringLiteral("Prevglobale"), forecastR - forecastD);
            postes.write();
            if (c.name == QLatin1String("Cotisations") ||
                c.name == QLatin1String("Virement interne entre comptes"))
                continue;
            if (c.r)
                receiptCategories_.append(c.name);
            if (c.d)
                expenseCategories_.append(c.name);
        }
    }

    // Monthly forecasts in whole cents adding up to the season's forecast.
    static void spread(Writer &w, const QString &pattern, Money total)
    {
        const qint64 cents = total.units() / 100;
        qint64 given = 0;
        for (int m = 1; m <= 12; ++m) {
            const qint64 part = m < 12 ? cents / 12 : cents - given;
            given += part;
            w.set(pattern.arg(m), Money::fromUnits(part * 100));
        }
    }

    void writeActivities()
    {
        Writer activites(session_, QStringLiteral("Activites"));
        for (const char *name : kActivities) {
            const Money r = euros(rnd_.between(5, 80) * 100), d = euros(rnd_.between(5, 80) * 100);
            activites.set(QStringLiteral("Activite"), QString::fromUtf8(name));
            activites.set(QStringLiteral("Montant Prevu R"), r);
            activites.set(QStringLiteral("Montant prevu D"), d);
            activites.set(QStringLiteral("Prevglobale"), r - d);
            activites.set(QStringLiteral("Commentaires"),
                          QStringLiteral("Budget voté en assemblée générale"));
            activites.write();
        }
    }

    // ------------------------------------------------ ledger entries

    void writeOpeningBalances()
    {
        for (const char *account : kAccounts) {
            Entry e;
            e.date = kSeasonStart;
            e.poste = QStringLiteral("En caisse début saison:");
            e.libelle = QStringLiteral("Reste en fin de saison précédente");
            e.compte = QString::fromUtf8(account);
            e.amount = e.compte == kCashAccount ? rnd_.amount(50, 400) : rnd_.amount(2000, 15000);
            e.num = nextNum();
            e.rapprochement = QStringLiteral("R");
            e.payeur = QStringLiteral("Aucun");
            e.bordereau = true;
            recettes_.write(e);
        }
    }

    // A receipt paid by cheque or cash goes on the deposit slip of its week
    // once that week is over; entries on the bank account are mostly pointed.
    void settle(Entry &e, Means means, bool receipt)
    {
        if (receipt && means != Means::Transfer && e.date.daysTo(kToday) > 7 && rnd_.chance(0.9)) {
            e.piece = slipNumber(e.date, means == Means::Cash);
            e.bordereau = true;
        }
        const bool old = e.date.daysTo(kToday) > 45;
        if (old && rnd_.chance(means == Means::Cash ? 0.5 : 0.8))
            e.rapprochement = QStringLiteral("R");
    }

    void writeTransfers()
    {
        // Savings twice a month, and the cash taken to the bank now and then.
        for (int i = 0; i < 60; ++i) {
            const QDate date = kSeasonStart.addDays(3 + i * 6);
            const bool toSavings = i % 3 != 2;
            const QString from = toSavings ? kCurrentAccount : kCashAccount;
            const QString to = toSavings ? kSavingsAccount : kCurrentAccount;
            const QString reason =
                toSavings ? QStringLiteral("épargne") : QStringLiteral("dépôt des espèces");
            const Money amount = toSavings ? euros(rnd_.between(2, 20) * 100) : rnd_.amount(100, 900);
            Entry r;
            r.date = date;
            r.poste = QStringLiteral("Virement interne entre comptes");
            r.libelle = QStringLiteral("Virement de ") + from + QStringLiteral(" - ") + reason;
            r.compte = to;
            r.amount = amount;
            r.num = nextNum();
            r.payeur = QStringLiteral("Virement interne");
            settle(r, Means::Transfer, true);
            recettes_.write(r);
            Entry d = r;
            d.libelle = QStringLiteral("Virement vers ") + to + QStringLiteral(" - ") + reason;
            d.compte = from;
            d.num = nextNum();
            d.payeur.clear();
            d.rapprochement.clear();
            settle(d, Means::Transfer, false);
            depenses_.write(d);
        }
    }

    void writeOtherEntries()
    {
        while (recettes_.count() < kReceipts)
            writeOtherEntry(true);
        while (depenses_.count() < kExpenses)
            writeOtherEntry(false);
    }

    void writeOtherEntry(bool receipt)
    {
        Entry e;
        e.date = rnd_.dateBetween(kSeasonStart, kToday);
        e.poste = receipt ? receiptCategories_[rnd_.below(int(receiptCategories_.size()))]
                          : expenseCategories_[rnd_.below(int(expenseCategories_.size()))];
        e.num = nextNum();
        // The operation number in the wording keeps the ledger's key unique.
        e.libelle = rnd_.pick(kWordings).arg(e.poste).arg(e.num);
        const int r = rnd_.below(100);
        const Means means = r < 50 ? Means::Cheque : (r < 80 ? Means::Transfer : Means::Cash);
        e.compte =
            means == Means::Cash ? kCashAccount : (rnd_.chance(0.93) ? kCurrentAccount : kSavingsAccount);
        e.amount = receipt ? rnd_.amount(5, 2500) : rnd_.amount(2, 3000);
        if (means == Means::Cheque) {
            e.cheque = rnd_.digits(7);
            e.banque = rnd_.pick(kBanks);
        } else if (rnd_.chance(0.2)) {
            e.banque = rnd_.pick(kBanks);
        }
        if (receipt) {
            if (rnd_.chance(0.3)) {
                e.payeur = rnd_.pick(kOrganisations);
            } else {
                const QString nom = rnd_.pick(kSurnames);
                e.payeur = payerName(nom, rnd_.pick(kMen));
            }
        } else if (rnd_.chance(0.1)) {
            e.payeur = rnd_.pick(kSuppliers); // expenses name a payee only now and then
        }
        if (rnd_.chance(0.15))
            e.activite = rnd_.pick(kActivities);
        if (rnd_.chance(0.1))
            e.divers = rnd_.pick(kEntryNotes);
        e.justificatif = rnd_.chance(0.92);
        if (!receipt && e.poste.startsWith(QStringLiteral("Déplacements")) && rnd_.chance(0.6))
            travelSheet(e);
        settle(e, means, receipt);
        (receipt ? recettes_ : depenses_).write(e);
    }

    // An expense written by a travel-expense sheet: the member refunded, the
    // sheet's number and its purpose.
    void travelSheet(Entry &e)
    {
        const QString nom = rnd_.pick(kSurnames);
        const QString name = nom + QLatin1Char(' ') + rnd_.pick(kMen);
        e.libelle = QStringLiteral("Remboursement frais de déplacement de ") + name;
        e.payeur = name;
        e.piece = QString::number(rnd_.between(1, 400));
        e.divers = QStringLiteral("Interclubs à ") + rnd_.pick(kBirthPlaces);
        e.banque.clear();
        e.activite = QStringLiteral("Interclubs");
        e.justificatif = true;
    }

    // ------------------------------------------------ members

    void writeMembers()
    {
        Writer j(session_, QStringLiteral("Joueurs"));
        const std::vector<AgeCategory> men = ageCategories(session_, QStringLiteral("CategorieH"));
        const std::vector<AgeCategory> women = ageCategories(session_, QStringLiteral("CategorieF"));
        QSet<QString> keys, licences;
        int boardSeats = 0;

        for (int m = 0; m < kMembers; ++m) {
            const bool homme = rnd_.chance(0.6);
            QString nom, prenom;
            QDate naissance;
            for (;;) {
                nom = rnd_.pick(kSurnames);
                prenom = homme ? rnd_.pick(kMen) : rnd_.pick(kWomen);
                const int band = rnd_.below(100);
                const int age = band < 35 ? rnd_.between(5, 18)
                                          : (band < 90 ? rnd_.between(19, 55) : rnd_.between(56, 85));
                naissance =
                    rnd_.dateBetween(QDate(kSeasonYear - age, 1, 1), QDate(kSeasonYear - age, 12, 31));
                const QString key =
                    nom + QLatin1Char('\n') + prenom + QLatin1Char('\n') + naissance.toString(Qt::ISODate);
                if (!keys.contains(key)) {
                    keys.insert(key);
                    break;
                }
            }
            // The age category: the first whose last age reaches the age
            // counted in the year the season ends.
            const int age = kSeasonYear - naissance.year();
            const std::vector<AgeCategory> &table = homme ? men : women;
            size_t slot = 0;
            while (slot < table.size() && table[slot].ageEnd < age)
                ++slot;
            if (slot == table.size())
                slot = 0;
            const bool adult = slot == 6 || slot == 7;
            const bool actif = rnd_.chance(0.86);
            const bool loisir = adult && rnd_.chance(0.15);
            const QString categorie = loisir ? QStringLiteral("Loisirs") : table[slot].name;

            j.set(QStringLiteral("Nom"), nom);
            j.set(QStringLiteral("Prenom"), prenom);
            j.set(QStringLiteral("Date de naissance"), naissance);
            if (!actif || rnd_.chance(0.97)) {
                QString licence;
                do
                    licence = QStringLiteral("0") + rnd_.digits(7);
                while (licences.contains(licence));
                licences.insert(licence);
                j.set(QStringLiteral("Num license"), licence);
            }
            const bool inTeam = !loisir && rnd_.chance(adult ? 0.4 : 0.3);
            j.set(QStringLiteral("Equipe"),
                  inTeam ? (adult ? rnd_.pick(kTeams) : rnd_.pick(kYouthTeams)) : QStringLiteral("xxxxxxxx"));

            const int yearsIn = rnd_.between(0, std::min(age - 4, 25));
            const QDate entree = QDate(kSeasonYear - 1 - yearsIn, 9, 1).addDays(rnd_.below(60));
            j.set(QStringLiteral("Date entree"), entree);
            j.set(QStringLiteral("Date modification"),
                  std::max(entree, rnd_.dateBetween(QDate(kSeasonYear - 1, 9, 1), kToday)));
            if (!actif)
                j.set(QStringLiteral("Date sortie"), rnd_.dateBetween(entree.addDays(60), kToday));

            // Fee: the category's, then the discounts in the order the
            // record window applies them.
            const bool reduction = rnd_.chance(0.1);
            const bool bureau = actif && adult && rnd_.chance(0.04);
            const bool etudiant = age >= 18 && age <= 25 && rnd_.chance(0.3);
            const bool demi = rnd_.chance(0.04);
            const bool educateur = adult && !loisir && rnd_.chance(0.03);
            Money fee = euros(loisir ? kLeisureFee : kCategoryFees[slot]);
            if (reduction)
                fee -= euros(kFamilyReduction);
            if (bureau)
                fee -= percentOf(fee, kBoardPercent);
            if (etudiant)
                fee -= percentOf(fee, kStudentPercent);
            if (demi)
                fee = Money::fromUnits(fee.units() / 2);
            if (educateur)
                fee = euros(kCoachFee);
            fee = fee.roundedToCents();

            const QString payeur =
                adult ? payerName(nom, prenom)
                      : payerName(nom, rnd_.chance(0.5) ? rnd_.pick(kMen) : rnd_.pick(kWomen));
            const int r = rnd_.below(100);
            const Means means = r < 55 ? Means::Cheque : (r < 80 ? Means::Transfer : Means::Cash);
            const QString compte = means == Means::Cash ? kCashAccount : kCurrentAccount;
            const QString banque = means == Means::Cheque || rnd_.chance(0.3) ? rnd_.pick(kBanks) : QString();
            writePayments(j, nom, prenom, categorie, fee, actif, means, compte, payeur, banque);

            j.set(QStringLiteral("Dette"), false);
            j.set(QStringLiteral("Avoir"), false);
            j.set(QStringLiteral("Membre bureau"), bureau);
            j.set(QStringLiteral("Jeune"), !adult);
            j.set(QStringLiteral("Sexe"), homme ? QStringLiteral("Homme") : QStringLiteral("Femme"));
            j.set(QStringLiteral("Situation"), actif ? QStringLiteral("ACTIF") : QStringLiteral("INACTIF"));
            j.set(QStringLiteral("Categorie"), categorie);

            const Town &town = rnd_.chance(0.4) ? kTowns[0] : kTowns[rnd_.below(int(std::size(kTowns)))];
            // One draw per statement: the order in which arguments are
            // evaluated is the compiler's choice.
            const int streetNumber = rnd_.between(1, 180);
            const QString streetKind = rnd_.pick(kStreetKinds);
            const QString streetName = rnd_.pick(kStreetNames);
            j.set(QStringLiteral("Adresse"),
                  QStringLiteral("%1 %2 %3").arg(streetNumber).arg(streetKind, streetName));
            if (rnd_.chance(0.1))
                j.set(QStringLiteral("Adresse1"), rnd_.pick(kAddressSecondLines));
            j.set(QStringLiteral("Ville"), QString::fromUtf8(town.name));
            j.set(QStringLiteral("Code postal"), QString::fromUtf8(town.postcode));
            if (rnd_.chance(0.55))
                j.set(QStringLiteral("Tel"),
                      phone(rnd_, rnd_.chance(0.7) ? QStringLiteral("02") : QStringLiteral("09")));
            if (rnd_.chance(0.05))
                j.set(QStringLiteral("Fax"), phone(rnd_, QStringLiteral("02")));
            if (age >= 11 && rnd_.chance(0.85))
                j.set(QStringLiteral("Port"),
                      phone(rnd_, rnd_.chance(0.6) ? QStringLiteral("06") : QStringLiteral("07")));
            if (rnd_.chance(0.85))
                j.set(
                    QStringLiteral("Mail"),
                    QStringLiteral("%1.%2@%3").arg(mailPart(prenom), mailPart(nom), rnd_.pick(kMailDomains)));
            if (bureau) {
                static const char *const firstTitles[] = {"Président", "Trésorier", "Secrétaire"};
                j.set(QStringLiteral("Titre"),
                      boardSeats < 3 ? QString::fromUtf8(firstTitles[boardSeats]) : rnd_.pick(kBoardTitles));
                ++boardSeats;
            }
            if (rnd_.chance(0.15))
                j.set(QStringLiteral("Commentaires"), rnd_.pick(kComments));
            j.set(QStringLiteral("Demi tarif"), demi);
            j.set(QStringLiteral("Reduction"), reduction);
            j.set(QStringLiteral("Nepasenvoyer"), rnd_.chance(0.05));
            j.set(QStringLiteral("Surclassement"),
                  !adult && age >= 9 && rnd_.chance(0.08) ? rnd_.pick(kUpgrades) : QStringLiteral("Aucun"));
            j.set(QStringLiteral("Certificat"), rnd_.chance(actif ? 0.9 : 0.5));
            j.set(QStringLiteral("Nom du payeur"), payeur);

            writeKit(j, adult, inTeam);

            j.set(QStringLiteral("Autorisation parentale"), adult || rnd_.chance(0.85));
            j.set(QStringLiteral("Autorisation publ Web"), rnd_.chance(0.8));
            j.set(QStringLiteral("Mercredi"), !adult && rnd_.chance(0.4));
            j.set(QStringLiteral("Educateur"), educateur);
            if (educateur)
                j.set(QStringLiteral("Num licence educateur"), QStringLiteral("0") + rnd_.digits(7));
            j.set(QStringLiteral("Poste joue"),
                  rnd_.chance(0.5) ? QStringLiteral("Polyvalent") : rnd_.pick(kPositions));
            const int hand = rnd_.below(100);
            j.set(QStringLiteral("Pied"),
                  hand < 80 ? QStringLiteral("Droitier")
                            : (hand < 92 ? QStringLiteral("Gaucher") : QStringLiteral("Indifférent")));
            j.set(QStringLiteral("Dispo"),
                  rnd_.chance(0.9) ? QStringLiteral("Disponible") : rnd_.pick(kUnavailable));
            if (inTeam)
                j.set(QStringLiteral("Num maillot"), rnd_.between(1, 99));
            j.set(QStringLiteral("Etudiant"), etudiant);
            if (rnd_.chance(0.06))
                j.set(QStringLiteral("Distinction"), inTeam ? rnd_.pick(kSigns) : QStringLiteral("Espoir"));
            j.set(QStringLiteral("Banque"), banque);
            j.set(QStringLiteral("Coupon sport"), !adult && rnd_.chance(0.06));

            writeUmpire(j, age);

            j.set(QStringLiteral("Compte"), compte);
            writeContacts(j, nom, adult);
            if (rnd_.chance(0.75))
                j.set(QStringLiteral("Lieu naissance"), rnd_.pick(kBirthPlaces));
            j.set(QStringLiteral("Foot loisirs"), loisir);
            j.set(QStringLiteral("Loisirs2"), false);
            j.set(QStringLiteral("Loisirs3"), false);
            const bool suspended = rnd_.chance(0.005);
            j.set(QStringLiteral("Suspension"), suspended);
            if (suspended)
                j.set(QStringLiteral("Date suspension"), rnd_.dateBetween(kToday, kSeasonEnd));
            j.set(QStringLiteral("Nb matchs"), suspended ? rnd_.between(1, 3) : 0);
            j.set(QStringLiteral("Nb jaunes"), rnd_.chance(0.02) ? rnd_.between(1, 2) : 0);
            j.set(QStringLiteral("Nb rouges"), rnd_.chance(0.003) ? 1 : 0);
            j.set(QStringLiteral("Nationalite"),
                  rnd_.chance(0.95) ? QStringLiteral("Française") : rnd_.pick(kNationalities));
            writeRankings(j, loisir);
            const bool transferred = rnd_.chance(0.04);
            j.set(QStringLiteral("Mutation"), transferred);
            if (transferred) {
                j.set(QStringLiteral("Departement origine"), rnd_.pick(kDepartments));
                j.set(QStringLiteral("Sigle club origine"), rnd_.pick(kClubSigns));
            }
            j.set(QStringLiteral("Corpo"), false);
            j.set(QStringLiteral("Type activite"),
                  loisir ? QStringLiteral("LOISIRS") : QStringLiteral("COMPETITION"));
            j.write();
        }
    }

    // The whole fee at once, or two to five instalments, or nothing yet. Each
    // payment made has its receipt in the ledger under the number kept in
    // the member's record.
    void writePayments(Writer &j, const QString &nom, const QString &prenom, const QString &categorie,
                       Money fee, bool actif, Means means, const QString &compte, const QString &payeur,
                       const QString &banque)
    {
        j.set(QStringLiteral("Cotisation"), fee);
        const int plan = actif ? rnd_.below(100) : 100;
        const QDate first = rnd_.dateBetween(QDate(kSeasonYear - 1, 9, 1), QDate(kSeasonYear - 1, 10, 31));
        auto receipt = [&](QDate date, const QString &label, Money amount) {
            Entry e;
            e.date = date;
            e.poste = QStringLiteral("Cotisations");
            e.libelle = label;
            e.compte = compte;
            e.amount = amount;
            e.num = nextNum();
            e.payeur = payeur;
            e.banque = banque;
            e.activite = QStringLiteral("Licence ") + categorie;
            settle(e, means, true);
            recettes_.write(e);
            return e;
        };
        const QString who = nom + QLatin1Char(' ') + prenom;

        if (plan < 62) {
            j.set(QStringLiteral("Date de paiement"), first);
            j.set(QStringLiteral("Paye"), true);
            j.set(QStringLiteral("Restant du"), Money());
            if (fee.units() > 0) {
                const Entry e = receipt(first, QStringLiteral("Cotisation de ") + who, fee);
                j.set(QStringLiteral("Num cotisation"), e.num);
                if (!e.piece.isEmpty() && means == Means::Cheque)
                    j.set(QStringLiteral("Num bordereau"), e.piece.toInt());
            }
        } else if (plan < 88) {
            const int r = rnd_.below(100);
            const int count = r < 50 ? 2 : (r < 90 ? 3 : (r < 97 ? 4 : 5));
            const qint64 cents = fee.units() / 100;
            const qint64 part = cents / count / 100 * 100; // whole euros, the last one takes the rest
            Money paid;
            bool paying = true;
            QDate date = first, lastPaid;
            for (int k = 1; k <= count; ++k) {
                const Money amount = Money::fromUnits((k < count ? part : cents - part * (count - 1)) * 100);
                j.set(QStringLiteral("Date accompte %1").arg(k), date);
                j.set(QStringLiteral("Accompte %1").arg(k), amount);
                j.set(QStringLiteral("Compte %1").arg(k), compte);
                paying = paying && date <= kToday && (k == 1 || rnd_.chance(0.8));
                j.set(QStringLiteral("Paye acc%1").arg(k), paying);
                if (paying) {
                    const Entry e =
                        receipt(date, QStringLiteral("Acompte %1 cotisation de %2").arg(k).arg(who), amount);
                    j.set(QStringLiteral("Num Accompte %1").arg(k), e.num);
                    paid += amount;
                    lastPaid = date;
                }
                date = date.addDays(30);
            }
            for (int k = count + 1; k <= 5; ++k)
                j.set(QStringLiteral("Paye acc%1").arg(k), false);
            const bool settled = paid == fee;
            j.set(QStringLiteral("Paye"), settled);
            if (settled)
                j.set(QStringLiteral("Date de paiement"), lastPaid);
            j.set(QStringLiteral("Restant du"), fee - paid);
            return;
        } else {
            j.set(QStringLiteral("Paye"), false);
            j.set(QStringLiteral("Restant du"), fee);
        }
        for (int k = 1; k <= 5; ++k)
            j.set(QStringLiteral("Paye acc%1").arg(k), false);
    }

    void writeKit(Writer &j, bool adult, bool inTeam)
    {
        auto item = [&](const QString &flag, const QString &size, double p, const QString &value) {
            const bool given = rnd_.chance(p);
            j.set(flag, given);
            if (given)
                j.set(size, value);
        };
        item(QStringLiteral("Survetement"), QStringLiteral("Taille survetement"), 0.2,
             adult ? rnd_.pick(kAdultSizes) : rnd_.pick(kChildSizes));
        item(QStringLiteral("Short"), QStringLiteral("Taille short"), 0.3,
             adult ? rnd_.pick(kAdultSizes) : rnd_.pick(kChildSizes));
        item(QStringLiteral("Chaussettes"), QStringLiteral("Taille chaussette"), 0.25,
             adult ? rnd_.pick(kAdultShoes) : rnd_.pick(kChildShoes));
        item(QStringLiteral("Chaussures"), QStringLiteral("Taille chaussures"), 0.1,
             adult ? rnd_.pick(kAdultShoes) : rnd_.pick(kChildShoes));
        item(QStringLiteral("Maillot"), QStringLiteral("Taille maillot"), inTeam ? 0.9 : 0.2,
             adult ? rnd_.pick(kAdultSizes) : rnd_.pick(kChildSizes));
        item(QStringLiteral("Gants"), QStringLiteral("Taille gants"), 0.15, rnd_.pick(kGrips));
    }

    void writeUmpire(Writer &j, int age)
    {
        auto block = [&](const QString &flag, const QString &grade, const QString &comment,
                         const QString &status, double p) {
            const bool on = age >= 16 && rnd_.chance(p);
            j.set(flag, on);
            if (!on)
                return;
            j.set(grade, rnd_.pick(kGrades));
            if (rnd_.chance(0.3))
                j.set(comment, rnd_.pick(kUmpireComments));
            j.set(status, rnd_.chance(0.8) ? QStringLiteral("Actif") : QStringLiteral("Inactif"));
        };
        block(QStringLiteral("Arbitre"), QStringLiteral("ArbitreGrade"), QStringLiteral("ArbitreComment"),
              QStringLiteral("ArbitreStatus"), 0.04);
        block(QStringLiteral("ArbitreDelegue"), QStringLiteral("ArbitreDelGrade"),
              QStringLiteral("ArbitreDelComment"), QStringLiteral("ArbitreDelStatus"), 0.02);
        j.set(QStringLiteral("Arbitre Table"), false);
    }

    void writeContacts(Writer &j, const QString &nom, bool adult)
    {
        // A child's parents, an adult's partner now and then.
        const int count = adult ? (rnd_.chance(0.4) ? 1 : 0) : (rnd_.chance(0.5) ? 2 : 1);
        for (int k = 1; k <= count; ++k) {
            const bool mother = adult ? rnd_.chance(0.5) : k == 1;
            const QString relation = adult
                                         ? (mother ? QStringLiteral("conjointe") : QStringLiteral("conjoint"))
                                         : (mother ? QStringLiteral("mère") : QStringLiteral("père"));
            j.set(QStringLiteral("Nom prevenir %1").arg(k),
                  QStringLiteral("%1 %2 (%3)")
                      .arg(nom, mother ? rnd_.pick(kWomen) : rnd_.pick(kMen), relation));
            j.set(QStringLiteral("Tel prevenir %1").arg(k), phone(rnd_, QStringLiteral("06")));
        }
    }

    void writeRankings(Writer &j, bool loisir)
    {
        static const char *const kTop[] = {"N1", "N2", "N3", "R4", "R5", "R6"};
        static const char *const kMiddle[] = {"D7", "D8", "D9"};
        static const char *const kLow[] = {"P10", "P11", "P12"};
        for (const QString &field : {QStringLiteral("Classement S"), QStringLiteral("Classement D"),
                                     QStringLiteral("Classement DM")}) {
            const int r = rnd_.below(100);
            QString ranking = QStringLiteral("NC");
            if (!loisir && r >= 40)
                ranking = r < 72 ? rnd_.pick(kLow) : (r < 92 ? rnd_.pick(kMiddle) : rnd_.pick(kTop));
            j.set(field, ranking);
        }
    }

    // ------------------------------------------------ seasons

    void writeSeasons()
    {
        Writer ex(session_, QStringLiteral("EXERCICE"));
        int players = 180;
        for (int year = kSeasonYear - kClosedSeasons; year <= kSeasonYear; ++year) {
            ex.set(QStringLiteral("Annee"), year);
            ex.set(QStringLiteral("Debut"), QDate(year - 1, 7, 1));
            ex.set(QStringLiteral("Fin"), QDate(year, 6, 30));
            ex.set(QStringLiteral("Saison"), QStringLiteral("%1-%2").arg(year - 1).arg(year));
            if (year == kSeasonYear) {
                // The open season: its figures are set when it is closed.
                ex.set(QStringLiteral("Etat"), QStringLiteral("En cours"));
                for (const char *field :
                     {"Nombre de joueurs", "Nb Jeunes", "Nb Adultes", "Nombre ecriture recette",
                      "Nombre ecriture depense", "Montant recettes", "Montant depenses", "Total subventions",
                      "Bilan total"})
                    ex.set(QString::fromUtf8(field), 0);
                ex.write();
                continue;
            }
            players += rnd_.between(-10, 25);
            const int young = players * rnd_.between(30, 42) / 100;
            const Money youngFees = euros(young * rnd_.between(80, 95));
            const Money adultFees = euros((players - young) * rnd_.between(100, 120));
            const Money grants = rnd_.amount(4000, 9000);
            const Money receipts = youngFees + adultFees + grants + rnd_.amount(15000, 30000);
            const Money surplus = rnd_.amount(0, 6000);
            const Money overrun = rnd_.amount(0, 5000);
            const Money expenses = receipts - surplus + overrun;
            const Money balance = receipts - expenses;
            ex.set(QStringLiteral("Etat"), QStringLiteral("Clos"));
            ex.set(QStringLiteral("Nombre de joueurs"), players);
            ex.set(QStringLiteral("Nombre ecriture recette"), rnd_.between(700, 1100));
            ex.set(QStringLiteral("Nombre ecriture depense"), rnd_.between(500, 900));
            ex.set(QStringLiteral("Montant recettes"), receipts);
            ex.set(QStringLiteral("Montant depenses"), expenses);
            ex.set(QStringLiteral("Total subventions"), grants);
            ex.set(QStringLiteral("Date de cloture"), QDate(year, 7, 1).addDays(rnd_.below(75)));
            ex.set(QStringLiteral("Bilan total"), balance);
            ex.set(QStringLiteral("Nb Adultes"), players - young);
            ex.set(QStringLiteral("Nb Jeunes"), young);
            ex.set(QStringLiteral("Total cotisations"), youngFees + adultFees);
            ex.set(QStringLiteral("Cotisations jeunes"), youngFees);
            ex.set(QStringLiteral("Cotisations adultes"), adultFees);
            const Money cash = rnd_.amount(50, 400);
            const Money savings = rnd_.amount(3000, 12000);
            ex.set(QStringLiteral("Bilan compte 1"), balance + euros(8000) - savings - cash);
            ex.set(QStringLiteral("Bilan compte 2"), savings);
            ex.set(QStringLiteral("Bilan compte 3"), cash);
            ex.set(QStringLiteral("Bilan compte 4"), Money());
            ex.set(QStringLiteral("Bilan compte 5"), Money());
            ex.write();
        }
    }

    Session &session_;
    Random rnd_;
    Ledger recettes_;
    Ledger depenses_;
    QStringList receiptCategories_;
    QStringList expenseCategories_;
    int num_ = 0;
};

} // namespace

void generateLargeClub(const QString &dir)
{
    data::OpenedData opened = data::openDataFolder(dir);
    if (!opened.created)
        throw std::logic_error("generateLargeClub needs a new data folder");
    Session &session = *opened.session;
    Session::Transaction tx(session);
    ClubWriter(session).run();
    tx.commit();
}

} // namespace corvane::bench
