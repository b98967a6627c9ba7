#include "data/ModuleData.h"

#include "data/Session.h"
#include "data/StoreError.h"
#include "data/tables/TableDefs.h"

#include <array>
#include <vector>

namespace corvane::data {

namespace {

struct PostErrorBinding {
    const char *handler;
    const char *message;
    std::vector<const char *> components;
};

const std::array<PostErrorBinding, 6> &postErrorBindings()
{
    static const std::array<PostErrorBinding, 6> bindings{{
        {"CodepostauxPostError", "Impossible de valider ce nouvel\renregistrement, car il existe déjà  !",
         {"Codepostaux", "Divisions", "Equipes", "Bureau", "Locaux", "Cles", "Droits", "Profil", "Courriers",
          "Modeles", "Adresses", "Convocs", "Distinctions", "NomBanque", "CategorieF", "CategorieH", "MatTailles"}},
        {"JoueursPostError", "Impossible de valider ce nouveau\rjoueur, car il existe déjà  !",
         {"Joueurs", "SimuJoueurs"}},
        {"RecettesPostError", "Impossible de valider cette nouvelle\rrecette, car elle existe déjà  !",
         {"Recettes", "Rapproche"}},
        {"DepensesPostError", "Impossible de valider cette nouvelle\rdépense, car elle existe déjà  !", {"Depenses"}},
        {"ClubsPostError", "Impossible de valider ce nouveau\rclub, car il existe déjà  !", {"Clubs"}},
        {"DettesPostError", "Impossible de valider cette nouvelle\rdette, car elle existe déjà  !", {"Dettes"}},
    }};
    return bindings;
}

const PostErrorBinding *bindingOf(const QString &component)
{
    for (const PostErrorBinding &b : postErrorBindings()) {
        for (const char *c : b.components) {
            if (component.compare(QLatin1String(c), Qt::CaseInsensitive) == 0)
                return &b;
        }
    }
    return nullptr;
}

} // namespace

ModuleData::ModuleData(Session &session, QObject *parent)
    : QObject(parent)
    , session_(session)
{
    setObjectName(QStringLiteral("ModuleData"));
    for (const TableDef &def : allTableDefs()) {
        auto *t = new Table(&session_, def.name, def.component, this);
        tables_.append(t);
        byName_.insert(def.component.toLower(), t);
        byName_.insert(def.name.toLower(), t);
    }
    depuis_ = new Table(&session_, {}, QStringLiteral("Depuis"), this);
    vers_ = new Table(&session_, {}, QStringLiteral("Vers"), this);
    byName_.insert(QStringLiteral("depuis"), depuis_);
    byName_.insert(QStringLiteral("vers"), vers_);
}

Table *ModuleData::find(const QString &name) const
{
    return byName_.value(name.toLower(), nullptr);
}

Table *ModuleData::table(const QString &name) const
{
    Table *t = find(name);
    if (!t)
        throw StoreError(StoreError::Kind::General,
                         QStringLiteral("Le module de données n'a pas de table « %1 ».").arg(name));
    return t;
}

BulkCopyResult ModuleData::tranferts(BulkMode mode, const QString &problemsTable)
{
    if (depuis_->tableName().isEmpty() || vers_->tableName().isEmpty())
        throw StoreError(StoreError::Kind::General,
                         QStringLiteral("Copie de table : la table source ou destination n'est pas désignée."));
    return bulkCopy(session_, depuis_->tableName(), vers_->tableName(), mode, problemsTable);
}

QString ModuleData::postErrorMessage(const QString &componentName)
{
    const PostErrorBinding *b = bindingOf(componentName);
    return b ? QString::fromUtf8(b->message) : QString();
}

QString ModuleData::postErrorHandler(const QString &componentName)
{
    const PostErrorBinding *b = bindingOf(componentName);
    return b ? QString::fromLatin1(b->handler) : QString();
}

void ModuleData::closeAll()
{
    for (Table *t : std::as_const(tables_))
        t->close();
    depuis_->close();
    vers_->close();
}

} // namespace corvane::data
