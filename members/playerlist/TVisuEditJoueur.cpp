#include "members/playerlist/TVisuEditJoueur.h"

#include "core/report/PrintStep.h"
#include "data/AppFolders.h"
#include "data/Table.h"
#include "members/player/Photo.h"
#include "members/player/PlayerSheets.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Modal.h"
#include "ui/ToolButton.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane::members {

namespace {

constexpr int HelpContext = 211;

} // namespace

TVisuEditJoueur::TVisuEditJoueur(data::Table &j, QWidget *parent, const QString &photoFolder)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fiche du joueur"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 6);
    auto *bar = new QFrame(this);
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setFrameShadow(QFrame::Raised);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    print_ = ui::makeToolButton(bar, QStringLiteral("Imprimer"), ui::icon(ui::Icon::Print),
                        QStringLiteral("Imprimer la fiche du joueur"));
    quit_ =
        ui::makeToolButton(bar, QStringLiteral("&Quitter"), ui::icon(ui::Icon::Quit), QStringLiteral("Fermer cette fenêtre"));
    help_ = ui::makeToolButton(bar, QStringLiteral("Aide"), ui::icon(ui::Icon::Help), QStringLiteral("Obtenir de l'aide"));
    barLayout->addWidget(print_);
    barLayout->addWidget(quit_);
    barLayout->addWidget(help_);
    barLayout->addStretch(1);
    main->addWidget(bar);
    connect(quit_, &QToolButton::clicked, this, &QDialog::accept);
    connect(help_, &QToolButton::clicked, this, [this] { ui::showHelp(HelpContext, this); });

    auto *body = new QGridLayout;
    body->setContentsMargins(8, 8, 8, 0);
    body->setHorizontalSpacing(10);
    main->addLayout(body, 1);

    const bool active = j.isActive() && !j.isEmpty();
    auto text = [&](const QString &field) {
        if (!active)
            return QString();
        // An empty flag reads "Non", as the record window shows it unticked.
        if (j.definition().field(field).type == data::FieldType::Bool)
            return j.asBool(field) ? QStringLiteral("Oui") : QStringLiteral("Non");
        return j.displayText(field);
    };
    auto group = [&](const QString &title, int row, int column, int rowSpan = 1) {
        auto *box = new QGroupBox(title, this);
        auto *form = new QGridLayout(box);
        form->setHorizontalSpacing(6);
        form->setVerticalSpacing(2);
        form->setColumnStretch(1, 1);
        form->setColumnStretch(3, 1);
        body->addWidget(box, row, column, rowSpan, 1);
        return form;
    };
    // Two caption/value pairs a line.
    auto put = [&](QGridLayout *form, int &at, const QString &caption, const QString &value) {
        auto *c = new QLabel(caption, this);
        QPalette grey = c->palette();
        grey.setColor(QPalette::WindowText, QColor(80, 80, 80));
        c->setPalette(grey);
        auto *v = new QLabel(value, this);
        QFont bold = v->font();
        bold.setBold(true);
        v->setFont(bold);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addWidget(c, at / 2, (at % 2) * 2);
        form->addWidget(v, at / 2, (at % 2) * 2 + 1);
        if (!values_.contains(caption))
            values_.insert(caption, v);
        ++at;
    };
    auto field = [&](QGridLayout *form, int &at, const QString &caption, const QString &name) {
        put(form, at, caption, text(name));
    };

    // Identity, with the photo beside it.
    QGridLayout *id = group(QStringLiteral("Joueur"), 0, 0);
    int n = 0;
    field(id, n, QStringLiteral("Nom"), QStringLiteral("Nom"));
    field(id, n, QStringLiteral("Prénom"), QStringLiteral("Prenom"));
    field(id, n, QStringLiteral("Date de naissance"), QStringLiteral("Date de naissance"));
    field(id, n, QStringLiteral("Catégorie"), QStringLiteral("Categorie"));
    field(id, n, QStringLiteral("Sexe"), QStringLiteral("Sexe"));
    field(id, n, QStringLiteral("Situation"), QStringLiteral("Situation"));
    field(id, n, QStringLiteral("N° de licence"), QStringLiteral("Num license"));
    field(id, n, QStringLiteral("Equipe"), QStringLiteral("Equipe"));
    field(id, n, QStringLiteral("Surclassement"), QStringLiteral("Surclassement"));
    if (active && j.asBool(QStringLiteral("Membre bureau")))
        field(id, n, QStringLiteral("Titre"), QStringLiteral("Titre"));
    field(id, n, QStringLiteral("Educateur ou dirigeant"), QStringLiteral("Educateur"));
    if (active && j.asBool(QStringLiteral("Educateur")))
        field(id, n, QStringLiteral("N° licence éduc. ou dirigeant"),
              QStringLiteral("Num licence educateur"));
    field(id, n, QStringLiteral("Disponibilité"), QStringLiteral("Dispo"));
    field(id, n, QStringLiteral("Num maillot"), QStringLiteral("Num maillot"));
    field(id, n, QStringLiteral("Main"), QStringLiteral("Pied"));
    field(id, n, QStringLiteral("Loisirs"), QStringLiteral("Foot loisirs"));

    auto *photoBox = new QGroupBox(QStringLiteral("Photo"), this);
    auto *photoLayout = new QVBoxLayout(photoBox);
    photo_ = new QLabel(photoBox);
    photo_->setFixedSize(150, 190);
    photo_->setAlignment(Qt::AlignCenter);
    photo_->setFrameShape(QFrame::Panel);
    photo_->setFrameShadow(QFrame::Sunken);
    photoHelp_ = new QLabel(photoBox);
    photoHelp_->setWordWrap(true);
    photoHelp_->setMaximumWidth(150);
    photoLayout->addWidget(photo_);
    photoLayout->addWidget(photoHelp_);
    photoLayout->addStretch(1);
    body->addWidget(photoBox, 0, 1, 2, 1);

    const QString nom = text(QStringLiteral("Nom")), prenom = text(QStringLiteral("Prenom"));
    const QImage image =
        chargePhoto(photoFolder.isEmpty() ? data::appFolders().photos() : photoFolder, nom, prenom);
    connect(print_, &QToolButton::clicked, this, [this, &j, image] {
        if (!j.isActive() || j.isEmpty())
            return;
        auto sheet = makeTQEditJoueur(j, image);
        core::report::printReport(*sheet, data::parametres(), this);
    });
    if (!image.isNull()) {
        photo_->setPixmap(QPixmap::fromImage(
            image.scaled(photo_->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        photoHelp_->hide();
    } else {
        photoHelp_->setText(
            QStringLiteral("Pour voir apparaitre sa photo, mettre celle-ci au format .JPG dans "
                           "le répertoire Photos du logiciel sous la forme\n") +
            nom + prenom + QStringLiteral(".jpg"));
    }

    QGridLayout *adr = group(QStringLiteral("Adresse"), 1, 0);
    n = 0;
    field(adr, n, QStringLiteral("Adresse"), QStringLiteral("Adresse"));
    field(adr, n, QString(), QStringLiteral("Adresse1"));
    field(adr, n, QStringLiteral("Code postal"), QStringLiteral("Code postal"));
    field(adr, n, QStringLiteral("Ville"), QStringLiteral("Ville"));
    field(adr, n, QStringLiteral("Téléphone"), QStringLiteral("Tel"));
    field(adr, n, QStringLiteral("Portable"), QStringLiteral("Port"));
    field(adr, n, QStringLiteral("Fax / tel. prof."), QStringLiteral("Fax"));
    field(adr, n, QStringLiteral("E-Mail"), QStringLiteral("Mail"));
    field(adr, n, QStringLiteral("Ne pas envoyer"), QStringLiteral("Nepasenvoyer"));
    put(adr, n, QString(), QString());
    field(adr, n, QStringLiteral("Personnes à prévenir"), QStringLiteral("Nom prevenir 1"));
    field(adr, n, QStringLiteral("Tel"), QStringLiteral("Tel prevenir 1"));
    field(adr, n, QString(), QStringLiteral("Nom prevenir 2"));
    field(adr, n, QStringLiteral("Tel"), QStringLiteral("Tel prevenir 2"));

    QGridLayout *fee = group(QStringLiteral("Cotisation"), 0, 2, 2);
    n = 0;
    field(fee, n, QStringLiteral("Montant cotisation"), QStringLiteral("Cotisation"));
    field(fee, n, QStringLiteral("Compte"), QStringLiteral("Compte"));
    field(fee, n, QStringLiteral("Réduction famille"), QStringLiteral("Reduction"));
    field(fee, n, QStringLiteral("Demi saison"), QStringLiteral("Demi tarif"));
    field(fee, n, QStringLiteral("Membre du bureau"), QStringLiteral("Membre bureau"));
    field(fee, n, QStringLiteral("Etudiant"), QStringLiteral("Etudiant"));
    field(fee, n, QStringLiteral("Date de paiement"), QStringLiteral("Date de paiement"));
    field(fee, n, QStringLiteral("Cotisation payée"), QStringLiteral("Paye"));
    field(fee, n, QStringLiteral("Nom du payeur"), QStringLiteral("Nom du payeur"));
    field(fee, n, QStringLiteral("Banque du payeur"), QStringLiteral("Banque"));
    for (int k = 1; k <= 5; ++k) {
        const QString a = QStringLiteral("Acompte %1").arg(k);
        field(fee, n, a, QStringLiteral("Accompte %1").arg(k));
        put(fee, n, QStringLiteral("Date"), text(QStringLiteral("Date accompte %1").arg(k)));
        put(fee, n, QStringLiteral("Compte"), text(QStringLiteral("Compte %1").arg(k)));
        put(fee, n, QStringLiteral("payé"), text(QStringLiteral("Paye acc%1").arg(k)));
    }
    field(fee, n, QStringLiteral("Montant restant dû"), QStringLiteral("Restant du"));

    QGridLayout *eq = group(QStringLiteral("Equipements"), 2, 0);
    n = 0;
    const struct {
        const char *caption, *flag, *size;
    } items[] = {{"Maillot", "Maillot", "Taille maillot"},
                 {"Survêtement", "Survetement", "Taille survetement"},
                 {"Chaussures", "Chaussures", "Taille chaussures"},
                 {"Chaussettes", "Chaussettes", "Taille chaussette"},
                 {"Short", "Short", "Taille short"},
                 {"Raquette", "Gants", "Taille gants"}};
    for (const auto &it : items) {
        field(eq, n, QString::fromUtf8(it.caption), QString::fromUtf8(it.flag));
        put(eq, n, QStringLiteral("Taille"), text(QString::fromUtf8(it.size)));
    }

    QGridLayout *arb = group(QStringLiteral("Arbitrage et classements"), 2, 1, 1);
    n = 0;
    field(arb, n, QStringLiteral("Arbitre"), QStringLiteral("Arbitre"));
    field(arb, n, QStringLiteral("Grade"), QStringLiteral("ArbitreGrade"));
    field(arb, n, QStringLiteral("Arbitre assistant"), QStringLiteral("ArbitreDelegue"));
    field(arb, n, QStringLiteral("Grade"), QStringLiteral("ArbitreDelGrade"));
    field(arb, n, QStringLiteral("Simple"), QStringLiteral("Classement S"));
    field(arb, n, QStringLiteral("Double"), QStringLiteral("Classement D"));
    field(arb, n, QStringLiteral("Mixte"), QStringLiteral("Classement DM"));

    QGridLayout *more = group(QStringLiteral("Infos supplémentaires"), 2, 2);
    n = 0;
    field(more, n, QStringLiteral("Date d'entrée au club"), QStringLiteral("Date entree"));
    field(more, n, QStringLiteral("Date de sortie"), QStringLiteral("Date sortie"));
    field(more, n, QStringLiteral("Dernière modification:"), QStringLiteral("Date modification"));
    field(more, n, QStringLiteral("Certificat médical"), QStringLiteral("Certificat"));
    field(more, n, QStringLiteral("Autorisation parentale"), QStringLiteral("Autorisation parentale"));
    field(more, n, QStringLiteral("Autorisation publication Web"), QStringLiteral("Autorisation publ Web"));
    field(more, n, QStringLiteral("Signe distinctif"), QStringLiteral("Distinction"));
    field(more, n, QStringLiteral("Joueur muté"), QStringLiteral("Mutation"));
    field(more, n, QStringLiteral("Commentaires"), QStringLiteral("Commentaires"));

    body->setColumnStretch(0, 3);
    body->setColumnStretch(2, 3);
}

void TVisuEditJoueur::Affiche()
{
    ui::runModal(*this);
}

QString TVisuEditJoueur::shownValue(const QString &caption) const
{
    const QLabel *l = values_.value(caption);
    return l ? l->text() : QString();
}

bool TVisuEditJoueur::hasPhoto() const
{
    return !photo_->pixmap().isNull();
}

void TVisuEditJoueur::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ui::showHelp(HelpContext, this);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event); // Escape closes
}

} // namespace corvane::members
