#include "core/params/TAcceuilForm.h"

#include "core/params/ParamLogic.h"
#include "core/params/ParamWidgets.h"
#include "core/params/TownFinder.h"
#include "data/AppFolders.h"
#include "data/ModuleData.h"
#include "data/StoreError.h"
#include "ui/Dialogs.h"
#include "ui/Help.h"
#include "ui/InputFilter.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Posting.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace corvane::core {

namespace {

struct PageText {
    const char *title;
    const char *comment;
};

// clang-format off
const PageText kPages[6] = {
    {"Etape 1 / 6  -  Bienvenue",
     "Cet assistant permet de paramétrer Corvane selon les caractéristiques de votre club.\rVous pourrez toujours "
     "par la suite changer les paramètres en utilisant le menu 'Dossier/Paramètrage général'"},
    {"Etape 2 / 6  -  Caractéristiques générales du club",
     "En cours de saison vous aurez à fournir certains documents à des tiers (Adhérents, Mairie, Fédération,...) "
     "les renseignements demandés ci-dessous figureront automatiquement sur ces documents sans aucune autre "
     "intervention de votre part."},
    {"Etape 3 / 6  -  Ligue et comité du club",
     "Différents documents font référence à votre ligue ou à votre district,\rComplétez les coordonnées de "
     "celles-ci de façon à ce que les renseignements fournis soient exacts."},
    {"Etape 4 / 6  -  Caractéristiques des comptes du club",
     "Pour effectuer votre comptabilité vous pouvez utiliser jusqu'à 5 comptes.\rN'oubliez pas de mettre le solde "
     "de la saison précédente pour chaque compte de façon à ce que l'état de votre trésorerie soit correct.\rPour "
     "créer un compte de caisse, cochez \"Comptes en espèces\" pour le compte choisi (maxi 2 comptes)."},
    {"Etape 5 / 6  -  Montants des cotisations \"Compétitions\" et \"Loisirs\" (en Euros)",
     "Vous devez paramétrer les cotisations de vos adhérents pour chacune des catégories.\rQuand vous saisissez un "
     "adhérent, sa cotisation est mise à jour automatiquement à partir de ces paramètres.\rVous pouvez également "
     "appliquer une réduction aux membres du Bureau, étudiants et/ou aux familles nombreuses."},
    {"Etape 6 / 6  -  Equipes du club",
     "Afin de pouvoir affecter un joueur à une équipe (dans la fiche joueur), complètez les caractéristiques de vos "
     "équipes.\rNous vous rappelons que tous les paramètres sont modifiables par le menu 'Dossier/Paramétrage "
     "général'"},
};
// clang-format on

// Telephones are typed as five pairs of digits; a number stored in another
// shape (a foreign one) shows and stays as it is.
const QString PhoneMask = QStringLiteral("99-99-99-99-99;_");

QString digitsOf(const QString &text)
{
    QString d;
    for (QChar c : text) {
        if (c.isDigit())
            d.append(c);
    }
    return d;
}

void setPhone(QLineEdit *e, const QString &stored)
{
    const QString digits = digitsOf(stored);
    const bool fits = stored.trimmed().isEmpty() || (digits.size() == 10 && stored.size() <= 14);
    e->setInputMask(fits ? PhoneMask : QString());
    e->setText(fits ? digits : stored);
}

QString phoneText(const QLineEdit *e)
{
    if (e->inputMask().isEmpty())
        return e->text().trimmed();
    const QString digits = digitsOf(e->text());
    if (digits.size() != 10)
        return digits;
    return QStringLiteral("%1-%2-%3-%4-%5")
        .arg(digits.mid(0, 2), digits.mid(2, 2), digits.mid(4, 2), digits.mid(6, 2), digits.mid(8, 2));
}

} // namespace

TAcceuilForm::TAcceuilForm(data::ModuleData &md, QWidget *parent)
    : QDialog(parent)
    , md_(md)
    , pages_(new QStackedWidget(this))
    , title_(new QLabel(this))
    , comment_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Assistant de paramétrage de Corvane"));
    setObjectName(QStringLiteral("AcceuilForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    title_->setObjectName(QStringLiteral("TitrePage"));
    QFont tf = title_->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.3);
    title_->setFont(tf);
    title_->setStyleSheet(QStringLiteral("QLabel { background: #1f4e79; color: white; padding: 10px; }"));
    comment_->setObjectName(QStringLiteral("TexteComment"));
    comment_->setWordWrap(true);
    comment_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    comment_->setStyleSheet(QStringLiteral("QLabel { background: #fffbe6; padding: 6px; }"));
    comment_->setMinimumHeight(64);
    comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    pages_->addWidget(buildWelcome());
    pages_->addWidget(buildClub());
    pages_->addWidget(buildLigue());
    pages_->addWidget(buildComptes());
    pages_->addWidget(buildCotisations());
    pages_->addWidget(buildEquipes());

    ecran_ = new QCheckBox(QStringLiteral("Ne plus afficher cet assistant au démarrage"), this);
    ecran_->setObjectName(QStringLiteral("Ecran"));
    // Finishing the wizard normally means the club is described.
    ecran_->setChecked(true);
    previous_ = new QPushButton(QStringLiteral("<  &Précédent   "), this);
    next_ = new QPushButton(QStringLiteral("  &Suivant  >"), this);
    cancel_ = new QPushButton(QStringLiteral("&Annuler"), this);
    for (QPushButton *b : {previous_, next_, cancel_})
        b->setAutoDefault(false);
    connect(previous_, &QPushButton::clicked, this, [this] { ButtonPreviousClick(); });
    connect(next_, &QPushButton::clicked, this, [this] { ButtonNextClick(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { ButtonAnnulerClick(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ecran_);
    buttons->addStretch(1);
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addSpacing(12);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(title_);
    auto *inner = new QVBoxLayout;
    inner->setContentsMargins(10, 4, 10, 0);
    inner->addWidget(pages_, 1);
    inner->addWidget(comment_);
    inner->addLayout(buttons);
    layout->addLayout(inner, 1);
    resize(860, 640);

    RecupereParamAcceuil();
    MetAjourOnglet();
}

QString TAcceuilForm::welcomeText()
{
    const QString root = data::appFolders().root();
    QFile beside(root.isEmpty() ? QString() : QDir(root).filePath(QStringLiteral("Acceuil.txt")));
    if (!root.isEmpty() && beside.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString::fromUtf8(beside.readAll());
    QFile shipped(QStringLiteral(":/welcome/Acceuil.txt"));
    if (shipped.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString::fromUtf8(shipped.readAll());
    return {};
}

QWidget *TAcceuilForm::buildWelcome()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 8, 0, 8);
    welcome_ = new QPlainTextEdit(page);
    welcome_->setObjectName(QStringLiteral("Memo"));
    welcome_->setReadOnly(true);
    v->addWidget(welcome_);
    return page;
}

QLineEdit *TAcceuilForm::edit(const QString &key, int maxLength)
{
    auto *e = new QLineEdit;
    e->setObjectName(key);
    if (maxLength == 0) {
        const data::TableDef &def = md_.table(QStringLiteral("Param"))->definition();
        for (const data::FieldDef &f : def.fields) {
            if (f.name == key && f.type == data::FieldType::Text)
                maxLength = f.size;
        }
    }
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    ui::setInputFilter(e, ui::InputFilter::NoSemicolon);
    editors_.insert(key, e);
    return e;
}

QLineEdit *TAcceuilForm::amount(const QString &key, int maxWidth)
{
    QLineEdit *e = edit(key, 16);
    ui::setInputFilter(e, ui::InputFilter::Amount);
    e->setAlignment(Qt::AlignRight);
    e->setMaximumWidth(maxWidth);
    return e;
}

QLineEdit *TAcceuilForm::phone(const QString &key)
{
    QLineEdit *e = edit(key);
    ui::setInputFilter(e, ui::InputFilter::None); // the mask does the filtering
    e->setProperty("phone", true);
    e->setInputMask(PhoneMask);
    ui::startEmptyMaskAtFirstPosition(e);
    e->setMaximumWidth(160);
    return e;
}

QWidget *TAcceuilForm::withTownFinder(const QString &codeKey, const QString &villeKey)
{
    QLineEdit *code = edit(codeKey);
    code->setReadOnly(true);
    QLineEdit *ville = edit(villeKey);
    return townRow(code, ville, QStringLiteral("Choisir") + villeKey, [this, code, ville] {
        if (const auto town = findTown(this, ville->text())) {
            code->setText(town->codePostal);
            ville->setText(town->ville);
        }
    });
}

QWidget *TAcceuilForm::buildClub()
{
    auto *page = new QWidget;
    auto *h = new QHBoxLayout(page);
    auto *left = new QWidget(page);
    QFormLayout *f = paramForm(left);
    f->addRow(QStringLiteral("Nom du club"), edit(QStringLiteral("Proprietaire")));
    f->addRow(QStringLiteral("Adresse sociale"), edit(QStringLiteral("Adresse1")));
    f->addRow(QString(), edit(QStringLiteral("Adresse2")));
    f->addRow(QStringLiteral("Code postal"),
              withTownFinder(QStringLiteral("Code postal"), QStringLiteral("Ville")));
    f->addRow(QStringLiteral("Téléphone"), phone(QStringLiteral("Tel")));
    f->addRow(QStringLiteral("Portable"), phone(QStringLiteral("Port")));
    f->addRow(QStringLiteral("Fax"), phone(QStringLiteral("Fax")));
    f->addRow(QStringLiteral("Mail"), edit(QStringLiteral("Mail")));
    f->addRow(QStringLiteral("Nom du stade principal"), edit(QStringLiteral("Stade")));
    auto *dep = new ui::ChoiceComboBox;
    dep->setObjectName(QStringLiteral("Departement"));
    dep->addItem(QString());
    dep->addItems(departements());
    dep->setMaximumWidth(90);
    editors_.insert(dep->objectName(), dep);
    f->addRow(QStringLiteral("Département"), dep);
    f->addRow(QStringLiteral("Sigle du club"), edit(QStringLiteral("Sigle club")));
    f->addRow(QStringLiteral("N° agrément DDJS"), edit(QStringLiteral("Num agrement DDJS")));
    f->addRow(QStringLiteral("N° affiliation FFBA"), edit(QStringLiteral("Num affiliation DDJS")));
    h->addWidget(left, 3);

    auto picture = [this](QGroupBox *group) {
        logo_ = new LogoBox(group);
        logo_->setMinimumSize(150, 150);
        connect(logo_, &LogoBox::clicked, this, [this] { loadLogo(); });
        return logo_;
    };
    QGroupBox *logos = logoGroup(
        page, picture, [this] { loadLogo(); }, [this] { logo_->setBytes({}); });
    for (QPushButton *b : logos->findChildren<QPushButton *>())
        b->setAutoDefault(false);
    h->addWidget(logos, 1, Qt::AlignTop);
    return page;
}

void TAcceuilForm::loadLogo()
{
    const QString path =
        ui::Dialogs::openFile(QStringLiteral("Charger une image"), QString(), pictureFilter(), this);
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !logo_->setBytes(file.readAll()))
        ui::Messages::errorYes(QStringLiteral("Le fichier « %1 » ne peut pas être lu comme une image.")
                                   .arg(QDir::toNativeSeparators(path)),
                               this);
}

QWidget *TAcceuilForm::buildLigue()
{
    ContactEditors editors;
    editors.name = [this](const QString &field, const QString &listTable) {
        auto *nom = new ReferenceChoice(md_.table(listTable), {QString()});
        nom->setObjectName(field);
        editors_.insert(field, nom);
        return nom;
    };
    editors.text = [this](const QString &field) { return edit(field); };
    editors.phone = [this](const QString &field, const QString &, const QString &) { return phone(field); };
    editors.mail = [this](const QString &field, const QString &) { return edit(field); };
    editors.town = [this](const QString &codeField, const QString &villeField, const QString &) {
        return withTownFinder(codeField, villeField);
    };
    return leagueContactsPage(editors);
}

QWidget *TAcceuilForm::buildComptes()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *g = new QGridLayout;
    accountGrid(g, page);
    g->addWidget(boldLabel(QStringLiteral("Solde restant à la fin\nde la saison dernière"), page), 0, 5);
    for (int k = 1; k <= 5; ++k) {
        g->addWidget(edit(QStringLiteral("N° de compte%1").arg(k)), k, 1);
        editor(QStringLiteral("N° de compte%1").arg(k))->setMinimumWidth(110);
        g->addWidget(edit(QStringLiteral("Compte %1").arg(k)), k, 2);
        editor(QStringLiteral("Compte %1").arg(k))->setMinimumWidth(170);
        auto *banque = new ReferenceChoice(md_.table(QStringLiteral("NomBanque")), {QString()});
        banque->setMinimumWidth(150);
        banque->setObjectName(QStringLiteral("Banque compte %1").arg(k));
        editors_.insert(banque->objectName(), banque);
        g->addWidget(banque, k, 3);
        auto *cash = new QCheckBox; // parented by the grid, so the Tab key follows the rows
        cash->setObjectName(QStringLiteral("cash:%1").arg(k));
        editors_.insert(cash->objectName(), cash);
        g->addWidget(cash, k, 4, Qt::AlignCenter);
        g->addWidget(amount(QStringLiteral("balance:%1").arg(k), 130), k, 5);
    }
    v->addLayout(g);
    v->addStretch();
    return page;
}

QWidget *TAcceuilForm::buildCotisations()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *competitions = new QGroupBox(QStringLiteral("Compétitions"), page);
    auto *g = new QGridLayout(competitions);
    amountGrid(g, competitions, categoryAmounts(md_, QStringLiteral("Prix ")),
               [this](const QString &field) { return amount(field, 120); });
    v->addWidget(competitions);

    auto *autres = new QGroupBox(QStringLiteral("Loisirs et encadrement"), page);
    auto *ag = new QGridLayout(autres);
    const std::pair<const char *, const char *> others[] = {{"Prix éducateurs", "Educateurs\nDirigeants"},
                                                            {"Prix Foot Loisirs", "Loisirs"}};
    int col = 0;
    for (const auto &[field, label] : others) {
        auto *l = new QLabel(QString::fromUtf8(label), autres);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ag->addWidget(l, 0, col);
        ag->addWidget(amount(QString::fromUtf8(field), 120), 0, col + 1);
        col += 2;
    }
    ag->setColumnMinimumWidth(2, 160);
    ag->setColumnStretch(4, 1);
    v->addWidget(autres);

    auto *reductions = new QGroupBox(QStringLiteral("Réductions accordées"), page);
    QFormLayout *rf = paramForm(reductions);
    for (const auto &[field, label] :
         {std::pair{QStringLiteral("Pourcentage bureau"),
                    QStringLiteral("Pourcentage de réduction aux membres du bureau")},
          std::pair{QStringLiteral("Pourcentage etudiant"),
                    QStringLiteral("Pourcentage de réduction aux étudiants")}}) {
        QLineEdit *e = edit(field, 3);
        ui::setInputFilter(e, ui::InputFilter::WholeNumber);
        e->setMaximumWidth(60);
        rf->addRow(label, e);
    }
    QLineEdit *famille = edit(QStringLiteral("Reduction"), 16);
    ui::setInputFilter(famille, ui::InputFilter::Amount);
    famille->setMaximumWidth(130);
    rf->addRow(QStringLiteral("Réduction familiale (en Euros)"), famille);
    v->addWidget(reductions);
    v->addStretch();
    return page;
}

QWidget *TAcceuilForm::buildEquipes()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *g = new QGridLayout;
    g->addWidget(boldLabel(QStringLiteral("Nom de l'équipe"), page), 0, 1);
    g->addWidget(boldLabel(QStringLiteral("Division"), page), 0, 2);
    g->addWidget(boldLabel(QStringLiteral("Entraîneur"), page), 0, 3);
    for (int k = 1; k <= 5; ++k) {
        g->addWidget(new QLabel(QStringLiteral("Equipe %1").arg(k), page), k, 0);
        g->addWidget(edit(QStringLiteral("team:%1").arg(k), 15), k, 1);
        auto *division = new ReferenceChoice(md_.table(QStringLiteral("Divisions")), {QString()});
        division->setObjectName(QStringLiteral("division:%1").arg(k));
        editors_.insert(division->objectName(), division);
        g->addWidget(division, k, 2);
        g->addWidget(edit(QStringLiteral("coach:%1").arg(k), 80), k, 3);
    }
    g->setColumnStretch(1, 2);
    g->setColumnStretch(2, 2);
    g->setColumnStretch(3, 3);
    v->addLayout(g);
    auto *note =
        new QLabel(QStringLiteral("Si le club comporte plus de 5 équipes, entrez les suivantes en utilisant "
                                  "le menu 'Saisies/Equipes du club'"),
                   page);
    note->setWordWrap(true);
    v->addSpacing(12);
    v->addWidget(note);
    v->addStretch();
    return page;
}

QWidget *TAcceuilForm::textOf(const QString &key) const
{
    return editors_.value(key);
}

QString TAcceuilForm::textValue(const QString &key) const
{
    QWidget *w = textOf(key);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->property("phone").toBool() ? phoneText(e) : e->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    return {};
}

void TAcceuilForm::setText(const QString &key, const QString &text)
{
    QWidget *w = textOf(key);
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        if (e->property("phone").toBool())
            setPhone(e, text);
        else
            e->setText(text);
    } else if (auto *c = qobject_cast<ui::ChoiceComboBox *>(w)) {
        c->setShownText(text);
    }
}

void TAcceuilForm::RecupereParamAcceuil()
{
    loaded_ = loadWizard(md_);
    for (auto it = loaded_.texts.cbegin(); it != loaded_.texts.cend(); ++it)
        setText(it.key(), it.value());
    for (int k = 1; k <= 5; ++k) {
        static_cast<QCheckBox *>(editor(QStringLiteral("cash:%1").arg(k)))->setChecked(loaded_.cash[k - 1]);
        setText(QStringLiteral("balance:%1").arg(k), loaded_.balances[k - 1]);
        const WizardTeam &t = loaded_.teams[k - 1];
        setText(QStringLiteral("team:%1").arg(k), t.nom);
        setText(QStringLiteral("division:%1").arg(k), t.division);
        setText(QStringLiteral("coach:%1").arg(k), t.entraineur);
    }
    logo_->setBytes(loaded_.logo);
}

WizardValues TAcceuilForm::values() const
{
    WizardValues v = loaded_;
    for (int page = 1; page <= 4; ++page) {
        for (const WizardField &f : wizardFields(page))
            v.texts.insert(f.field, textValue(f.field));
    }
    for (int k = 1; k <= 5; ++k) {
        v.cash[k - 1] = static_cast<QCheckBox *>(editor(QStringLiteral("cash:%1").arg(k)))->isChecked();
        v.balances[k - 1] = textValue(QStringLiteral("balance:%1").arg(k));
        v.teams[k - 1] = {textValue(QStringLiteral("team:%1").arg(k)),
                          textValue(QStringLiteral("division:%1").arg(k)),
                          textValue(QStringLiteral("coach:%1").arg(k))};
    }
    v.logo = logo_->bytes();
    return v;
}

int TAcceuilForm::page() const
{
    return pages_->currentIndex();
}

QString TAcceuilForm::pageTitle() const
{
    return title_->text();
}

QString TAcceuilForm::comment() const
{
    return comment_->text();
}

void TAcceuilForm::MetAjourOnglet()
{
    const int p = page();
    title_->setText(QString::fromUtf8(kPages[p].title));
    comment_->setText(ui::withLineBreaks(QString::fromUtf8(kPages[p].comment)));
    previous_->setEnabled(p > 0);
    next_->setText(p == 5 ? QStringLiteral("&Terminer") : QStringLiteral("  &Suivant  >"));
}

void TAcceuilForm::ButtonPreviousClick()
{
    if (page() > 0) {
        pages_->setCurrentIndex(page() - 1);
        MetAjourOnglet();
    }
}

void TAcceuilForm::ButtonNextClick()
{
    const WizardProblem problem = checkWizardPage(page(), values());
    if (!problem.ok()) {
        if (QWidget *w = editor(problem.focus))
            w->setFocus();
        ui::Messages::warningYes(problem.message, this);
        return;
    }
    if (page() < 5) {
        pages_->setCurrentIndex(page() + 1);
        MetAjourOnglet();
        return;
    }
    if (finish())
        accept();
}

bool TAcceuilForm::finish()
{
    try {
        writeWizard(md_, values(), ecran_->isChecked());
        return true;
    } catch (const data::KeyViolation &e) {
        data::Table *t = md_.find(e.table());
        ui::Messages::warning(t ? ui::duplicateKeyMessage(*t) : e.message(), this);
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
    return false;
}

void TAcceuilForm::ButtonAnnulerClick()
{
    if (ui::Messages::show(ui::MessageKind::Warning,
                           QStringLiteral("Etes-vous sûr de vouloir quitter l'assistant de paramétrage ?"),
                           ui::Button::Yes | ui::Button::No, ui::Button::Yes, this) == ui::Button::Yes)
        done(QDialog::Rejected);
}

void TAcceuilForm::reject()
{
    ButtonAnnulerClick();
}

void TAcceuilForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ui::showHelp(1, this);
        return;
    }
    // Enter does not leave a page: only the buttons do.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

bool TAcceuilForm::Affiche()
{
    welcome_->setPlainText(welcomeText());
    pages_->setCurrentIndex(0);
    MetAjourOnglet();
    return ui::runModal(*this) == QDialog::Accepted;
}

} // namespace corvane::core
