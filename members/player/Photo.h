#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace corvane::members {

// A member's photo lies in the photo folder under the member's family name
// and first name joined, with the extension ".jpg" or ".bmp" in any case.

// The name the help text asks for: "DURANDMarie.jpg".
QString nomFichierPhoto(const QString &nom, const QString &prenom);

// The existing photo files of the member, the preferred first (a JPEG before
// a bitmap). A name that could leave the folder (a path separator, "..")
// has no photo.
QStringList fichiersPhoto(const QString &dossier, const QString &nom, const QString &prenom);

// The first of those files that reads as a picture; a null image when none.
QImage chargePhoto(const QString &dossier, const QString &nom, const QString &prenom);

} // namespace corvane::members
