#include "members/playerlist/PlayerReports.h"

#include "core/report/StandardFrame.h"
#include "data/Table.h"

namespace corvane::members::playerlist {

using namespace core::report;

std::unique_ptr<Report> makeTQjoueurs(data::Table &joueurs, PlayerSort sort, const data::Parametres &p)
{
    QString title = QStringLiteral("Liste des joueurs");
    switch (sort) {
    case PlayerSort::Nom:
        title += QStringLiteral(" par nom");
        break;
    case PlayerSort::Categorie:
        title += QStringLiteral(" par catégorie");
        break;
    case PlayerSort::Equipe:
        title += QStringLiteral(" par équipe");
        break;
    }
    auto r = std::make_unique<Report>(title, PageSetup::portrait());
    addStandardFrame(*r, p);
    r->setSource(&joueurs);

    const QString group = sortField(sort);
    Band &header = r->addGroup(group, 7);
    header.field(group, QRectF(0, 1, r->bandWidth(), 5.5), groupHeaderStyle());

    // The three first columns leave out what the group header already says.
    const QString nom = QStringLiteral("Nom"), prenom = QStringLiteral("Prenom"),
                  categorie = QStringLiteral("Categorie");
    QString first[3];
    switch (sort) {
    case PlayerSort::Nom:
        first[0] = prenom;
        first[2] = categorie;
        break;
    case PlayerSort::Categorie:
        first[0] = nom;
        first[1] = prenom;
        break;
    case PlayerSort::Equipe:
        first[0] = nom;
        first[1] = prenom;
        first[2] = categorie;
        break;
    }
    Band &detail = r->detail(5);
    const TextStyle value = TextStyle().size(8).pad(0.5);
    const TextStyle caption = TextStyle().size(8).italic().pad(0.5);
    const double widths[3] = {28, 24, 20};
    double x = 2;
    for (int k = 0; k < 3; ++k) {
        if (!first[k].isEmpty())
            detail.field(first[k], QRectF(x, 0, widths[k], 5), value);
        x += widths[k];
    }
    auto pair = [&](const QString &label, double labelWidth, const QString &field, double width,
                    Qt::Alignment align = Qt::AlignLeft) {
        if (!label.isEmpty()) {
            detail.label(label, QRectF(x, 0, labelWidth, 5), caption);
            x += labelWidth;
        }
        detail.field(field, QRectF(x, 0, width, 5), TextStyle(value).align(align));
        x += width;
    };
    pair({}, 0, QStringLiteral("Equipe"), 17);
    pair(QStringLiteral("N° licence:"), 16, QStringLiteral("Num license"), 17);
    pair(QStringLiteral("Cotisation:"), 16, QStringLiteral("Cotisation"), 16, Qt::AlignRight);
    pair(QStringLiteral("Payée:"), 11, QStringLiteral("Paye"), 7);
    pair({}, 0, QStringLiteral("Date de paiement"), r->bandWidth() - x, Qt::AlignHCenter);
    return r;
}

std::unique_ptr<Report> makeTQbureau(data::Table &bureau, const data::Parametres &p)
{
    auto r = std::make_unique<Report>(QStringLiteral("Liste des membres du bureau"), PageSetup::portrait());
    addStandardFrame(*r, p);
    r->setSource(&bureau);
    const double w = r->bandWidth();
    addColumns(*r, {{QStringLiteral("Titre"), QStringLiteral("Titre"), 45},
                    {QStringLiteral("Nom"), QStringLiteral("Nom"), 65},
                    {QStringLiteral("Commentaires"), QStringLiteral("Commentaires"), w - 110}});
    return r;
}

} // namespace corvane::members::playerlist
