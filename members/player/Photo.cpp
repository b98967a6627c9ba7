#include "members/player/Photo.h"

#include <QDir>
#include <QImageReader>

namespace corvane::members {

QString nomFichierPhoto(const QString &nom, const QString &prenom)
{
    return nom + prenom + QStringLiteral(".jpg");
}

QStringList fichiersPhoto(const QString &dossier, const QString &nom, const QString &prenom)
{
    const QString base = nom + prenom;
    if (base.isEmpty() || base.contains(QLatin1Char('/')) || base.contains(QLatin1Char('\\')) ||
        base.contains(QStringLiteral("..")) || base.contains(QDir::separator()) || base.contains(QChar(0)))
        return {};
    const QDir dir(dossier);
    if (!dir.exists())
        return {};
    QString jpg, bmp;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Readable);
    for (const QString &e : entries) {
        if (jpg.isEmpty() && e.compare(base + QStringLiteral(".jpg"), Qt::CaseInsensitive) == 0)
            jpg = dir.filePath(e);
        else if (bmp.isEmpty() && e.compare(base + QStringLiteral(".bmp"), Qt::CaseInsensitive) == 0)
            bmp = dir.filePath(e);
    }
    QStringList files;
    if (!jpg.isEmpty())
        files << jpg;
    if (!bmp.isEmpty())
        files << bmp;
    return files;
}

QImage chargePhoto(const QString &dossier, const QString &nom, const QString &prenom)
{
    for (const QString &f : fichiersPhoto(dossier, nom, prenom)) {
        QImageReader reader(f);
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return {};
}

} // namespace corvane::members
