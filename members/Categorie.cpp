#include "members/Categorie.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/Table.h"

namespace corvane::members {

namespace {

const QString kLoisirs = QStringLiteral("Loisirs");

// Slots of the men's categories are 1…10, the women's 21…30.
constexpr int kPremierHomme = 1;
constexpr int kPremiereFemme = 21;
constexpr int kCategoriesLues = 10;

} // namespace

QList<CategorieAge> litCategories(data::ModuleData &md, const QString &sexe)
{
    const QString nomTable =
        sexe == QLatin1String("Homme") ? QStringLiteral("CategorieH") : QStringLiteral("CategorieF");
    data::OpenedTable t(md.table(nomTable));
    QList<CategorieAge> categories;
    for (t->first(); !t->eof(); t->next())
        categories.append({int(t->asInt(QStringLiteral("Age Fin"))), t->asString(QStringLiteral("Nom"))});
    t->first();
    return categories;
}

QString categorieDeLAge(const QList<CategorieAge> &categories, int age)
{
    for (const CategorieAge &c : categories) {
        if (c.ageFin >= age)
            return c.nom;
    }
    return categories.isEmpty() ? QString() : categories.first().nom;
}

Classement classe(const QList<CategorieAge> &categories, const data::Parametres &p, int anneeNaissance,
                  const QString &activite)
{
    Classement r;
    r.categorieAge = categorieDeLAge(categories, p.anneeSaison - anneeNaissance);
    r.categorie = r.categorieAge;

    if (activite != QLatin1String("COMPETITION")) {
        r.loisirs = true;
        r.categorie = kLoisirs;
        r.cotisation = p.prixFootLoisirs;
    } else {
        // Men's emplacements from the tenth down, then the women's: on a name both
        // tables share, the women's fee is the one that stays.
        for (int premier : {kPremierHomme, kPremiereFemme}) {
            for (int slot = premier + kCategoriesLues - 1; slot >= premier; --slot) {
                if (r.categorieAge == p.categories[slot])
                    r.cotisation = p.prix[slot];
            }
        }
    }

    // The seventh and eighth categories of each sex are the adults'.
    const auto &emplacements = p.categories;
    r.jeune = !(r.categorieAge == emplacements[7] || r.categorieAge == emplacements[8] || r.categorieAge == emplacements[27] ||
                r.categorieAge == emplacements[28]);
    return r;
}

QString TrouveLaCategorie(data::ModuleData &md, data::Table &membre, const data::Parametres &p,
                          const QString &sexe, int anneeNaissance, const QString &activite)
{
    const Classement r = classe(litCategories(md, sexe), p, anneeNaissance, activite);
    if (r.loisirs) {
        membre.setValue(QStringLiteral("Categorie"), r.categorie);
        membre.setValue(QStringLiteral("Loisirs2"), false);
    }
    if (r.cotisation)
        membre.setValue(QStringLiteral("Cotisation"), r.cotisation->toDouble());
    membre.setValue(QStringLiteral("Autorisation parentale"), !r.jeune);
    membre.setValue(QStringLiteral("Jeune"), r.jeune);
    return r.categorie;
}

} // namespace corvane::members
