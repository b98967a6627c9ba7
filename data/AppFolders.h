#pragma once

#include <QDir>
#include <QString>

namespace corvane::data {

inline const QString VersionText = QStringLiteral("Corvane 3.07");

// The data folder and the working folders inside it. The data folder plays
// both roles of the application directory and of the data directory.
class AppFolders {
public:
    void setRoot(const QString &dir) { root_ = QDir(dir).absolutePath(); }
    QString root() const { return root_; }
    QString path(const QString &sub) const { return QDir(root_).filePath(sub); }

    QString sauvegarde() const { return path(QStringLiteral("Sauvegarde")); }
    QString exports() const { return path(QStringLiteral("Exports")); }
    QString imports() const { return path(QStringLiteral("Imports")); }
    QString photos() const { return path(QStringLiteral("Photos")); }
    QString photosMateriels() const { return path(QStringLiteral("Photos des matériels")); }
    QString profils() const { return path(QStringLiteral("Profils")); }
    QString courriers() const { return path(QStringLiteral("Courriers")); }
    QString modeles() const { return path(QStringLiteral("Modeles")); }
    QString convocations() const { return path(QStringLiteral("Convocations")); }
    QString fichiersExcel() const { return path(QStringLiteral("Fichiers Excel")); }

    // The ten working folders, in the order the program creates them.
    QStringList workingFolders() const
    {
        return {sauvegarde(), exports(),     imports(),      photos(),       photosMateriels(),
                profils(),    courriers(),   modeles(),      convocations(), fichiersExcel()};
    }

private:
    QString root_;
};

// The folders of the running program.
inline AppFolders &appFolders()
{
    static AppFolders folders;
    return folders;
}

} // namespace corvane::data
