#include "core/users/Profiles.h"

#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "data/tables/TableDefs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPasswordDigestor>
#include <QRandomGenerator>

#include <cstdio>

namespace corvane::core {

using data::StoreError;

namespace {

// "$1$" + salt + "$" + key: fits the 50 characters of `Options`.
constexpr int Iterations = 120000;
const QString HashPrefix = QStringLiteral("$1$");

QByteArray derive(const QString &password, const QByteArray &salt)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, Iterations, 18);
}

struct RowSpec {
    const char *options;
    bool heading;
    bool viewMode; // the function's windows have a view-only mode
};

// In the order the rights letters are read: row 1 follows the password row.
const RowSpec Rows[] = {
    {"Menu Dossier", true, false},
    {"Clôturer la saison en cours", false, false},
    {"Visualiser une saison passée", false, false},
    {"Infos sur les saisons", false, false},
    {"Menu Saisies", true, false},
    {"Joueurs", false, true},
    {"Clubs", false, true},
    {"Divisions, banques, etc...", false, false},
    {"Equipes du club", false, true},
    {"Menu Impressions", true, false},
    {"Liste des licences impayées", false, false},
    {"Liste des certificats médicaux manquants", false, false},
    {"Liste des autorisations parentales manquantes", false, false},
    {"Convocations des joueurs", false, true},
    {"Menu Courriers", true, false},
    {"Courriers, modèles, adresses et mails", false, true},
    {"Générateur d'étiquettes", false, false},
    {"Menu Finances", true, false},
    {"Recettes et dépenses", false, true},
    {"Postes comptables et prévisions", false, true},
    {"Plan de trésorerie", false, false},
    {"Ecritures périodiques et virements", false, false},
    {"Liste des activités", false, false},
    {"Bilan général", false, false},
    {"Bilan par comptes bancaires", false, false},
    {"Bilan par postes", false, false},
    {"Bilan par activités", false, false},
    {"Bordereaux de remise de chèques et d'espèces", false, true},
    {"Dettes et avoirs de joueurs", false, true},
    {"Frais de déplacement", false, true},
    {"Menu Matériels", true, false},
    {"Liste des matériels", false, true},
    {"Matériel en dotation sur fiche joueur", false, false},
    // Row 34 governs the suppliers and row 35 the loans, in the menu and in
    // their windows alike.
    {"Liste des fournisseurs", false, true},
    {"Prêt de matériel", false, true},
    {"Gestion des locaux", false, true},
    {"Menu Utilitaires", true, false},
    {"Evaluer l'effectif de la prochaine saison", false, false},
    {"Liste des anniversaires", false, false},
    {"Exportation de données", false, false},
    {"Importation de données", false, false},
    {"Menu Aide", true, false},
    {"Vos dernières connexions", false, false},
};

[[noreturn]] void notAProfile(const QString &path)
{
    throw StoreError(StoreError::Kind::Damaged,
                     QStringLiteral("Le fichier de profil « %1 » est endommagé ou n'est pas un profil de Corvane.")
                         .arg(QFileInfo(path).fileName()));
}

} // namespace

std::vector<RightsRow> administratorProfileRows()
{
    std::vector<RightsRow> rows;
    rows.push_back({QString(), {}, {}, {}});
    const QString x = QStringLiteral("X");
    for (const RowSpec &r : Rows) {
        if (r.heading)
            rows.push_back({QString::fromUtf8(r.options), {}, {}, {}});
        else
            rows.push_back({QString::fromUtf8(r.options), {}, r.viewMode ? QString() : QStringLiteral("-"), x});
    }
    return rows;
}

QString hashPassword(const QString &password)
{
    if (password.isEmpty())
        return {};
    QByteArray salt(9, '\0');
    for (char &c : salt)
        c = char(QRandomGenerator::system()->bounded(256));
    return HashPrefix + QString::fromLatin1(salt.toBase64()) + QLatin1Char('$') +
           QString::fromLatin1(derive(password, salt).toBase64());
}

bool passwordMatches(const QString &stored, const QString &typed)
{
    if (!stored.startsWith(HashPrefix))
        return stored == typed;
    const QStringList parts = stored.mid(HashPrefix.size()).split(QLatin1Char('$'));
    if (parts.size() != 2)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[0].toLatin1());
    const QByteArray expected = QByteArray::fromBase64(parts[1].toLatin1());
    const QByteArray got = derive(typed, salt);
    // Compare every byte, whatever the first difference.
    if (got.size() != expected.size())
        return false;
    unsigned char diff = 0;
    for (int i = 0; i < got.size(); ++i)
        diff |= static_cast<unsigned char>(got[i] ^ expected[i]);
    return diff == 0;
}

QStringList ProfileFiles::list(const QString &folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("*.pfl")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    return names;
}

std::vector<RightsRow> ProfileFiles::read(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw StoreError(StoreError::Kind::General,
                         QStringLiteral("Le fichier de profil « %1 » est introuvable.").arg(QFileInfo(path).fileName()));
    try {
        auto session = data::Session::open(path, false);
        if (!session->tableExists(QStringLiteral("Profil")))
            notAProfile(path);
        data::Table t(session.get(), QStringLiteral("Profil"));
        t.open();
        return readRightsTable(t);
    } catch (const StoreError &e) {
        if (e.kind() == StoreError::Kind::Busy)
            throw;
        notAProfile(path);
    } catch (const std::exception &) {
        notAProfile(path);
    }
}

void ProfileFiles::write(const QString &path, const std::vector<RightsRow> &rows)
{
    const QString temp = path + QStringLiteral(".ecriture");
    QFile::remove(temp);
    try {
        {
            auto session = data::Session::open(temp, true);
            session->createTable(*data::findTableDef(QStringLiteral("Profil")));
            data::Table t(session.get(), QStringLiteral("Profil"));
            t.open();
            writeRightsTable(t, rows);
        }
        QFile::remove(temp + QStringLiteral("-wal"));
        QFile::remove(temp + QStringLiteral("-shm"));
        if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0)
            throw StoreError(StoreError::Kind::ReadOnly, QString());
    } catch (const StoreError &) {
        QFile::remove(temp);
        throw StoreError(StoreError::Kind::ReadOnly,
                         QStringLiteral("Impossible d'enregistrer le profil « %1 ».\rVérifiez que le dossier des "
                                        "profils existe et que vous avez le droit d'y écrire.")
                             .arg(QDir::toNativeSeparators(path)));
    }
}

void ProfileFiles::ensureDelivered(const QString &folder)
{
    if (!list(folder).isEmpty())
        return;
    write(QDir(folder).filePath(QStringLiteral("Administrateur.pfl")), administratorProfileRows());
}

std::vector<RightsRow> readRightsTable(data::Table &table)
{
    data::OpenedTable t(&table);
    std::vector<RightsRow> rows;
    for (t->first(); !t->eof(); t->next()) {
        rows.push_back({t->asString(QStringLiteral("Options")), t->asString(QStringLiteral("Aucun")),
                        t->asString(QStringLiteral("Visualisation")), t->asString(QStringLiteral("Tous"))});
    }
    return rows;
}

void writeRightsTable(data::Table &table, const std::vector<RightsRow> &rows)
{
    // The same rights again (each start loads the same profile): no write,
    // no wait for the disk.
    if (readRightsTable(table) == rows)
        return;
    data::Session::Transaction tx(*table.session());
    table.emptyTable();
    data::OpenedTable t(&table);
    data::ControlsDisabled quiet(table);
    for (const RightsRow &r : rows) {
        t->append();
        t->setValue(QStringLiteral("Options"), r.options);
        t->setValue(QStringLiteral("Aucun"), r.aucun);
        t->setValue(QStringLiteral("Visualisation"), r.visualisation);
        t->setValue(QStringLiteral("Tous"), r.tous);
        t->post();
    }
    tx.commit();
}

} // namespace corvane::core
