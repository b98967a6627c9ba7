#include "exchange/RecupCodes.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"
#include "data/Table.h"

#include <QSettings>

namespace corvane::exchange {

namespace {

const QString CodePostal = QStringLiteral("Code postal");
const QString Ville = QStringLiteral("Ville");
const QString Departement = QStringLiteral("Departement");
const QString Pays = QStringLiteral("Pays");

const QString KeyDepartement = QStringLiteral("RecupCode");
const QString KeyTri = QStringLiteral("RecupCodeTri");

} // namespace

RecupCodes::RecupCodes(data::ModuleData &md)
    : md_(md)
    , session_(md.session())
{
    // Codepostal's layout already carries the "Par ville" order.
    session_.createTable(session_.definition(md.table(QStringLiteral("Codepostaux"))->tableName()),
                         TempoName);
    // The rows go to a temporary table of the connection, which the session
    // keeps describing: a département change then waits for no disk write,
    // and a crash leaves no scratch rows in the data file.
    QString sql;
    {
        data::Statement st(
            session_, QStringLiteral("SELECT sql FROM main.sqlite_master WHERE type='table' AND name=?"));
        st.bindText(1, TempoName);
        if (st.step())
            sql = st.columnText(0);
    }
    const QString create = QStringLiteral("CREATE TABLE ");
    if (sql.startsWith(create)) {
        data::Session::Transaction tx(session_);
        session_.exec(QStringLiteral("DROP TABLE main.%1").arg(data::quoted(TempoName)));
        session_.exec(QStringLiteral("CREATE TEMP TABLE ") + sql.mid(create.size()));
        tx.commit();
    }
    tempo_ = std::make_unique<data::Table>(&session_, TempoName, TempoName);
    tempo_->open();
}

RecupCodes::~RecupCodes()
{
    try {
        tempo_->close();
        tempo_.reset();
        session_.dropTable(TempoName);
    } catch (const data::StoreError &) {
        // A scratch table left behind is replaced at the next copying.
    }
}

void RecupCodes::charger(const QString &departement)
{
    // One statement rather than a walk of the 35 000 towns of the national
    // list through a cursor: this is what keeps the département change quick.
    const QString national = md_.table(QStringLiteral("CodePostot"))->tableName();
    {
        data::Session::Transaction tx(session_);
        session_.exec(QStringLiteral("DELETE FROM %1").arg(data::quoted(TempoName)));
        const QString cols = QStringList{data::quoted(CodePostal), data::quoted(Ville),
                                         data::quoted(Departement), data::quoted(Pays)}
                                 .join(QLatin1Char(','));
        data::Statement copy(
            session_,
            QStringLiteral("INSERT INTO %1(%2,\"_ordre\") SELECT %2, rowid FROM %3 "
                           "WHERE %4 = ?")
                .arg(data::quoted(TempoName), cols, data::quoted(national), data::quoted(Departement)));
        copy.bindText(1, departement);
        copy.exec();
        tx.commit();
    }
    session_.bumpVersion(TempoName);
    tempo_->refresh();
    tempo_->first();
}

void RecupCodes::trier(bool parVille)
{
    parVille_ = parVille;
    tempo_->setIndexName(parVille ? ParVille : QString());
}

QList<Town> RecupCodes::lignes() const
{
    const data::Table &t = *tempo_;
    const int code = t.fieldIndex(CodePostal), ville = t.fieldIndex(Ville), dep = t.fieldIndex(Departement),
              pays = t.fieldIndex(Pays);
    const int count = t.recordCount();
    QList<Town> lines;
    lines.reserve(count);
    for (int row = 0; row < count; ++row) {
        lines.append(Town{t.valueAt(row, code).toString(), t.valueAt(row, ville).toString(),
                          t.valueAt(row, dep).toString(), t.valueAt(row, pays).toString()});
    }
    return lines;
}

int RecupCodes::ajouter(data::ModuleData &md, const QList<Town> &towns)
{
    data::Table *club = md.table(QStringLiteral("Codepostaux"));
    data::OpenedTable opened(club);
    data::ControlsDisabled quiet(*club);
    data::Session::Transaction tx(md.session());
    int count = 0;
    for (const Town &town : towns) {
        const Town t{town.codePostal.trimmed(), town.ville.trimmed(), town.departement.trimmed(),
                     town.pays.trimmed()};
        club->append();
        club->setValue(CodePostal, t.codePostal);
        club->setValue(Ville, t.ville);
        club->setValue(Departement, t.departement);
        club->setValue(Pays, t.pays);
        try {
            club->post();
        } catch (const data::KeyViolation &) {
            // Already in the club's list: rewritten with the town in capitals.
            club->cancel();
            if (club->locate(CodePostal + QLatin1Char(';') + Ville, {t.codePostal, t.ville})) {
                club->edit();
                club->setValue(CodePostal, t.codePostal);
                club->setValue(Ville, t.ville.toUpper());
                club->setValue(Departement, t.departement);
                club->setValue(Pays, t.pays);
                try {
                    club->post();
                } catch (const data::KeyViolation &) {
                    // The town in capitals is there too: nothing left to do.
                    club->cancel();
                }
            }
        }
        ++count;
    }
    tx.commit();
    return count;
}

QString RecupCodes::rechercheText(const QString &departement)
{
    return QStringLiteral("Recherche des code postaux pour ") + departement + QStringLiteral(" en cours...");
}

QString RecupCodes::ajoutText(int count)
{
    if (count == 1)
        return QStringLiteral("1 code postal a été ajouté dans le logiciel");
    return QString::number(count) + QStringLiteral(" codes postaux ont été ajouté dans le logiciel");
}

QString RecupCodes::departementMemorise()
{
    return QSettings().value(KeyDepartement).toString();
}

bool RecupCodes::triMemorise()
{
    return QSettings().value(KeyTri).toString() == QLatin1String("OUI");
}

void RecupCodes::memoriseDepartement(const QString &departement)
{
    QSettings().setValue(KeyDepartement, departement);
}

void RecupCodes::memoriseTri(bool parVille)
{
    QSettings().setValue(KeyTri, parVille ? QStringLiteral("OUI") : QString());
}

} // namespace corvane::exchange
