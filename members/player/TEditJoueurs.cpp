#include "members/player/TEditJoueurs.h"

#include "core/report/PrintStep.h"
#include "data/AppFolders.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/StoreError.h"
#include "exchange/ChoisirVille.h"
#include "members/Categorie.h"
#include "members/fee/CotisationTab.h"
#include "members/player/Photo.h"
#include "members/player/PlayerSheets.h"
#include "ui/Fields.h"
#include "ui/Messages.h"
#include "ui/TDateForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace corvane::members {

using data::Table;

namespace {

const QString kNom = QStringLiteral("Nom");
const QString kPrenom = QStringLiteral("Prenom");
const QString kNaissance = QStringLiteral("Date de naissance");
const QString kLicence = QStringLiteral("Num license");

// The outside page of a member's results; the page name and its key are fixed.
const QString kRankingPage = QStringLiteral("https://www.ffbad.org/ClassementFFBA.aspx");

const QString kBirthWarning = QStringLiteral(
    "Vous devez d'abord mettre la date de naissance avant\rde vouloir traiter les aspects cotisations");

// The hourglass for the length of a routine.
class Hourglass {
public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;
};

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// The grid of one tab, with the margins every tab shares.
QGridLayout *tabGrid(QWidget *page)
{
    auto *g = new QGridLayout(page);
    g->setContentsMargins(12, 12, 12, 12);
    g->setVerticalSpacing(6);
    return g;
}

QToolButton *smallButton(const QString &text, const QString &hint, const QString &name, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setObjectName(name);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

struct TEditJoueurs::Private {
    explicit Private(data::ModuleData &m)
        : md(m)
    {}
    data::ModuleData &md;
    bool newMode = false;
    int previousTab = 0;
    bool switchingTab = false;
    bool inTrigger = false;
    QString photoName; // first name and family name of the member whose photo is shown

    QTabWidget *tabs = nullptr;
    fee::CotisationTab *cotisation = nullptr;
    int cotisationIndex = 1;
    ui::FieldLineEdit *nom = nullptr, *prenom = nullptr;
    ui::FieldDateEdit *naissance = nullptr;
    ui::FieldComboBox *sexe = nullptr, *activite = nullptr, *titre = nullptr;
    QLabel *titreLabel = nullptr, *educLabel = nullptr;
    ui::FieldLineEdit *educNum = nullptr;
    ui::FieldCheckBox *educateur = nullptr, *loisirs = nullptr;
    ui::FieldLineEdit *codePostal = nullptr, *ville = nullptr, *mail = nullptr;
    exchange::ChoixVilleButton *villeButton = nullptr;
    QLabel *photo = nullptr, *photoHelp = nullptr, *photoFile = nullptr;
    QToolButton *dupliquer = nullptr, *atteste = nullptr, *imprimer = nullptr;

    // Lists fed by a reference table, with their leading entries.
    std::vector<std::pair<ui::FieldComboBox *, std::pair<QString, QStringList>>> referenceLists;
    std::vector<ui::FieldComboBox *> tailles;
    std::vector<ui::FieldComboBox *> classements;
    ui::FieldComboBox *equipe = nullptr;
};

TEditJoueurs::TEditJoueurs(data::ModuleData &md, QWidget *parent)
    : RecordWindow(md.table(QStringLiteral("Joueurs")), parent)
    , d_(std::make_unique<Private>(md))
{
    setWindowTitle(QStringLiteral("Fiche joueur"));
    setHelpContext(211);
    setStatusDuration(5000);
    setNewHint(QStringLiteral("Ajouter une nouvelle fiche joueur"));
    navigator()->setHint(ui::NavButton::Edit, QStringLiteral("Modifier le joueur"));
    navigator()->setHint(ui::NavButton::Post, QStringLiteral("Enregistrer le joueur"));
    navigator()->setHint(ui::NavButton::Cancel, QStringLiteral("Annuler les modifications"));

    d_->dupliquer = makeToolButton(QStringLiteral("Dupliquer"), ui::icon(ui::Icon::Insert),
                                   QStringLiteral("Dupliquer le joueur"));
    d_->dupliquer->setObjectName(QStringLiteral("Dupliquer"));
    d_->atteste = makeToolButton(QStringLiteral("Atteste"), ui::icon(ui::Icon::Print),
                                 QStringLiteral("Imprimer l'attestation d'inscription"));
    d_->atteste->setObjectName(QStringLiteral("Atteste"));
    d_->imprimer = makeToolButton(QStringLiteral("Imprimer"), ui::icon(ui::Icon::Print),
                                  QStringLiteral("Imprimer la fiche du joueur"));
    d_->imprimer->setObjectName(QStringLiteral("Imprimer"));
    insertToolButton(d_->dupliquer);
    insertToolButton(d_->atteste);
    insertToolButton(d_->imprimer);
    connect(d_->dupliquer, &QToolButton::clicked, this, [this] { dupliquer(); });
    connect(d_->atteste, &QToolButton::clicked, this, [this] { printAttestation(); });
    connect(d_->imprimer, &QToolButton::clicked, this, [this] { printSheet(); });

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(10, 8, 10, 4);
    layout->setSpacing(8);
    auto *header = new QGroupBox(body());
    buildHeader(header);
    layout->addWidget(header);

    d_->tabs = new QTabWidget(body());
    d_->tabs->setObjectName(QStringLiteral("Onglets"));
    d_->tabs->addTab(buildAdresse(), QStringLiteral("Adresse"));
    d_->cotisation = new fee::CotisationTab(md, d_->tabs);
    d_->cotisationIndex = d_->tabs->addTab(d_->cotisation, QStringLiteral("Cotisation"));
    d_->tabs->addTab(buildInfos(), QStringLiteral("Infos supplémentaires"));
    d_->tabs->addTab(buildEquipements(), QStringLiteral("Equipements"));
    d_->tabs->addTab(buildArbitrage(), QStringLiteral("Arbitrage"));
    d_->tabs->addTab(buildSanctions(), QStringLiteral("Sanctions"));
    d_->tabs->addTab(buildMutation(), QStringLiteral("Mutation"));
    layout->addWidget(d_->tabs, 1);
    connect(d_->tabs, &QTabWidget::currentChanged, this, [this](int i) { tabChanged(i); });
    connect(d_->cotisation, &fee::CotisationTab::statusMessage, this,
            [this](const QString &s) { showStatus(s); });

    // The payer's default name before the navigator edits or posts.
    for (ui::NavButton b : {ui::NavButton::Edit, ui::NavButton::Post}) {
        connect(navigator()->button(b), &QToolButton::pressed, this,
                [this] { d_->cotisation->applyPayerDefault(d_->prenom->text()); });
    }
    connect(navigator(), &ui::Navigator::clicked, this, [this](ui::NavButton b) {
        if ((b == ui::NavButton::Post || b == ui::NavButton::Cancel) && table() && !table()->isEditing())
            d_->newMode = false;
    });

    Table *t = table();
    connect(t, &Table::fieldChanged, this, [this](int index) {
        Table *t = table();
        if (index == t->fieldIndex(kNaissance) && !d_->inTrigger)
            categoryTrigger();
        else if (index == t->fieldIndex(kNom) || index == t->fieldIndex(kPrenom))
            updatePhotoFileName();
        else if (index == t->fieldIndex(QStringLiteral("Membre bureau")) ||
                 index == t->fieldIndex(QStringLiteral("Educateur")))
            applyStateRule();
    });
    connect(t, &Table::currentChanged, this, [this] { applyStateRule(); });
    resize(1040, 720);
    applyStateRule();
}

TEditJoueurs::~TEditJoueurs() = default;

void TEditJoueurs::buildHeader(QWidget *header)
{
    Table *t = table();
    auto *g = new QGridLayout(header);
    g->setContentsMargins(10, 8, 10, 8);
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(5);
    auto place = [&](int row, int col, const QString &label, QWidget *w, int span = 1) {
        QLabel *l = caption(label, header);
        l->setBuddy(w);
        g->addWidget(l, row, col * 2);
        g->addWidget(w, row, col * 2 + 1, 1, span);
        return l;
    };
    auto combo = [&](const QString &field, const QString &name) {
        auto *c = new ui::FieldComboBox(t, field, header);
        c->setObjectName(name);
        return c;
    };

    d_->nom = new ui::FieldLineEdit(t, kNom, header);
    d_->nom->setObjectName(kNom);
    connect(d_->nom, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int pos = d_->nom->cursorPosition();
        d_->nom->setText(upper);
        d_->nom->setCursorPosition(pos);
        d_->nom->binding().write(upper);
    });
    d_->prenom = new ui::FieldLineEdit(t, kPrenom, header);
    d_->prenom->setObjectName(kPrenom);
    d_->naissance = new ui::FieldDateEdit(t, kNaissance, header);
    d_->naissance->setObjectName(kNaissance);
    // Its own picker: it starts fifteen years back and the category follows.
    disconnect(d_->naissance->button(), nullptr, d_->naissance, nullptr);
    d_->naissance->lineEdit()->removeEventFilter(d_->naissance);
    d_->naissance->lineEdit()->installEventFilter(this);
    connect(d_->naissance->button(), &QToolButton::clicked, this, [this] { chooseBirthDate(); });
    auto *categorie = new ui::FieldLineEdit(t, QStringLiteral("Categorie"), header);
    categorie->setObjectName(QStringLiteral("Categorie"));
    categorie->setReadOnly(true);
    categorie->setFocusPolicy(Qt::NoFocus);

    d_->sexe = combo(QStringLiteral("Sexe"), QStringLiteral("Sexe"));
    d_->sexe->setItems({QStringLiteral("Homme"), QStringLiteral("Femme")});
    connect(d_->sexe, &QComboBox::activated, this, [this] { sexeChanged(); });
    auto *situation = combo(QStringLiteral("Situation"), QStringLiteral("Situation"));
    situation->setItems({QStringLiteral("ACTIF"), QStringLiteral("INACTIF")});
    auto *licence = new ui::FieldLineEdit(t, kLicence, header);
    licence->setObjectName(kLicence);
    d_->equipe = combo(QStringLiteral("Equipe"), QStringLiteral("Equipe"));
    auto *surclassement = combo(QStringLiteral("Surclassement"), QStringLiteral("Surclassement"));
    d_->referenceLists.push_back(
        {surclassement, {QStringLiteral("Surclassements"), {QString(), QStringLiteral("Aucun")}}});
    d_->titre = combo(QStringLiteral("Titre"), QStringLiteral("Titre"));
    d_->referenceLists.push_back(
        {d_->titre,
         {QStringLiteral("Titres"), {QString(), QStringLiteral("Président"), QStringLiteral("Trésorier")}}});
    auto *dispo = combo(QStringLiteral("Dispo"), QStringLiteral("Dispo"));
    d_->referenceLists.push_back(
        {dispo, {QStringLiteral("Disponibilites"), {QString(), QStringLiteral("Disponible")}}});
    auto *maillot = new ui::FieldLineEdit(t, QStringLiteral("Num maillot"), header);
    maillot->setObjectName(QStringLiteral("Num maillot"));
    auto *pied = combo(QStringLiteral("Pied"), QStringLiteral("Pied"));
    pied->setItems({QStringLiteral("Droitier"), QStringLiteral("Gaucher"), QStringLiteral("Indifférent")});
    d_->educateur = new ui::FieldCheckBox(t, QStringLiteral("Educateur"),
                                          QStringLiteral("Educateur ou dirigeant"), header);
    d_->educateur->setObjectName(QStringLiteral("Educateur"));
    connect(d_->educateur, &QCheckBox::clicked, this, [this](bool on) {
        d_->cotisation->educateurToggled(on);
        applyStateRule();
    });
    d_->educNum = new ui::FieldLineEdit(t, QStringLiteral("Num licence educateur"), header);
    d_->educNum->setObjectName(QStringLiteral("Num licence educateur"));
    d_->loisirs = new ui::FieldCheckBox(t, QStringLiteral("Foot loisirs"), QStringLiteral("Loisirs"), header);
    d_->loisirs->setObjectName(QStringLiteral("Foot loisirs"));
    connect(d_->loisirs, &QCheckBox::clicked, this, [this](bool on) { d_->cotisation->loisirsToggled(on); });

    // Kept on the record but not shown.
    auto *poste = combo(QStringLiteral("Poste joue"), QStringLiteral("Poste joue"));
    d_->referenceLists.push_back(
        {poste, {QStringLiteral("Positions"), {QString(), QStringLiteral("Polyvalent")}}});
    poste->hide();
    d_->activite = combo(QStringLiteral("Type activite"), QStringLiteral("Type activite"));
    d_->activite->setItems({QStringLiteral("COMPETITION"), QStringLiteral("LOISIRS")});
    d_->activite->hide();
    connect(d_->activite, &QComboBox::activated, this, [this] { activiteChanged(); });

    auto *modification = new ui::FieldDateEdit(t, QStringLiteral("Date modification"), header);
    modification->setObjectName(QStringLiteral("Date modification"));
    modification->setReadOnly(true);
    modification->button()->hide();

    for (const char *f : {"Classement S", "Classement D", "Classement DM"}) {
        auto *c = combo(QString::fromUtf8(f), QString::fromUtf8(f));
        d_->classements.push_back(c);
    }
    auto *ranking = new QLabel(QStringLiteral("<a href=\"#\">Voir sa fiche de résultats FFBA</a>"), header);
    ranking->setObjectName(QStringLiteral("Classement FFBA"));
    ranking->setTextFormat(Qt::RichText);
    connect(ranking, &QLabel::linkActivated, this, [this] { openRanking(); });

    place(0, 0, QStringLiteral("Nom"), d_->nom);
    place(0, 1, QStringLiteral("Prénom"), d_->prenom);
    place(0, 2, QStringLiteral("Date de naissance"), d_->naissance);
    place(1, 0, QStringLiteral("Sexe"), d_->sexe);
    place(1, 1, QStringLiteral("Catégorie"), categorie);
    place(1, 2, QStringLiteral("Situation"), situation);
    place(2, 0, QStringLiteral("N° de licence"), licence);
    place(2, 1, QStringLiteral("Equipe"), d_->equipe);
    place(2, 2, QStringLiteral("Surclassement"), surclassement);
    place(3, 0, QStringLiteral("Disponibilité"), dispo);
    place(3, 1, QStringLiteral("Num maillot"), maillot);
    place(3, 2, QStringLiteral("Main"), pied);
    g->addWidget(d_->educateur, 4, 1);
    d_->educLabel = place(4, 1, QStringLiteral("N° licence éduc. ou dirigeant"), d_->educNum);
    d_->titreLabel = place(4, 2, QStringLiteral("Titre"), d_->titre);
    g->addWidget(d_->loisirs, 5, 1);
    place(5, 1, QStringLiteral("Dernière modification:"), modification);
    auto *rankings = new QHBoxLayout;
    rankings->setSpacing(6);
    const char *rankCaptions[] = {"Simple", "Double", "Mixte"};
    for (int k = 0; k < 3; ++k) {
        rankings->addWidget(new QLabel(QString::fromUtf8(rankCaptions[k]), header));
        rankings->addWidget(d_->classements[k], 1);
    }
    g->addWidget(caption(QStringLiteral("Classements"), header), 6, 0);
    g->addLayout(rankings, 6, 1, 1, 3);
    g->addWidget(ranking, 6, 5);
    for (int c : {1, 3, 5})
        g->setColumnStretch(c, 1);

    // The photo panel, right of the fields.
    auto *panel = new QFrame(header);
    panel->setObjectName(QStringLiteral("PanneauPhoto"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedWidth(170);
    auto *pl = new QVBoxLayout(panel);
    pl->setContentsMargins(4, 4, 4, 4);
    d_->photo = new QLabel(panel);
    d_->photo->setObjectName(QStringLiteral("Photo"));
    d_->photo->setAlignment(Qt::AlignCenter);
    d_->photo->setMinimumHeight(150);
    d_->photoHelp =
        new QLabel(QStringLiteral("Pour voir apparaitre sa photo, mettre celle-ci au format .JPG dans le "
                                  "répertoire Photos du logiciel sous la forme"),
                   panel);
    d_->photoHelp->setObjectName(QStringLiteral("AidePhoto"));
    d_->photoHelp->setWordWrap(true);
    d_->photoHelp->setAlignment(Qt::AlignCenter);
    d_->photoHelp->setStyleSheet(QStringLiteral("color: #555; font-size: 8pt;"));
    d_->photoFile = new QLabel(panel);
    d_->photoFile->setObjectName(QStringLiteral("NomFichierPhoto"));
    d_->photoFile->setWordWrap(true);
    d_->photoFile->setAlignment(Qt::AlignCenter);
    d_->photoFile->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 8pt;"));
    pl->addStretch();
    pl->addWidget(d_->photo, 1);
    pl->addWidget(d_->photoHelp);
    pl->addWidget(d_->photoFile);
    pl->addStretch();
    g->addWidget(panel, 0, 6, 7, 1);
}

QWidget *TEditJoueurs::buildAdresse()
{
    Table *t = table();
    auto *page = new QWidget;
    auto *g = tabGrid(page);
    g->setHorizontalSpacing(8);
    auto line = [&](const QString &field, ui::InputFilter filter = ui::InputFilter::None) {
        auto *e = new ui::FieldLineEdit(t, field, page);
        e->setObjectName(field);
        if (filter != ui::InputFilter::None)
            e->setInputFilter(filter);
        return e;
    };
    // A telephone with its erase button.
    auto phone = [&](const QString &field) {
        auto *box = new QWidget(page);
        auto *h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        h->addWidget(line(field), 1);
        auto *eraser = smallButton(QStringLiteral("✕"), QStringLiteral("Effacer ce numéro"),
                                   QStringLiteral("Effacer ") + field, box);
        connect(eraser, &QToolButton::clicked, this, [this, field] { erase(field); });
        h->addWidget(eraser);
        return box;
    };

    g->addWidget(caption(QStringLiteral("Adresse"), page), 0, 0);
    g->addWidget(line(QStringLiteral("Adresse"), ui::InputFilter::NoSemicolon), 0, 1, 1, 3);
    g->addWidget(line(QStringLiteral("Adresse1"), ui::InputFilter::NoSemicolon), 1, 1, 1, 3);

    d_->codePostal = line(QStringLiteral("Code postal"));
    d_->ville = line(QStringLiteral("Ville"));
    for (ui::FieldLineEdit *e : {d_->codePostal, d_->ville}) {
        e->setReadOnly(true);
        e->setCursor(Qt::PointingHandCursor);
        e->setToolTip(QStringLiteral("Cliquer pour choisir la ville"));
        e->installEventFilter(this);
    }
    d_->villeButton = new exchange::ChoixVilleButton(d_->md, t, QStringLiteral("Code postal"),
                                                     QStringLiteral("Ville"), page);
    d_->villeButton->setObjectName(QStringLiteral("ChoixVille"));
    g->addWidget(caption(QStringLiteral("Code postal"), page), 2, 0);
    auto *town = new QHBoxLayout;
    town->setSpacing(6);
    town->addWidget(d_->codePostal);
    town->addSpacing(10);
    town->addWidget(caption(QStringLiteral("Ville"), page));
    town->addWidget(d_->ville, 1);
    town->addWidget(d_->villeButton);
    g->addLayout(town, 2, 1, 1, 3);
    g->addWidget(
        new ui::FieldCheckBox(t, QStringLiteral("Nepasenvoyer"), QStringLiteral("Ne pas envoyer"), page), 3,
        1);

    g->addWidget(caption(QStringLiteral("Téléphone"), page), 4, 0);
    g->addWidget(phone(QStringLiteral("Tel")), 4, 1);
    g->addWidget(caption(QStringLiteral("Portable"), page), 4, 2);
    g->addWidget(phone(QStringLiteral("Port")), 4, 3);
    g->addWidget(caption(QStringLiteral("Fax / tel. prof."), page), 5, 0);
    g->addWidget(phone(QStringLiteral("Fax")), 5, 1);

    d_->mail = line(QStringLiteral("Mail"), ui::InputFilter::NoSemicolon);
    d_->mail->installEventFilter(this);
    auto *mailButton = smallButton(QStringLiteral("@"), QStringLiteral("Envoyer un message"),
                                   QStringLiteral("EnvoiMail"), page);
    connect(mailButton, &QToolButton::clicked, this, [this] { openMail(); });
    g->addWidget(caption(QStringLiteral("E-Mail"), page), 6, 0);
    auto *mail = new QHBoxLayout;
    mail->setSpacing(2);
    mail->addWidget(d_->mail, 1);
    mail->addWidget(mailButton);
    g->addLayout(mail, 6, 1, 1, 3);

    auto *notify = new QGroupBox(QStringLiteral("Personnes à prévenir"), page);
    auto *n = new QGridLayout(notify);
    for (int k = 1; k <= 2; ++k) {
        const QString no = QString::number(k);
        n->addWidget(caption(QStringLiteral("Nom"), notify), k, 0);
        n->addWidget(line(QStringLiteral("Nom prevenir ") + no, ui::InputFilter::NoSemicolon), k, 1);
        n->addWidget(caption(QStringLiteral("Téléphone"), notify), k, 2);
        n->addWidget(phone(QStringLiteral("Tel prevenir ") + no), k, 3);
    }
    n->setColumnStretch(1, 2);
    n->setColumnStretch(3, 1);
    g->addWidget(notify, 7, 0, 1, 4);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(8, 1);
    return page;
}

QWidget *TEditJoueurs::buildInfos()
{
    Table *t = table();
    auto *page = new QWidget;
    auto *g = tabGrid(page);
    auto check = [&](const QString &field, const QString &text) {
        auto *c = new ui::FieldCheckBox(t, field, text, page);
        c->setObjectName(field);
        return c;
    };
    auto *commentaires = new ui::FieldLineEdit(t, QStringLiteral("Commentaires"), page);
    commentaires->setObjectName(QStringLiteral("Commentaires"));
    commentaires->setInputFilter(ui::InputFilter::NoSemicolon);
    auto *entree = new ui::FieldDateEdit(t, QStringLiteral("Date entree"), page);
    entree->setObjectName(QStringLiteral("Date entree"));
    auto *lieu = new ui::FieldLineEdit(t, QStringLiteral("Lieu naissance"), page);
    lieu->setObjectName(QStringLiteral("Lieu naissance"));
    lieu->setInputFilter(ui::InputFilter::NoSemicolon);
    auto *distinction = new ui::FieldComboBox(t, QStringLiteral("Distinction"), page);
    distinction->setObjectName(QStringLiteral("Distinction"));
    d_->referenceLists.push_back({distinction, {QStringLiteral("Distinctions"), {QString()}}});
    auto *nationalite = new ui::FieldComboBox(t, QStringLiteral("Nationalite"), page);
    nationalite->setObjectName(QStringLiteral("Nationalite"));
    d_->referenceLists.push_back(
        {nationalite, {QStringLiteral("Nationalites"), {QString(), QStringLiteral("Française")}}});
    auto *avoir = check(QStringLiteral("Avoir"), QStringLiteral("Avoir en cours"));
    avoir->setReadOnly(true);
    auto *dette = check(QStringLiteral("Dette"), QStringLiteral("Dette en cours"));
    dette->setReadOnly(true);

    g->addWidget(caption(QStringLiteral("Commentaires"), page), 0, 0);
    g->addWidget(commentaires, 0, 1, 1, 3);
    g->addWidget(caption(QStringLiteral("Date d'entrée au club"), page), 1, 0);
    g->addWidget(entree, 1, 1);
    g->addWidget(caption(QStringLiteral("Lieu de naissance"), page), 2, 0);
    g->addWidget(lieu, 2, 1);
    g->addWidget(caption(QStringLiteral("Pays / Nationalité"), page), 3, 0);
    g->addWidget(nationalite, 3, 1);
    g->addWidget(caption(QStringLiteral("Signe distinctif"), page), 4, 0);
    g->addWidget(distinction, 4, 1);
    g->addWidget(avoir, 1, 3);
    g->addWidget(dette, 2, 3);
    g->addWidget(check(QStringLiteral("Certificat"), QStringLiteral("Certificat médical")), 3, 3);
    g->addWidget(check(QStringLiteral("Autorisation parentale"), QStringLiteral("Autorisation parentale")), 4,
                 3);
    g->addWidget(
        check(QStringLiteral("Autorisation publ Web"), QStringLiteral("Autorisation publication Web")), 5, 3);
    g->addWidget(check(QStringLiteral("Mercredi"), QStringLiteral("Entrainement du Mercredi")), 6, 3);
    g->addWidget(check(QStringLiteral("Coupon sport"), QStringLiteral("Coupon sport")), 7, 3);
    g->setColumnStretch(1, 1);
    g->setColumnMinimumWidth(2, 30);
    g->setColumnStretch(3, 1);
    g->setRowStretch(8, 1);
    return page;
}

QWidget *TEditJoueurs::buildEquipements()
{
    Table *t = table();
    auto *page = new QWidget;
    auto *g = tabGrid(page);
    const struct {
        const char *field, *size, *text;
    } items[] = {{"Maillot", "Taille maillot", "Maillot"},
                 {"Survetement", "Taille survetement", "Survêtement"},
                 {"Chaussures", "Taille chaussures", "Chaussures"},
                 {"Chaussettes", "Taille chaussette", "Chaussettes"},
                 {"Short", "Taille short", "Short"},
                 {"Gants", "Taille gants", "Raquette"}};
    g->addWidget(new QLabel(QStringLiteral("<b>Taille</b>"), page), 0, 1);
    int row = 1;
    for (const auto &it : items) {
        auto *c = new ui::FieldCheckBox(t, QString::fromUtf8(it.field), QString::fromUtf8(it.text), page);
        c->setObjectName(QString::fromUtf8(it.field));
        auto *size = new ui::FieldComboBox(t, QString::fromUtf8(it.size), page);
        size->setObjectName(QString::fromUtf8(it.size));
        size->setMinimumWidth(140);
        d_->tailles.push_back(size);
        g->addWidget(c, row, 0);
        g->addWidget(size, row, 1);
        ++row;
    }
    // The editor of sizes serves all six lists.
    for (ui::FieldComboBox *size : d_->tailles) {
        connect(size, &ui::ChoiceComboBox::doubleClicked, this, [this, size] {
            for (ui::FieldComboBox *other : d_->tailles) {
                if (other != size)
                    other->refill();
            }
        });
    }
    g->setColumnStretch(2, 1);
    g->setRowStretch(row, 1);
    return page;
}

QWidget *TEditJoueurs::buildArbitrage()
{
    Table *t = table();
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(12, 12, 12, 12);
    auto block = [&](const QString &prefix, const QString &flag, const QString &text) {
        auto *box = new QGroupBox(page);
        auto *g = new QGridLayout(box);
        auto *tick = new ui::FieldCheckBox(t, flag, text, box);
        tick->setObjectName(flag);
        auto *grade = new ui::FieldComboBox(t, prefix + QStringLiteral("Grade"), box);
        grade->setObjectName(prefix + QStringLiteral("Grade"));
        d_->referenceLists.push_back({grade, {QStringLiteral("Grades"), {QString()}}});
        auto *comment = new ui::FieldLineEdit(t, prefix + QStringLiteral("Comment"), box);
        comment->setObjectName(prefix + QStringLiteral("Comment"));
        comment->setInputFilter(ui::InputFilter::NoSemicolon);
        auto *status = new ui::FieldComboBox(t, prefix + QStringLiteral("Status"), box);
        status->setObjectName(prefix + QStringLiteral("Status"));
        status->setItems({QString(), QStringLiteral("Actif"), QStringLiteral("Inactif")});
        g->addWidget(tick, 0, 0, 1, 2);
        g->addWidget(caption(QStringLiteral("Grade"), box), 1, 0);
        g->addWidget(grade, 1, 1);
        g->addWidget(caption(QStringLiteral("Statut"), box), 1, 2);
        g->addWidget(status, 1, 3);
        g->addWidget(caption(QStringLiteral("Commentaire"), box), 2, 0);
        g->addWidget(comment, 2, 1, 1, 3);
        g->setColumnStretch(1, 2);
        g->setColumnStretch(3, 1);
        v->addWidget(box);
    };
    block(QStringLiteral("Arbitre"), QStringLiteral("Arbitre"), QStringLiteral("Arbitre"));
    block(QStringLiteral("ArbitreDel"), QStringLiteral("ArbitreDelegue"),
          QStringLiteral("Arbitre assistant"));
    v->addStretch();
    return page;
}

QWidget *TEditJoueurs::buildSanctions()
{
    Table *t = table();
    auto *page = new QWidget;
    auto *g = tabGrid(page);
    auto *suspension =
        new ui::FieldCheckBox(t, QStringLiteral("Suspension"), QStringLiteral("Suspendu jusqu'au"), page);
    suspension->setObjectName(QStringLiteral("Suspension"));
    auto *date = new ui::FieldDateEdit(t, QStringLiteral("Date suspension"), page);
    date->setObjectName(QStringLiteral("Date suspension"));
    g->addWidget(suspension, 0, 0);
    g->addWidget(date, 0, 1);
    const struct {
        const char *field, *text;
        int max;
    } counts[] = {{"Nb matchs", "Nb de match  de suspension", 100},
                  {"Nb jaunes", "Nb jaunes", 30},
                  {"Nb rouges", "Nb rouges", 15}};
    int row = 1;
    for (const auto &c : counts) {
        const QString field = QString::fromUtf8(c.field);
        auto *e = new ui::FieldLineEdit(t, field, page);
        e->setObjectName(field);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setMaximumWidth(70);
        e->setAlignment(Qt::AlignRight);
        auto *up = smallButton(QString(), QStringLiteral("Ajouter 1"), field + QStringLiteral(" +"), page);
        up->setArrowType(Qt::UpArrow);
        auto *down = smallButton(QString(), QStringLiteral("Retirer 1"), field + QStringLiteral(" -"), page);
        down->setArrowType(Qt::DownArrow);
        const int max = c.max;
        connect(up, &QToolButton::clicked, this, [this, field, max] { step(field, 1, max); });
        connect(down, &QToolButton::clicked, this, [this, field, max] { step(field, -1, max); });
        auto *h = new QHBoxLayout;
        h->setSpacing(2);
        h->addWidget(e);
        h->addWidget(up);
        h->addWidget(down);
        h->addStretch();
        g->addWidget(caption(QString::fromUtf8(c.text), page), row, 0);
        g->addLayout(h, row, 1);
        ++row;
    }
    g->setColumnStretch(2, 1);
    g->setRowStretch(row, 1);
    return page;
}

QWidget *TEditJoueurs::buildMutation()
{
    Table *t = table();
    auto *page = new QWidget;
    auto *g = tabGrid(page);
    auto *mute = new ui::FieldCheckBox(t, QStringLiteral("Mutation"), QStringLiteral("Joueur muté"), page);
    mute->setObjectName(QStringLiteral("Mutation"));
    g->addWidget(mute, 0, 1);
    int row = 1;
    for (const auto &[field, text] : {std::pair{"Departement origine", "Département origine"},
                                      std::pair{"Sigle club origine", "Sigle du club origine origine"}}) {
        auto *e = new ui::FieldLineEdit(t, QString::fromUtf8(field), page);
        e->setObjectName(QString::fromUtf8(field));
        e->setInputFilter(ui::InputFilter::NoSemicolon);
        g->addWidget(caption(QString::fromUtf8(text), page), row, 0);
        g->addWidget(e, row, 1);
        ++row;
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(row, 1);
    return page;
}

void TEditJoueurs::fillLists()
{
    for (auto &[combo, ref] : d_->referenceLists)
        combo->setReferenceTable(d_->md.table(ref.first), ref.second);
    for (ui::FieldComboBox *size : d_->tailles)
        size->setReferenceTable(d_->md.table(QStringLiteral("MatTailles")), {QString()});
    auto read = [this](const QString &table, const QString &field) {
        QStringList values;
        data::OpenedTable t(d_->md.table(table));
        for (t->first(); !t->eof(); t->next())
            values << t->asString(field);
        return values;
    };
    try {
        const QStringList rankings = read(QStringLiteral("ClassementsNom"), QStringLiteral("Classement"));
        for (ui::FieldComboBox *c : d_->classements)
            c->setItems(rankings);
        d_->equipe->setItems(QStringList{QStringLiteral("xxxxxxxx")} +
                             read(QStringLiteral("Equipes"), QStringLiteral("Nom")));
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

void TEditJoueurs::prepare()
{
    fillLists();
    placeHook(Table::Event::BeforePost, [this](Table &t) {
        t.setValue(QStringLiteral("Date modification"), QDate::currentDate());
        t.setValue(kNom, t.asString(kNom).toUpper());
        if (t.asString(QStringLiteral("Nom du payeur")).isEmpty())
            d_->cotisation->applyPayerDefault(d_->prenom->text());
    });
    placeHook(Table::Event::NewRecord, [this](Table &t) { newRecordDefaults(t); });
    d_->cotisation->opened(d_->newMode);
    d_->previousTab = 0;
    d_->tabs->setCurrentIndex(0);
    if (d_->newMode)
        clearPhoto();
    else
        loadPhoto();
}

void TEditJoueurs::Affiche()
{
    d_->newMode = false;
    Table *t = table();
    if (t->isActive() && !t->isEmpty()) {
        // The list may be filtered: the member stays current once the whole table shows.
        const QVariantList key{t->value(kLicence), t->value(kNom), t->value(kPrenom)};
        const Table::Bookmark mark = t->bookmark();
        t->setFiltered(false);
        if (!t->locate(QStringLiteral("Num license;Nom;Prenom"), key))
            t->gotoBookmark(mark);
    }
    showOnCurrent();
    d_->newMode = false;
}

void TEditJoueurs::AfficheNouveau()
{
    d_->newMode = true;
    showOnNew();
    d_->newMode = false;
}

void TEditJoueurs::newRecordDefaults(Table &t)
{
    Hourglass wait;
    const data::Parametres &p = data::parametres();
    const QDate today = QDate::currentDate();
    QString compte;
    for (int k = 1; k <= 5 && compte.isEmpty(); ++k)
        compte = p.compte[k].trimmed().isEmpty() ? QString() : p.compte[k];
    auto set = [&t](const char *field, const QVariant &v) { t.setValue(QString::fromUtf8(field), v); };
    set("Situation", QStringLiteral("ACTIF"));
    set("Sexe", QStringLiteral("Homme"));
    set("Date entree", today);
    set("Date modification", today);
    for (const char *f : {"Dette", "Avoir", "Membre bureau", "Reduction", "Demi tarif", "Nepasenvoyer"})
        set(f, false);
    set("Compte", compte);
    set("Cotisation", 0.0);
    set("Restant du", 0.0);
    for (const char *f : {"Paye", "Paye acc1", "Paye acc2", "Paye acc3", "Paye acc4", "Paye acc5", "Jeune",
                          "Certificat", "Survetement", "Autorisation parentale"})
        set(f, false);
    set("Autorisation publ Web", true);
    set("Surclassement", QStringLiteral("Aucun"));
    for (const char *f : {"Maillot", "Short", "Gants", "Chaussures", "Chaussettes"})
        set(f, false);
    for (const char *f : {"Taille maillot", "Taille short", "Taille gants", "Taille chaussette"})
        set(f, QVariant());
    for (const char *f : {"Mercredi", "Educateur", "Foot loisirs", "Loisirs2", "Loisirs3"})
        set(f, false);
    set("Equipe", QStringLiteral("xxxxxxxx"));
    set("Poste joue", QStringLiteral("Polyvalent"));
    set("Nom du payeur", QVariant());
    set("Dispo", QStringLiteral("Disponible"));
    set("Pied", QStringLiteral("Indifférent"));
    set("Banque", QVariant());
    for (const char *f : {"Etudiant", "Coupon sport", "Arbitre", "ArbitreDelegue", "Arbitre Table"})
        set(f, false);
    set("Nationalite", QStringLiteral("Française"));
    for (const char *f : {"Suspension", "Mutation", "Corpo"})
        set(f, false);
    for (const char *f : {"Nb matchs", "Nb jaunes", "Nb rouges"})
        set(f, 0);
    set("Type activite", QStringLiteral("COMPETITION"));
    for (const char *f : {"Classement S", "Classement D", "Classement DM"})
        set(f, QStringLiteral("NC"));
}

void TEditJoueurs::startNew(bool duplicate)
{
    Table *t = table();
    if (!t || !t->isActive() || t->isEditing())
        return;
    static const char *copied[] = {
        "Nom", "Adresse", "Adresse1",       "Code postal",    "Ville",          "Tel",           "Port",
        "Fax", "Mail",    "Nom prevenir 1", "Nom prevenir 2", "Tel prevenir 1", "Tel prevenir 2"};
    std::vector<QVariant> values;
    if (duplicate) {
        if (t->isEmpty())
            return;
        for (const char *f : copied)
            values.push_back(t->value(QString::fromUtf8(f)));
    }
    d_->newMode = true;
    d_->inTrigger = true;
    try {
        if (duplicate) {
            t->insert();
            for (size_t k = 0; k < values.size(); ++k)
                t->setValue(QString::fromUtf8(copied[k]), values[k]);
            t->setValue(QStringLiteral("Nom du payeur"), QVariant());
        } else {
            RecordWindow::newRecord();
        }
    } catch (const data::Aborted &) {
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
    d_->inTrigger = false;
    d_->cotisation->opened(true);
    clearPhoto();
    d_->tabs->setCurrentIndex(0);
    d_->nom->setFocus();
    applyStateRule();
}

void TEditJoueurs::newRecord()
{
    startNew(false);
}

void TEditJoueurs::dupliquer()
{
    startNew(true);
}

void TEditJoueurs::tableStateChanged(Table::State state)
{
    Q_UNUSED(state);
    applyStateRule();
}

void TEditJoueurs::applyStateRule()
{
    Table *t = table();
    const bool browsing = t && t->isActive() && !t->isEditing();
    const bool hasRecord = browsing && !t->isEmpty();
    d_->dupliquer->setEnabled(hasRecord);
    d_->atteste->setEnabled(hasRecord);
    d_->imprimer->setEnabled(hasRecord);
    const bool record = t && t->isActive() && (t->isEditing() || !t->isEmpty());
    const bool bureau = record && t->asBool(QStringLiteral("Membre bureau"));
    const bool educ = record && t->asBool(QStringLiteral("Educateur"));
    d_->titre->setVisible(bureau);
    d_->titreLabel->setVisible(bureau);
    d_->educNum->setVisible(educ);
    d_->educLabel->setVisible(educ);
    updatePhotoFileName();
}

void TEditJoueurs::clearPhoto()
{
    d_->photo->clear();
    d_->photo->hide();
    d_->photoName.clear();
    d_->photoHelp->show();
    d_->photoFile->show();
    updatePhotoFileName();
}

void TEditJoueurs::updatePhotoFileName()
{
    Table *t = table();
    const bool record = t && t->isActive() && (t->isEditing() || !t->isEmpty());
    d_->photoFile->setText(record ? nomFichierPhoto(t->asString(kNom), t->asString(kPrenom)) : QString());
}

void TEditJoueurs::loadPhoto()
{
    Table *t = table();
    const bool record = t && t->isActive() && (t->isEditing() || !t->isEmpty());
    const QString nom = record ? t->asString(kNom) : QString();
    const QString prenom = record ? t->asString(kPrenom) : QString();
    if (prenom + nom != d_->photoName)
        clearPhoto();
    const QImage image = record ? chargePhoto(data::appFolders().photos(), nom, prenom) : QImage();
    if (image.isNull()) {
        clearPhoto();
        return;
    }
    d_->photo->setPixmap(
        QPixmap::fromImage(image.scaled(160, 190, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    d_->photoName = prenom + nom;
    d_->photo->show();
    d_->photoHelp->hide();
    d_->photoFile->hide();
}

void TEditJoueurs::ensureEditing()
{
    Table *t = table();
    if (t->isActive() && !t->isEditing())
        t->edit();
}

void TEditJoueurs::chooseBirthDate()
{
    if (!d_->naissance->button()->isEnabled())
        return;
    Table *t = table();
    if (!t->isActive() || (!t->isEditing() && t->isEmpty()))
        return;
    QDate start = t->asDate(kNaissance);
    if (!start.isValid())
        start = QDate::currentDate().addYears(-15);
    if (const auto chosen = ui::TDateForm::choose(start, this)) {
        try {
            d_->inTrigger = true;
            ensureEditing();
            t->setValue(kNaissance, *chosen);
        } catch (const data::Aborted &) {
        } catch (const data::StoreError &e) {
            ui::Messages::error(e.message(), this);
        }
        d_->inTrigger = false;
    }
    // Chosen or not, the category follows the stored date.
    categoryTrigger();
}

void TEditJoueurs::categoryTrigger()
{
    Table *t = table();
    const QDate naissance = t->isActive() ? t->asDate(kNaissance) : QDate();
    if (!naissance.isValid() || d_->inTrigger)
        return;
    d_->inTrigger = true;
    try {
        ensureEditing();
        // A paid member keeps the fee and the remaining due the payments settled.
        const bool paye = t->asBool(QStringLiteral("Paye"));
        const QVariant cotisation = t->value(QStringLiteral("Cotisation"));
        const QVariant restant = t->value(QStringLiteral("Restant du"));
        const QString categorie = TrouveLaCategorie(d_->md, *t, data::parametres(), d_->sexe->currentText(),
                                                    naissance.year(), d_->activite->currentText());
        t->setValue(QStringLiteral("Categorie"), categorie);
        if (paye) {
            t->setValue(QStringLiteral("Cotisation"), cotisation);
            t->setValue(QStringLiteral("Restant du"), restant);
        } else {
            d_->cotisation->categoryChanged();
        }
    } catch (const data::Aborted &) {
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
    d_->inTrigger = false;
}

void TEditJoueurs::sexeChanged()
{
    Table *t = table();
    if (!t->isActive() || !t->asDate(kNaissance).isValid())
        return;
    if (!t->asBool(QStringLiteral("Foot loisirs"))) {
        categoryTrigger();
        d_->cotisation->recomputeRemaining();
        return;
    }
    activiteChanged();
}

void TEditJoueurs::activiteChanged()
{
    Table *t = table();
    if (!t->isActive() || !t->asDate(kNaissance).isValid())
        return;
    const bool loisirs =
        t->asBool(QStringLiteral("Foot loisirs")) || d_->activite->currentText() == QStringLiteral("LOISIRS");
    try {
        ensureEditing();
        if (!loisirs) {
            categoryTrigger();
        } else {
            t->setValue(QStringLiteral("Type activite"), QStringLiteral("LOISIRS"));
            t->setValue(QStringLiteral("Categorie"), QStringLiteral("Loisirs"));
            if (!t->asBool(QStringLiteral("Paye")))
                t->setValue(QStringLiteral("Cotisation"), data::parametres().prixFootLoisirs.toDouble());
        }
        d_->cotisation->recomputeRemaining();
    } catch (const data::Aborted &) {
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

void TEditJoueurs::tabChanged(int index)
{
    if (d_->switchingTab)
        return;
    Table *t = table();
    if (index == d_->cotisationIndex && t->isActive() && !t->asDate(kNaissance).isValid()) {
        ui::Messages::warning(kBirthWarning, this);
        d_->switchingTab = true;
        d_->tabs->setCurrentIndex(d_->previousTab);
        d_->switchingTab = false;
        return;
    }
    d_->previousTab = index;
}

void TEditJoueurs::erase(const QString &field)
{
    try {
        ensureEditing();
        table()->setValue(field, QVariant());
    } catch (const data::Aborted &) {
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

void TEditJoueurs::step(const QString &field, int delta, int max)
{
    Table *t = table();
    if (!t->isActive() || (!t->isEditing() && t->isEmpty()))
        return;
    const qint64 value = std::clamp<qint64>(t->asInt(field) + delta, 0, max);
    if (value == t->asInt(field) && !t->isNull(field))
        return;
    try {
        ensureEditing();
        t->setValue(field, value);
    } catch (const data::Aborted &) {
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

void TEditJoueurs::openMail()
{
    const QString mail =
        table()->isActive() ? table()->asString(QStringLiteral("Mail")).trimmed() : QString();
    if (mail.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + mail + QStringLiteral("?subject=&body=")));
}

void TEditJoueurs::openRanking()
{
    const QString licence = table()->isActive() ? table()->asString(kLicence).trimmed() : QString();
    if (licence.isEmpty())
        return;
    QUrl url(kRankingPage);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("licence"), licence);
    url.setQuery(query);
    bool opened = false;
    {
        Hourglass wait;
        opened = QDesktopServices::openUrl(url);
    }
    if (!opened)
        ui::Messages::information(
            QStringLiteral(
                "Vous n'êtes pas connecté à Internet\r Connectez-vous pour pouvoir consulter son classement"),
            this);
}

void TEditJoueurs::printSheet()
{
    Table *t = table();
    if (!t->isActive() || t->isEmpty())
        return;
    QImage photo;
    if (!d_->photo->pixmap().isNull())
        photo = chargePhoto(data::appFolders().photos(), t->asString(kNom), t->asString(kPrenom));
    auto report = makeTQEditJoueur(*t, photo);
    core::report::printReport(*report, data::parametres(), this);
}

void TEditJoueurs::printAttestation()
{
    Table *t = table();
    if (!t->isActive() || t->isEmpty())
        return;
    QImage logo;
    try {
        data::OpenedTable param(d_->md.table(QStringLiteral("Param")));
        param->first();
        logo = QImage::fromData(param->asBytes(QStringLiteral("Logo")));
        auto report = makeTQAttestation(*t, logo);
        core::report::printReport(*report, data::parametres(), this);
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

void TEditJoueurs::quit()
{
    Table *t = table();
    removeHooks();
    if (t && t->isActive() && !t->isEditing() && !t->isEmpty()) {
        d_->cotisation->quitting();
        try {
            if (!t->asBool(QStringLiteral("Membre bureau")) &&
                !t->asString(QStringLiteral("Titre")).isEmpty()) {
                t->edit();
                t->setValue(QStringLiteral("Titre"), QVariant());
                t->post();
            }
        } catch (const data::StoreError &e) {
            if (t->isEditing())
                t->cancel();
            ui::Messages::error(e.message(), this);
        }
    }
    d_->cotisation->closed();
    d_->tabs->setCurrentIndex(0);
    RecordWindow::quit();
}

bool TEditJoueurs::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool dbl = event->type() == QEvent::MouseButtonDblClick;
    if (watched == d_->naissance->lineEdit() && dbl) {
        chooseBirthDate();
        return true;
    }
    if ((watched == d_->codePostal || watched == d_->ville) && press) {
        d_->villeButton->choisir();
        return true;
    }
    if (watched == d_->mail && dbl) {
        openMail();
        return true;
    }
    return RecordWindow::eventFilter(watched, event);
}

} // namespace corvane::members
