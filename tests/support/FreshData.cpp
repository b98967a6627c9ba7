#include "tests/support/FreshData.h"

#include "data/DataFolder.h"
#include "data/OpenedTable.h"

#include <QDate>

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace corvane::test {

namespace {

QString templateFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString folder = QDir(dir.path()).filePath(QStringLiteral("modele"));
        data::openDataFolder(folder); // created, then closed: the file is complete
        return QDir(folder).filePath(data::DataFileName);
    }();
    return path;
}

} // namespace

FreshData::FreshData()
{
    if (!QFile::copy(templateFile(), QDir(dir_.path()).filePath(data::DataFileName)))
        throw std::runtime_error("cannot copy the data template");
    reopen();
}

FreshData::~FreshData()
{
    md_.reset();
    session_.reset();
}

void FreshData::reopen()
{
    md_.reset();
    session_.reset();
    data::OpenedData d = data::openDataFolder(dir_.path());
    session_ = std::move(d.session);
    md_ = std::make_unique<data::ModuleData>(*session_);
}

void FreshData::addPlayer(const QString &nom, const QString &prenom,
                          std::initializer_list<std::pair<const char *, QVariant>> extra)
{
    data::OpenedTable j(md_->table(QStringLiteral("Joueurs")));
    j->append();
    j->setValue(QStringLiteral("Nom"), nom);
    j->setValue(QStringLiteral("Prenom"), prenom);
    j->setValue(QStringLiteral("Date de naissance"), QDate(1990, 4, 12));
    j->setValue(QStringLiteral("Date entree"), QDate(2009, 9, 1));
    j->setValue(QStringLiteral("Cotisation"), 120.0);
    j->setValue(QStringLiteral("Sexe"), QStringLiteral("Homme"));
    j->setValue(QStringLiteral("Situation"), QStringLiteral("ACTIF"));
    j->setValue(QStringLiteral("Categorie"), QStringLiteral("Seniors"));
    j->setValue(QStringLiteral("Adresse"), QStringLiteral("3 rue des Lilas"));
    j->setValue(QStringLiteral("Ville"), QStringLiteral("Rennes"));
    j->setValue(QStringLiteral("Code postal"), QStringLiteral("35000"));
    for (const auto &[field, value] : extra)
        j->setValue(QString::fromUtf8(field), value);
    j->post();
}

} // namespace corvane::test
