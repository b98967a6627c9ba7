#include "tests/support/FreshData.h"

#include "data/DataFolder.h"
#include "data/DefinitionJson.h"
#include "data/Schema.h"
#include "data/tables/TableDefs.h"
#include "data/OpenedTable.h"

#include <QCryptographicHash>
#include <QDate>

#include <QDir>
#include <QFile>

#include <cstdio>
#include <stdexcept>

namespace corvane::test {

namespace {

// The template is shared by the test programs of one build through a file
// named after what it holds (table definitions and seed content), made once
// and renamed into place, so that parallel test programs never see half of it.
QString templateFile()
{
    static const QString path = [] {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(QByteArray::number(data::CurrentSchemaVersion));
        for (const data::TableDef &def : data::allTableDefs()) {
            hash.addData(data::definitionToJson(def));
            QFile seed(QStringLiteral(":/seed/%1.csv").arg(def.name));
            if (seed.open(QIODevice::ReadOnly))
                hash.addData(seed.readAll());
        }
        const QString name = QStringLiteral("corvane-modele-%1.db").arg(QString::fromLatin1(hash.result().toHex().left(16)));
        const QString target = QDir(QDir::tempPath()).filePath(name);
        if (QFile::exists(target))
            return target;
        QTemporaryDir work(QDir(QDir::tempPath()).filePath(QStringLiteral("corvane-modele-XXXXXX")));
        const QString folder = QDir(work.path()).filePath(QStringLiteral("modele"));
        data::openDataFolder(folder); // created, then closed: the file is complete
        const QString made = QDir(folder).filePath(data::DataFileName);
        if (std::rename(QFile::encodeName(made).constData(), QFile::encodeName(target).constData()) != 0)
            throw std::runtime_error("cannot put the data template in place");
        return target;
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
