#include "core/params/TParamForm.h"

#include "core/params/ParamLogic.h"
#include "core/params/ParamWidgets.h"
#include "core/params/TownFinder.h"
#include "data/ModuleData.h"
#include "data/Parametres.h"
#include "data/StoreError.h"
#include "ui/Dialogs.h"
#include "ui/Fields.h"
#include "ui/Messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane::core {

using data::Table;

TParamForm::TParamForm(data::ModuleData &md, QWidget *parent)
    : RecordWindow(md.table(QStringLiteral("Param")), parent)
    , md_(md)
    , tabs_(new QTabWidget(body()))
{
    setWindowTitle(QStringLiteral("Paramètrage de Corvane"));
    setObjectName(QStringLiteral("ParamForm"));
    setHelpContext(16);
    navigator()->setVisibleButtons(ui::NavButton::Post | ui::NavButton::Cancel);
    navigator()->setHint(ui::NavButton::Post, QStringLiteral("Enregistrer les modifications"));
    navigator()->setHint(ui::NavButton::Cancel, QStringLiteral("Annuler les modifications"));
    navigator()->button(ui::NavButton::Post)->setText(QStringLiteral("Sauver"));
    newButton()->hide();

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(tabs_);
    tabs_->addTab(buildClub(), QStringLiteral("Caractéristiques du club"));
    tabs_->addTab(buildLigue(), QStringLiteral("Ligue, Comité"));
    tabs_->addTab(buildImpression(), QStringLiteral("Impression, Sauvegarde"));
    comptesTab_ = tabs_->addTab(buildComptes(), QStringLiteral("Comptes"));
    tabs_->addTab(buildCotisations(), QStringLiteral("Cotisations"));
    tabs_->addTab(buildLicences(), QStringLiteral("Bordereaux de licence Fédération"));
    resize(900, 640);
}

QAbstractButton *TParamForm::button(const QString &name) const
{
    return findChild<QAbstractButton *>(name);
}

QAbstractButton *TParamForm::namedButton(QAbstractButton *b, const QString &name)
{
    b->setObjectName(name);
    return b;
}

QWidget *TParamForm::lineEdit(const QString &field)
{
    auto *e = new ui::FieldLineEdit(table(), field);
    e->setObjectName(field);
    if (table()->definition().field(field).type == data::FieldType::Text)
        e->setInputFilter(ui::InputFilter::NoSemicolon); // it would split the export files' fields
    else
        e->setMaximumWidth(120);
    controls_.insert(field, e);
    return e;
}

QWidget *TParamForm::withEraser(const QString &field, const QString &name, const QString &hint)
{
    auto *box = new QWidget;
    auto *h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    auto *edit = static_cast<ui::FieldLineEdit *>(lineEdit(field));
    auto *erase = new QToolButton(box);
    erase->setText(QStringLiteral("Effacer"));
    erase->setToolTip(hint);
    erase->setFocusPolicy(Qt::NoFocus);
    namedButton(erase, name);
    connect(erase, &QToolButton::clicked, this, [edit] {
        if (!edit->binding().value().toString().isEmpty())
            edit->binding().write(QVariant());
    });
    h->addWidget(edit, 1);
    h->addWidget(erase);
    return box;
}

QWidget *TParamForm::withTownFinder(const QString &codeField, const QString &villeField, const QString &name)
{
    auto *code = static_cast<ui::FieldLineEdit *>(lineEdit(codeField));
    code->setReadOnly(true);
    return townRow(code, lineEdit(villeField), name,
                   [this, codeField, villeField] { chooseTown(codeField, villeField); });
}

void TParamForm::chooseTown(const QString &codeField, const QString &villeField)
{
    if (!table()->isActive())
        return;
    const auto town = findTown(this, table()->asString(villeField));
    if (!town)
        return;
    try {
        if (!table()->isEditing())
            table()->edit();
        table()->setValue(codeField, town->codePostal);
        table()->setValue(villeField, town->ville);
    } catch (const data::Aborted &) {
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

QWidget *TParamForm::buildClub()
{
    auto *page = new QWidget;
    auto *h = new QHBoxLayout(page);
    auto *left = new QWidget(page);
    QFormLayout *f = paramForm(left);
    f->addRow(QStringLiteral("Nom du club"), lineEdit(QStringLiteral("Proprietaire")));
    auto *titre = new ui::FieldComboBox(table(), QStringLiteral("Titre signataire"));
    titre->setObjectName(QStringLiteral("Titre signataire"));
    controls_.insert(titre->objectName(), titre);
    lists_ << titre;
    f->addRow(QStringLiteral("Titre du signataire de l'attestation de paiement"), titre);

    auto *adresse = new QGroupBox(QStringLiteral("Adresse du club"), left);
    QFormLayout *af = paramForm(adresse);
    af->addRow(QStringLiteral("Adresse"), lineEdit(QStringLiteral("Adresse1")));
    af->addRow(QString(), lineEdit(QStringLiteral("Adresse2")));
    af->addRow(
        QStringLiteral("Code postal"),
        withTownFinder(QStringLiteral("Code postal"), QStringLiteral("Ville"), QStringLiteral("VilleClub")));
    f->addRow(adresse);

    f->addRow(QStringLiteral("Téléphone"), withEraser(QStringLiteral("Tel"), QStringLiteral("EffacerTel"),
                                                      QStringLiteral("Effacer N° téléphone")));
    f->addRow(QStringLiteral("Portable"), withEraser(QStringLiteral("Port"), QStringLiteral("EffacerPort"),
                                                     QStringLiteral("Effacer N° portable")));
    f->addRow(QStringLiteral("Fax"), withEraser(QStringLiteral("Fax"), QStringLiteral("EffacerFax"),
                                                QStringLiteral("Effacer N° Fax")));
    f->addRow(QStringLiteral("Mail"), lineEdit(QStringLiteral("Mail")));
    f->addRow(QStringLiteral("Gymnase principal"), lineEdit(QStringLiteral("Stade")));
    auto *dep = new ui::FieldComboBox(table(), QStringLiteral("Departement"));
    dep->setObjectName(QStringLiteral("Departement"));
    dep->setItems(departements());
    dep->setMaximumWidth(90);
    controls_.insert(dep->objectName(), dep);
    f->addRow(QStringLiteral("Département"), dep);
    f->addRow(QStringLiteral("Sigle du club (FFBA)"), lineEdit(QStringLiteral("Sigle club")));
    f->addRow(QStringLiteral("N° d'agrément DDJS"), lineEdit(QStringLiteral("Num agrement DDJS")));
    f->addRow(QStringLiteral("N° d'affiliation FFBA"), lineEdit(QStringLiteral("Num affiliation DDJS")));
    h->addWidget(left, 3);

    auto picture = [this](QGroupBox *group) {
        logo_ = new ui::FieldPicture(table(), QStringLiteral("Logo"), group);
        logo_->setMinimumSize(160, 160);
        logo_->setCursor(Qt::PointingHandCursor);
        logo_->setToolTip(QStringLiteral("Cliquez pour charger une image"));
        logo_->installEventFilter(this);
        controls_.insert(QStringLiteral("Logo"), logo_);
        return logo_;
    };
    QGroupBox *logos = logoGroup(
        page, picture, [this] { loadLogo(); }, [this] { logo_->clearPicture(); });
    h->addWidget(logos, 1, Qt::AlignTop);
    return page;
}

void TParamForm::loadLogo()
{
    const QString path =
        ui::Dialogs::openFile(QStringLiteral("Charger une image"), QString(), pictureFilter(), this);
    if (path.isEmpty())
        return;
    if (!logo_->loadFromFile(path))
        ui::Messages::errorYes(QStringLiteral("Le fichier « %1 » ne peut pas être lu comme une image.")
                                   .arg(QDir::toNativeSeparators(path)),
                               this);
}

QWidget *TParamForm::buildLigue()
{
    ContactEditors editors;
    editors.name = [this](const QString &field, const QString &listTable) {
        auto *nom = new ui::FieldComboBox(table(), field);
        nom->setObjectName(field);
        controls_.insert(field, nom);
        lists_ << nom;
        nom->setProperty("listTable", listTable);
        return nom;
    };
    editors.text = [this](const QString &field) { return lineEdit(field); };
    editors.phone = [this](const QString &field, const QString &eraserName, const QString &eraserHint) {
        return withEraser(field, eraserName, eraserHint);
    };
    editors.mail = [this](const QString &field, const QString &who) {
        auto *mailBox = new QWidget;
        auto *mh = new QHBoxLayout(mailBox);
        mh->setContentsMargins(0, 0, 0, 0);
        auto *mail = static_cast<ui::FieldLineEdit *>(lineEdit(field));
        auto *send = new QToolButton(mailBox);
        send->setIcon(ui::icon(ui::Icon::Mail));
        send->setToolTip(QStringLiteral("Envoyer un message à cette adresse"));
        send->setFocusPolicy(Qt::NoFocus);
        namedButton(send, QStringLiteral("Mail") + who);
        connect(send, &QToolButton::clicked, this, [mail] {
            const QUrl url = mailtoUrl(mail->binding().value().toString());
            if (url.isValid())
                QDesktopServices::openUrl(url);
        });
        mh->addWidget(mail, 1);
        mh->addWidget(send);
        return mailBox;
    };
    editors.town = [this](const QString &codeField, const QString &villeField, const QString &who) {
        return withTownFinder(codeField, villeField, QStringLiteral("Ville") + who);
    };
    return leagueContactsPage(editors);
}

QWidget *TParamForm::buildImpression()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *impression = new QGroupBox(QStringLiteral("Impression"), page);
    QFormLayout *f = paramForm(impression);
    auto *nombre = new FieldSpinBox(table(), QStringLiteral("Nombre"), 1, 5, 1);
    nombre->setObjectName(QStringLiteral("Nombre"));
    controls_.insert(nombre->objectName(), nombre);
    f->addRow(QStringLiteral("Nombre d'exemplaire à l'impression"), nombre);
    auto *preview = new ui::FieldCheckBox(table(), QStringLiteral("Previsualisation"),
                                          QStringLiteral("Prévisualisation"));
    preview->setObjectName(QStringLiteral("Previsualisation"));
    controls_.insert(preview->objectName(), preview);
    f->addRow(QString(), preview);
    v->addWidget(impression);

    auto *sauvegarde = new QGroupBox(QStringLiteral("Sauvegarde"), page);
    QFormLayout *sf = paramForm(sauvegarde);
    auto *delai = new FieldSpinBox(table(), QStringLiteral("Delai sauvegarde"), 1, 15, 1);
    delai->setObjectName(QStringLiteral("Delai sauvegarde"));
    controls_.insert(delai->objectName(), delai);
    auto *row = new QWidget(sauvegarde);
    auto *rh = new QHBoxLayout(row);
    rh->setContentsMargins(0, 0, 0, 0);
    rh->addWidget(delai);
    rh->addWidget(new QLabel(QStringLiteral("(1 à 15 jours)"), row));
    rh->addStretch();
    sf->addRow(QStringLiteral("Nombre de jours maximum avant alerte de sauvegarde"), row);
    v->addWidget(sauvegarde);
    v->addStretch();
    return page;
}

QWidget *TParamForm::buildComptes()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    auto *g = new QGridLayout;
    accountGrid(g, page);
    for (int k = 1; k <= 5; ++k) {
        g->addWidget(lineEdit(QStringLiteral("N° de compte%1").arg(k)), k, 1);
        g->addWidget(lineEdit(QStringLiteral("Compte %1").arg(k)), k, 2);
        auto *banque = new ui::FieldComboBox(table(), QStringLiteral("Banque compte %1").arg(k));
        banque->setObjectName(QStringLiteral("Banque compte %1").arg(k));
        banque->setProperty("listTable", QStringLiteral("NomBanque"));
        controls_.insert(banque->objectName(), banque);
        lists_ << banque;
        g->addWidget(banque, k, 3);
        auto *cash = new ui::FieldCheckBox(table(), QStringLiteral("Typecompte%1").arg(k), QString());
        cash->setObjectName(QStringLiteral("Typecompte%1").arg(k));
        controls_.insert(cash->objectName(), cash);
        g->addWidget(cash, k, 4, Qt::AlignCenter);
    }
    v->addLayout(g);
    v->addStretch();
    return page;
}

QWidget *TParamForm::buildCotisations()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    saison_ = boldLabel(QString(), page);
    saison_->setObjectName(QStringLiteral("SaisonTXT"));
    saison_->setAlignment(Qt::AlignCenter);
    v->addWidget(saison_);

    auto *competitions = new QGroupBox(QStringLiteral("Compétitions"), page);
    auto *g = new QGridLayout(competitions);
    amountGrid(g, competitions, categoryAmounts(md_, QStringLiteral("Prix ")),
               [this](const QString &field) { return lineEdit(field); });
    v->addWidget(competitions);

    auto *autres = new QWidget(page);
    auto *ag = new QGridLayout(autres);
    ag->setContentsMargins(0, 0, 0, 0);
    ag->addWidget(new QLabel(QStringLiteral("Cotisation éducateurs\nou dirigeants"), autres), 0, 0);
    ag->addWidget(lineEdit(QStringLiteral("Prix éducateurs")), 0, 1);
    ag->addWidget(new QLabel(QStringLiteral("Cotisation Loisirs"), autres), 0, 2);
    ag->addWidget(lineEdit(QStringLiteral("Prix Foot Loisirs")), 0, 3);
    ag->setColumnMinimumWidth(2, 160);
    ag->setColumnStretch(4, 1);
    v->addWidget(autres);

    auto *reductions = new QGroupBox(QStringLiteral("Réductions"), page);
    QFormLayout *rf = paramForm(reductions);
    for (const auto &[field, label] :
         {std::pair{QStringLiteral("Pourcentage bureau"),
                    QStringLiteral("Réduction accordée aux membres du Bureau (en %)")},
          std::pair{QStringLiteral("Pourcentage etudiant"),
                    QStringLiteral("Réduction accordée aux étudiants (en %)")}}) {
        auto *spin = new FieldSpinBox(table(), field, 0, 100, 5);
        spin->setObjectName(field);
        controls_.insert(field, spin);
        rf->addRow(label, spin);
    }
    rf->addRow(QStringLiteral("Réduction famille"), lineEdit(QStringLiteral("Reduction")));
    v->addWidget(reductions);
    v->addStretch();
    return page;
}

QWidget *TParamForm::buildLicences()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    v->addWidget(boldLabel(QStringLiteral("Montants reversés à la Fédération par type de licence"), page));
    auto *g = new QGridLayout;
    amountGrid(g, page, categoryAmounts(md_, QStringLiteral("Prix licence ")),
               [this](const QString &field) { return lineEdit(field); });
    const std::pair<const char *, const char *> others[] = {{"Prix licence Educateurs", "Licence Educateurs"},
                                                            {"Prix licence Dirigeants", "Licence Dirigeants"},
                                                            {"Prix licence Foot Loisirs", "Licence Loisirs"}};
    int row = 8;
    for (const auto &[field, label] : others) {
        auto *l = new QLabel(QString::fromUtf8(label), page);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(l, row, 0);
        g->addWidget(lineEdit(QString::fromUtf8(field)), row, 1);
        ++row;
    }
    v->addLayout(g);
    auto *note =
        new QLabel(QStringLiteral("A titre indicatif pour l'instant, une procédure automatique de génération "
                                  "de bordereau de licence pourra être mise en place éventuellement dans les "
                                  "versions prochaines du logiciel"),
                   page);
    note->setWordWrap(true);
    v->addWidget(note);
    v->addStretch();
    return page;
}

void TParamForm::prepare()
{
    for (ui::FieldComboBox *list : lists_) {
        if (list->objectName() == QLatin1String("Titre signataire"))
            list->setReferenceTable(md_.table(QStringLiteral("Titres")),
                                    {QString(), QStringLiteral("Président"), QStringLiteral("Trésorier")});
        else
            list->setReferenceTable(md_.table(list->property("listTable").toString()), {QString()});
    }
    const data::Parametres &p = data::parametres();
    saison_->setText(p.proprietaire + QStringLiteral("  -  Saison: ") + p.saison);
    table()->open();
    table()->first();
    // The rule is kept on every save, not only when leaving, so that no
    // stored settings break it.
    placeHook(Table::Event::BeforePost, [this](Table &) {
        if (!accountsAccepted())
            throw data::Aborted();
    });
}

bool TParamForm::accountsAccepted()
{
    AccountRows rows;
    for (int k = 0; k < 5; ++k)
        rows[k] = {table()->asString(QStringLiteral("Compte %1").arg(k + 1)),
                   table()->asBool(QStringLiteral("Typecompte%1").arg(k + 1))};
    const AccountProblem p = checkParamAccounts(rows);
    if (p.ok())
        return true;
    tabs_->setCurrentIndex(comptesTab_);
    if (p.kind == AccountProblem::Kind::CashWithoutName) {
        if (QWidget *name = control(QStringLiteral("Compte %1").arg(p.account)))
            name->setFocus();
        ui::Messages::warningYes(p.message, this);
    } else {
        ui::Messages::errorYes(p.message, this);
    }
    return false;
}

void TParamForm::quit()
{
    if (table()->isActive() && !table()->isEditing()) {
        if (!accountsAccepted())
            return;
        table()->close();
    }
    RecordWindow::quit();
}

void TParamForm::reject()
{
    if (quitButton()->isEnabled())
        quitButton()->click();
    else
        ui::Messages::warningYes(PendingEditWarning, this);
}

bool TParamForm::eventFilter(QObject *watched, QEvent *event)
{
    // A click on the picture loads one, as "Charger une image" does.
    if (watched == logo_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        loadLogo();
        return true;
    }
    return RecordWindow::eventFilter(watched, event);
}

void TParamForm::Affiche()
{
    showOnCurrent();
}

} // namespace corvane::core
