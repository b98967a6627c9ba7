#include "data/Parametres.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/Statement.h"
#include "data/Table.h"

#include <optional>

namespace corvane::data {

Parametres &parametres()
{
    static Parametres p;
    return p;
}

namespace {

// The last player in table order (the member key: name, first name, birth
// date, folded as the cursor folds them) holding `title`, as "Nom Prenom".
// Asked of the store directly: loading every member at each start only to
// find one or two of them cost more than the rest of the start-up.
QString lastPlayerWithTitle(Session &session, const QString &title)
{
    Statement q(session, QStringLiteral("SELECT \"Nom\", \"Prenom\", \"Date de naissance\", rowid FROM \"Joueurs\" "
                                        "WHERE \"Titre\" = ?1"));
    q.bindText(1, title);
    struct Candidate {
        QVariant nom, prenom, naissance;
        qint64 rowid = 0;
    };
    std::optional<Candidate> last;
    const auto before = [](const Candidate &a, const Candidate &b) {
        if (int c = compareValues(a.nom, b.nom, FieldType::Text))
            return c < 0;
        if (int c = compareValues(a.prenom, b.prenom, FieldType::Text))
            return c < 0;
        if (int c = compareValues(a.naissance, b.naissance, FieldType::Text))
            return c < 0;
        return a.rowid < b.rowid;
    };
    while (q.step()) {
        Candidate c{q.column(0), q.column(1), q.column(2), q.columnInt(3)};
        if (!last || !before(c, *last))
            last = c;
    }
    return last ? last->nom.toString() + QLatin1Char(' ') + last->prenom.toString() : QString();
}

} // namespace

void chargeParametres(ModuleData &md, Parametres &p)
{
    {
        OpenedTable param(md.table(QStringLiteral("Param")));
        param->first();
        auto s = [&](const char *f) { return param->asString(QString::fromUtf8(f)); };
        auto m = [&](const QString &f) { return param->asMoney(f); };
        p.previsualisation = param->asBool(QStringLiteral("Previsualisation"));
        p.premiereFois = param->asBool(QStringLiteral("Premiere fois"));
        p.nombre = int(param->asInt(QStringLiteral("Nombre")));
        p.delaiSauvegarde = param->isEmpty() ? 5 : int(param->asInt(QStringLiteral("Delai sauvegarde")));
        p.anneeCourante = int(param->asInt(QStringLiteral("Annee courante")));
        for (int k = 1; k <= 10; ++k) {
            for (int slot : {k, 20 + k}) {
                const QString n = QString::number(slot);
                p.prix[slot] = m(QStringLiteral("Prix ") + n);
                p.prixLoisirs[slot] = m(QStringLiteral("Prix Lois") + n);
                p.prixLicence[slot] = m(QStringLiteral("Prix licence ") + n);
                p.prixLicenceLoisirs[slot] = m(QStringLiteral("Prix licence Lois") + n);
            }
        }
        p.prixLicenceEducateurs = m(QStringLiteral("Prix licence Educateurs"));
        p.prixLicenceDirigeants = m(QStringLiteral("Prix licence Dirigeants"));
        p.prixLicenceFootLoisirs = m(QStringLiteral("Prix licence Foot Loisirs"));
        p.prixLicenceDecouverte = m(QStringLiteral("Prix Licence Decouverte"));
        p.prixLicenceTypLoisirs3 = m(QStringLiteral("Prix Licence typ Loisirs3"));
        p.reduction = m(QStringLiteral("Reduction"));
        p.pourcentageBureau = int(param->asInt(QStringLiteral("Pourcentage bureau")));
        p.pourcentageEtudiant = int(param->asInt(QStringLiteral("Pourcentage etudiant")));
        p.prixEducateurs = m(QString::fromUtf8("Prix éducateurs"));
        p.prixDirigeants = m(QStringLiteral("Prix dirigeants"));
        p.prixFootLoisirs = m(QStringLiteral("Prix Foot Loisirs"));
        p.prixDecouverte = m(QStringLiteral("Prix Decouverte"));
        p.prixTypLoisirs3 = m(QStringLiteral("Prix typ Loisirs3"));
        p.motDePasse = s("Mot de passe");
        p.tousEnCompetition = param->asBool(QStringLiteral("Tous en competition"));

        p.proprietaire = s("Proprietaire");
        p.versionLogiciel = s("Version logiciel");
        p.stade = s("Stade");
        p.adresse1 = s("Adresse1");
        p.adresse2 = s("Adresse2");
        p.codePostal = s("Code postal");
        p.ville = s("Ville");
        p.tel = s("Tel");
        p.port = s("Port");
        p.fax = s("Fax");
        p.mail = s("Mail");
        p.ligue = s("Ligue");
        p.sigleClub = s("Sigle club");
        p.numAgrementDDJS = s("Num agrement DDJS");
        p.numAffiliationDDJS = s("Num affiliation DDJS");

        p.identiteClub = p.proprietaire + QStringLiteral(" - ") + p.adresse1 + QStringLiteral("  ") + p.adresse2 +
                         QStringLiteral(" - ") + p.codePostal + QStringLiteral("  ") + p.ville;
        p.ligneEnregistrement.clear();
        if (!p.numAgrementDDJS.isEmpty())
            p.ligneEnregistrement = QString::fromUtf8("N° agrément DDJS: ") + p.numAgrementDDJS;
        if (!p.numAffiliationDDJS.isEmpty())
            p.ligneEnregistrement += QString::fromUtf8("       N° affiliation FFBA: ") + p.numAffiliationDDJS;

        p.premiereCaisse.clear();
        p.secondeCaisse.clear();
        for (int k = 1; k <= 5; ++k) {
            const QString n = QString::number(k);
            p.compte[k] = param->asString(QStringLiteral("Compte ") + n);
            p.banqueCompte[k] = param->asString(QStringLiteral("Banque compte ") + n);
            p.numeroCompte[k] = param->asString(QString::fromUtf8("N° de compte") + n);
            if (param->asBool(QStringLiteral("Typecompte") + n)) {
                if (p.premiereCaisse.isEmpty())
                    p.premiereCaisse = p.compte[k];
                else
                    p.secondeCaisse = p.compte[k];
            }
        }

        p.titreSignataire = s("Titre signataire");
        if (p.titreSignataire.isEmpty()) {
            p.titreSignataire = QString::fromUtf8("Président");
            param->edit();
            param->setValue(QStringLiteral("Titre signataire"), p.titreSignataire);
            param->post();
        }
        const QString signer = lastPlayerWithTitle(md.session(), p.titreSignataire);
        if (!signer.isEmpty() && signer != s("Signataire")) {
            param->edit();
            param->setValue(QStringLiteral("Signataire"), signer);
            param->post();
        }
        p.signataire = s("Signataire");
        if (p.signataire.isEmpty())
            p.signataire = QString(30, QLatin1Char(' '));
    }
    {
        OpenedTable exercice(md.table(QStringLiteral("Exercice")));
        exercice->last();
        p.anneeSaison = int(exercice->asInt(QStringLiteral("Annee")));
        p.saison = exercice->asString(QStringLiteral("Saison"));
        p.finSaison = exercice->asDate(QStringLiteral("Fin"));
    }
}

void chargeCategories(ModuleData &md, Parametres &p)
{
    for (int k = 1; k <= 50; ++k)
        p.categories[k] = k <= 30 ? QStringLiteral("Aucun") : QString();
    auto fill = [&](const QString &table, int from, int last) {
        OpenedTable t(md.table(table));
        int slot = from;
        for (t->first(); !t->eof() && slot <= last; t->next())
            p.categories[slot++] = t->asString(QStringLiteral("Nom"));
        t->first();
    };
    // More than 20 men's categories would run into the women's slots: they
    // are left out instead.
    fill(QStringLiteral("CategorieH"), 1, 20);
    fill(QStringLiteral("CategorieF"), 21, 50);
}

} // namespace corvane::data
