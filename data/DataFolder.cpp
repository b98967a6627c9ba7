#include "data/DataFolder.h"

#include "data/Schema.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"

#include <QDir>
#include <QFileInfo>

namespace corvane::data {

FolderKind inspectDataFolder(const QString &dir)
{
    const QDir d(dir);
    if (!d.exists() || d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return FolderKind::New;
    if (QFileInfo::exists(d.filePath(DataFileName)))
        return FolderKind::Data;
    return FolderKind::Foreign;
}

OpenedData openDataFolder(const QString &dir)
{
    OpenedData out;
    const QString path = QDir(dir).filePath(DataFileName);
    switch (inspectDataFolder(dir)) {
    case FolderKind::Foreign:
        throw StoreError(StoreError::Kind::NotDataFolder,
                         QStringLiteral("Impossible de localiser les données de l'application dans\rle répertoire à "
                                        "partir duquel vous lancez son exécution:\r(%1)\r\rLancez l'application à "
                                        "partir du répertoire contenant vos données")
                             .arg(QDir::toNativeSeparators(dir)));
    case FolderKind::New:
        if (!QDir().mkpath(dir))
            throw StoreError(StoreError::Kind::ReadOnly,
                             QStringLiteral("Impossible de créer le dossier de données « %1 ».\rVérifiez que vous "
                                            "avez le droit d'y écrire.")
                                 .arg(QDir::toNativeSeparators(dir)));
        out.session = Session::open(path, true);
        break;
    case FolderKind::Data:
        out.session = Session::open(path, false);
        break;
    }
    Session &s = *out.session;
    // A creation that was interrupted left a file without any table: it is
    // created again from the start.
    Statement count(s, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    const bool blank = count.step() && count.columnInt(0) == 0;
    count.reset();
    if (s.schemaVersion() == 0 && blank) {
        createSchema(s);
        out.created = true;
    } else {
        upgradeSchema(s);
    }
    if (!s.tableExists(QStringLiteral("Joueurs")))
        throw StoreError(StoreError::Kind::Damaged,
                         QStringLiteral("Le fichier de données « %1 » est endommagé : la table des joueurs est "
                                        "introuvable.")
                             .arg(QDir::toNativeSeparators(path)));
    return out;
}

} // namespace corvane::data
