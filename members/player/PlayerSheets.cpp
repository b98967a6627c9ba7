#include "members/player/PlayerSheets.h"

#include "core/report/StandardFrame.h"
#include "data/AppFolders.h"
#include "data/Table.h"

namespace corvane::members {

using namespace core::report;

namespace {

// Lays "caption value" pairs down a single-record sheet, group after group,
// in two columns of the printable width.
class SheetWriter {
public:
    SheetWriter(Band &band, double width)
        : band_(band)
        , width_(width)
    {}

    void group(const QString &caption)
    {
        closeRow();
        y_ += 1.5;
        if (!caption.isEmpty()) {
            band_.label(
                caption, QRectF(0, y_, width_, 5.5),
                TextStyle().bold().size(10).fill(QColor(232, 238, 246)).framed(TextStyle::Bottom, 0.2));
            y_ += 6.5;
        }
    }

    // One pair in the next half of the current row.
    void pair(const QString &caption, const QString &value, double captionWidth = 38)
    {
        const double half = width_ / 2;
        const double x = column_ * half;
        band_.label(caption, QRectF(x, y_, captionWidth, 4.5),
                    TextStyle().size(8.5).textColor(QColor(70, 70, 70)));
        band_.label(value, QRectF(x + captionWidth, y_, half - captionWidth - 2, 4.5), TextStyle().size(9));
        if (++column_ == 2)
            closeRow();
    }

    // A pair on a whole line.
    void line(const QString &caption, const QString &value, double captionWidth = 38)
    {
        closeRow();
        band_.label(caption, QRectF(0, y_, captionWidth, 4.5),
                    TextStyle().size(8.5).textColor(QColor(70, 70, 70)));
        band_.label(value, QRectF(captionWidth, y_, width_ - captionWidth, 4.5), TextStyle().size(9));
        y_ += 4.8;
    }

    Item &text(const QString &value, const TextStyle &style, double height = 4.8)
    {
        closeRow();
        Item &item = band_.label(value, QRectF(0, y_, width_, height), style);
        y_ += height;
        return item;
    }

    void closeRow()
    {
        if (column_ > 0)
            y_ += 4.8;
        column_ = 0;
    }

    double y() const { return y_; }

private:
    Band &band_;
    double width_;
    double y_ = 0;
    int column_ = 0;
};

QString ouiNon(data::Table &t, const QString &field)
{
    return t.asBool(field) ? QStringLiteral("Oui") : QStringLiteral("Non");
}

} // namespace

std::unique_ptr<Report> makeTQEditJoueur(data::Table &t, const QImage &photo, const data::Parametres &p)
{
    auto r = std::make_unique<Report>(QStringLiteral("Fiche du joueur"));
    addStandardFrame(*r, p);
    const double w = r->bandWidth();
    auto s = [&t](const char *field) { return t.displayText(QString::fromUtf8(field)); };

    Band &d = r->detail(250);
    const double photoWidth = 30;
    if (!photo.isNull())
        d.picture(photo, QRectF(w - photoWidth, 0, photoWidth, 38)).named(QStringLiteral("Photo"));

    // The identity sits beside the photo, so it keeps to the left of it.
    SheetWriter id(d, w - photoWidth - 4);
    id.text(s("Nom") + QLatin1Char(' ') + s("Prenom"), TextStyle().bold().size(13), 7);
    if (!t.asString(QStringLiteral("Titre")).isEmpty())
        id.text(s("Titre"), TextStyle().italic().size(10), 5.5);
    id.pair(QStringLiteral("Né le"), s("Date de naissance"), 26);
    id.pair(QStringLiteral("à"), s("Lieu naissance"), 26);
    id.pair(QStringLiteral("Nationalité:"), s("Nationalite"), 26);
    id.pair(QStringLiteral("N° licence:"), s("Num license"), 26);
    id.pair(QStringLiteral("Catégorie:"), s("Categorie"), 26);
    id.pair(QStringLiteral("Equipe:"), s("Equipe"), 26);
    id.pair(QStringLiteral("Situation:"), s("Situation"), 26);
    id.pair(QStringLiteral("Surclassement:"), s("Surclassement"), 26);
    id.pair(QStringLiteral("Certificat médical:"), ouiNon(t, QStringLiteral("Certificat")), 26);
    id.closeRow();

    SheetWriter g(d, w);
    // Below the photo whatever the identity's length.
    while (g.y() < std::max(id.y(), photo.isNull() ? 0.0 : 38.0))
        g.text(QString(), TextStyle(), 1);

    g.group(QStringLiteral("Adresse:"));
    g.line(QString(), s("Adresse"), 0);
    if (!t.asString(QStringLiteral("Adresse1")).isEmpty())
        g.line(QString(), s("Adresse1"), 0);
    g.line(QString(), s("Code postal") + QStringLiteral("  ") + s("Ville"), 0);
    g.pair(QStringLiteral("Tel:"), s("Tel"), 22);
    g.pair(QStringLiteral("Port:"), s("Port"), 22);
    g.pair(QStringLiteral("Fax / Tel. prof."), s("Fax"), 22);
    g.pair(QStringLiteral("E Mail:"), s("Mail"), 22);

    g.group(QStringLiteral("Personnes à prévenir:"));
    g.pair(s("Nom prevenir 1"), s("Tel prevenir 1"), 50);
    g.pair(s("Nom prevenir 2"), s("Tel prevenir 2"), 50);

    g.group(QStringLiteral("Cotisation:"));
    g.pair(QStringLiteral("Réduction famille:"), ouiNon(t, QStringLiteral("Reduction")));
    g.pair(QStringLiteral("Demi tarif:"), ouiNon(t, QStringLiteral("Demi tarif")));
    g.pair(QStringLiteral("Cotisation:"), s("Cotisation"));
    g.pair(QStringLiteral("Compte:"), s("Compte"));
    g.pair(QStringLiteral("Date de paiement:"), s("Date de paiement"));
    g.pair(QStringLiteral("Payée:"), ouiNon(t, QStringLiteral("Paye")));
    g.line(QStringLiteral("Nom du payeur:"), s("Nom du payeur"));
    for (int k = 1; k <= 5; ++k) {
        const QString n = QString::number(k);
        if (t.asMoney(QStringLiteral("Accompte ") + n) <= data::Money())
            continue;
        g.closeRow();
        const QString account = t.displayText(QStringLiteral("Compte ") + n);
        g.line(QStringLiteral("Accompte ") + n + QLatin1Char(':'),
               t.displayText(QStringLiteral("Accompte ") + n) + QStringLiteral("   le ") +
                   t.displayText(QStringLiteral("Date accompte ") + n) + QStringLiteral("   Payé: ") +
                   ouiNon(t, QStringLiteral("Paye acc") + n) +
                   (account.isEmpty() ? QString() : QStringLiteral("   Compte: ") + account));
    }
    g.line(QStringLiteral("Montant restant dû:"), s("Restant du"));

    g.group(QStringLiteral("Equipement:"));
    const std::pair<const char *, const char *> items[] = {{"Survetement", "Taille survetement"},
                                                           {"Maillot", "Taille maillot"},
                                                           {"Short", "Taille short"},
                                                           {"Chaussures", "Taille chaussures"},
                                                           {"Chaussettes", "Taille chaussette"},
                                                           {"Gants", "Taille gants"}};
    const char *captions[] = {"Survêtement:", "Maillot:", "Short:", "Chaussures:", "Chaussettes:", "Gants:"};
    for (int k = 0; k < 6; ++k) {
        const QString size = s(items[k].second);
        g.pair(QString::fromUtf8(captions[k]),
               ouiNon(t, QString::fromUtf8(items[k].first)) +
                   (size.isEmpty() ? QString() : QStringLiteral("   Taille: ") + size));
    }

    g.group(QStringLiteral("Infos supplémentaires:"));
    g.pair(QStringLiteral("Date d'entrée au club:"), s("Date entree"));
    g.pair(QStringLiteral("Date de sortie du club:"), s("Date sortie"));
    g.pair(QStringLiteral("Avoir en cours:"), ouiNon(t, QStringLiteral("Avoir")));
    g.pair(QStringLiteral("Dette en cours:"), ouiNon(t, QStringLiteral("Dette")));
    g.line(QStringLiteral("Commentaires:"), s("Commentaires"));
    g.pair(QStringLiteral("Autorisation parentale:"), ouiNon(t, QStringLiteral("Autorisation parentale")),
           44);
    g.pair(QStringLiteral("Autorisation publication Web:"),
           ouiNon(t, QStringLiteral("Autorisation publ Web")), 44);
    if (t.asBool(QStringLiteral("Educateur")))
        g.line(QStringLiteral("N° de licence éducateur ou dirigeant: "), s("Num licence educateur"), 58);
    g.pair(QStringLiteral("Numéro maillot:"), s("Num maillot"));
    g.pair(QStringLiteral("Disponibilité:"), s("Dispo"));
    g.pair(QStringLiteral("Main:"), s("Pied"));
    g.pair(QStringLiteral("Etudiant:"), ouiNon(t, QStringLiteral("Etudiant")));
    g.closeRow();
    g.line(QStringLiteral("Simple:"), s("Classement S") + QStringLiteral("      Double: ") +
                                          s("Classement D") + QStringLiteral("      Mixte: ") +
                                          s("Classement DM"));

    g.group(QStringLiteral("Sanctions:"));
    g.pair(QStringLiteral("Suspendu:"), ouiNon(t, QStringLiteral("Suspension")) +
                                            (t.isNull(QStringLiteral("Date suspension"))
                                                 ? QString()
                                                 : QStringLiteral(" jusqu'au ") + s("Date suspension")));
    g.pair(QStringLiteral("Nb de matchs suspension:"), s("Nb matchs"), 44);
    g.pair(QStringLiteral("Nb jaunes:"), s("Nb jaunes"));
    g.pair(QStringLiteral("Nb rouges:"), s("Nb rouges"));

    g.group(QStringLiteral("Mutation:"));
    g.pair(QStringLiteral("Joueur muté:"), ouiNon(t, QStringLiteral("Mutation")));
    g.pair(QStringLiteral("Département origine:"), s("Departement origine"));
    g.pair(QStringLiteral("Club d'origine:"), s("Sigle club origine"));
    g.closeRow();

    g.text(QString(), TextStyle(), 4);
    g.text(QStringLiteral("Dernière modification de la fiche le ") + s("Date modification"),
           TextStyle().italic().size(8).align(Qt::AlignRight))
        .named(QStringLiteral("DerniereModification"));
    d.setHeight(g.y());
    return r;
}

QString phraseAttestation(const data::Parametres &p)
{
    // The club's name completes "du club de Badminton".
    return QStringLiteral("Je soussigné, ") + p.signataire.trimmed() + QStringLiteral(" , ") +
           p.titreSignataire + QStringLiteral(" du club de Badminton ") + p.proprietaire +
           QStringLiteral(
               ", certifie que la personne désignée ci-dessous est inscrite pour l'activité Badminton "
               "dans notre club.");
}

std::unique_ptr<Report> makeTQAttestation(data::Table &t, const QImage &logo, const data::Parametres &p,
                                          const QDate &jour)
{
    auto r = std::make_unique<Report>(QStringLiteral("ATTESTATION DE PAIEMENT"));
    const double w = r->bandWidth();

    Band &title = r->titleBand(62);
    if (!logo.isNull())
        title.picture(logo, QRectF(0, 0, 35, 30)).named(QStringLiteral("Logo"));
    title.label(p.identiteClub, QRectF(38, 4, w - 38, 6), TextStyle().bold().size(10))
        .named(QStringLiteral("Identite"));
    title.label(saisonText(p), QRectF(38, 12, w - 38, 6), TextStyle().size(10)).named(SaisonLabel);
    title.label(r->title(), QRectF(0, 42, w, 12), TextStyle().bold().size(18).align(Qt::AlignHCenter))
        .named(TitreLabel);

    Band &d = r->detail(150);
    d.label(phraseAttestation(p), QRectF(0, 10, w, 20),
            TextStyle().size(11).align(Qt::AlignLeft | Qt::AlignTop))
        .named(QStringLiteral("Phrase"))
        .wrapped();
    d.label(t.asString(QStringLiteral("Nom")) + QLatin1Char(' ') + t.asString(QStringLiteral("Prenom")),
            QRectF(20, 40, w - 40, 9), TextStyle().bold().size(14).align(Qt::AlignHCenter))
        .named(QStringLiteral("Membre"));
    d.label(QStringLiteral("Cotisation:"), QRectF(20, 55, 35, 7), TextStyle().size(11));
    d.label(t.displayText(QStringLiteral("Cotisation")), QRectF(55, 55, 60, 7), TextStyle().bold().size(11))
        .named(QStringLiteral("Cotisation"));
    d.label(QStringLiteral("Délivrée pour faire valoir ce que de droit."), QRectF(0, 75, w, 7),
            TextStyle().size(11));
    d.label(p.ville + QStringLiteral(", le ") + QLocale().toString(jour, QStringLiteral("dd/MM/yyyy")),
            QRectF(w / 2, 95, w / 2, 7), TextStyle().size(11))
        .named(QStringLiteral("Lieu"));

    Band &footer = r->pageFooter(8);
    footer.line(QLineF(0, 1.5, w, 1.5), 0.3);
    footer.label(data::VersionText, QRectF(0, 2.5, 45, 5), TextStyle().size(8).bold().italic())
        .named(VersionLabel);
    footer
        .label(p.ligneEnregistrement, QRectF(45, 2.5, w - 90, 5), TextStyle().size(8).align(Qt::AlignHCenter))
        .named(DdjsLabel);
    return r;
}

} // namespace corvane::members
