#include "core/users/ProfileEditor.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "data/tables/TableDefs.h"
#include "ui/Dialogs.h"
#include "ui/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvane::core {

namespace {

const QString X = QStringLiteral("X");
const QString Dash = QStringLiteral("-");
const QString TempoName = QStringLiteral("Tempo");

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

const QString ProfileEditor::Filter = QStringLiteral("Fichiers de profil (*.pfl)");

RightsRow clickedRow(const RightsRow &row, RightsColumn column)
{
    if (row.isHeading())
        return row;
    RightsRow r = row;
    const bool noView = r.visualisation == Dash;
    switch (column) {
    case RightsColumn::Options:
        return row;
    case RightsColumn::Aucun:
        if (r.aucun != X) {
            r.aucun = X;
            r.tous.clear();
        } else {
            r.aucun.clear();
            r.tous = X;
        }
        if (!noView)
            r.visualisation.clear();
        return r;
    case RightsColumn::Visualisation:
        if (noView)
            return row;
        if (r.visualisation != X) {
            r.aucun.clear();
            r.visualisation = X;
            r.tous.clear();
        } else {
            r.aucun = X;
            r.visualisation.clear();
            r.tous.clear();
        }
        return r;
    case RightsColumn::Tous:
        if (r.tous != X) {
            r.aucun.clear();
            r.tous = X;
        } else {
            r.aucun = X;
            r.tous.clear();
        }
        if (!noView)
            r.visualisation.clear();
        return r;
    }
    return row;
}

ProfileEditor::ProfileEditor(data::ModuleData &md, const QString &profilesFolder)
    : md_(md)
    , folder_(profilesFolder)
{
    data::Session &session = md.session();
    // A scratch table left by a window that did not close properly is
    // replaced.
    if (session.tableExists(TempoName))
        session.dropTable(TempoName);
    tempo_ = std::make_unique<data::Table>(&session, TempoName, TempoName);
    tempo_->createTableLike(*data::findTableDef(QStringLiteral("Profil")));
    tempo_->open();
}

ProfileEditor::~ProfileEditor()
{
    try {
        if (tempo_->isEditing())
            tempo_->cancel();
        tempo_->close();
        tempo_->dropTable();
    } catch (const std::exception &) {
        // A scratch table left behind is replaced at the next opening.
    }
}

void ProfileEditor::fillTempo(const std::vector<RightsRow> &rows)
{
    storedPassword_ = rows.empty() ? QString() : rows.front().options;
    std::vector<RightsRow> functions;
    if (rows.size() > 1)
        functions.assign(rows.begin() + 1, rows.end());
    writeRightsTable(*tempo_, functions);
    tempo_->first();
}

void ProfileEditor::loadFromProfil()
{
    fillTempo(readRightsTable(*md_.table(QStringLiteral("Profil"))));
}

std::vector<RightsRow> ProfileEditor::rows() const
{
    const data::Table &t = *tempo_;
    const int options = t.fieldIndex(QStringLiteral("Options"));
    const int aucun = t.fieldIndex(QStringLiteral("Aucun"));
    const int vis = t.fieldIndex(QStringLiteral("Visualisation"));
    const int tous = t.fieldIndex(QStringLiteral("Tous"));
    std::vector<RightsRow> rows;
    const int count = t.recordCount();
    rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.push_back({t.valueAt(i, options).toString(), t.valueAt(i, aucun).toString(),
                        t.valueAt(i, vis).toString(), t.valueAt(i, tous).toString()});
    return rows;
}

void ProfileEditor::click(int row, RightsColumn column)
{
    data::Table &t = *tempo_;
    if (row < 0 || row >= t.recordCount())
        return;
    if (t.isEditing())
        t.post();
    t.setRecNo(row + 1);
    const RightsRow before{t.asString(QStringLiteral("Options")), t.asString(QStringLiteral("Aucun")),
                           t.asString(QStringLiteral("Visualisation")), t.asString(QStringLiteral("Tous"))};
    const RightsRow after = clickedRow(before, column);
    if (after.aucun == before.aucun && after.visualisation == before.visualisation &&
        after.tous == before.tous)
        return;
    t.edit();
    t.setValue(QStringLiteral("Aucun"), after.aucun);
    t.setValue(QStringLiteral("Visualisation"), after.visualisation);
    t.setValue(QStringLiteral("Tous"), after.tous);
    t.post();
}

QString ProfileEditor::generate(const QString &typedPassword, QWidget *parent)
{
    if (tempo_->isEditing())
        tempo_->post();
    QString path = ui::Dialogs::saveFile(QStringLiteral("Enregistrement du profil"), folder_, Filter, parent);
    if (path.isEmpty())
        return {};
    if (!path.endsWith(QStringLiteral(".pfl"), Qt::CaseInsensitive))
        path += QStringLiteral(".pfl");
    if (QFileInfo::exists(path) &&
        !ui::Messages::confirm(QString::fromUtf8("Ce profil existe déjà, voulez-vous le remplacer"), parent))
        return {};
    std::vector<RightsRow> all;
    all.push_back({typedPassword.isEmpty() ? storedPassword_ : hashPassword(typedPassword), {}, {}, {}});
    for (RightsRow &r : rows())
        all.push_back(std::move(r));
    try {
        ProfileFiles::write(path, all);
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), parent);
        return {};
    }
    storedPassword_ = all.front().options;
    return fileName(path);
}

QString ProfileEditor::load(QWidget *parent)
{
    if (tempo_->isEditing())
        tempo_->post();
    const QString path =
        ui::Dialogs::openFile(QStringLiteral("Chargement d'un profil"), folder_, Filter, parent);
    if (path.isEmpty())
        return {};
    try {
        const std::vector<RightsRow> loaded = ProfileFiles::read(path);
        writeRightsTable(*md_.table(QStringLiteral("Profil")), loaded);
        fillTempo(loaded);
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), parent);
        return {};
    }
    return fileName(path);
}

QString ProfileEditor::remove(QWidget *parent)
{
    const QString path =
        ui::Dialogs::openFile(QStringLiteral("Suppression d'un profil"), folder_, Filter, parent);
    if (path.isEmpty())
        return {};
    const QString name = fileName(path);
    const QFileInfo info(path);
    const bool inFolder = QDir(info.absolutePath()) == QDir(folder_);
    if (inFolder && ProfileFiles::list(folder_) == QStringList{name}) {
        ui::Messages::warning(
            QStringLiteral("Le profil « %1 » est le dernier profil d'utilisateur : il ne peut "
                           "pas être supprimé,\rsans lui plus personne ne pourrait entrer dans "
                           "Corvane.")
                .arg(name),
            parent);
        return {};
    }
    if (!ui::Messages::confirm(
            QStringLiteral("Etes-vous sur de vouloir supprimer le\rprofil d'utilisateur ") + name, parent))
        return {};
    if (!QFile::remove(path)) {
        ui::Messages::error(
            QStringLiteral("Impossible de supprimer le profil « %1 ».\rVérifiez que vous avez le "
                           "droit de modifier le dossier des profils.")
                .arg(name),
            parent);
        return {};
    }
    return name;
}

} // namespace corvane::core
