#include "app/TQuarvelForm.h"

#include "app/BackgroundMusic.h"
#include "app/MainBackground.h"
#include "app/MainWork.h"
#include "app/Startup.h"
#include "app/TAusujetde.h"
#include "app/TellTale.h"
#include "core/params/TAcceuilForm.h"
#include "core/params/TParamForm.h"
#include "core/report/PrintSink.h"
#include "core/users/Login.h"
#include "core/users/Profiles.h"
#include "core/users/Rights.h"
#include "core/users/TChgMotdepasse.h"
#include "core/users/TListeProfils.h"
#include "core/users/TLoginForm.h"
#include "core/users/TVisuconnexion.h"
#include "core/users/TVoirProfil.h"
#include "data/AppFolders.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "exchange/TCodePostalForm.h"
#include "members/TSaisieDivers.h"
#include "members/playerlist/TListeJoueurs.h"
#include "ui/Help.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace corvane::app {

using ui::Messages;

namespace {

// The hourglass shows while a module prepares its data, and goes as soon
// as the module's window appears (or the module ends).
class WaitCursor : public QObject {
public:
    explicit WaitCursor(bool on)
        : on_(on)
    {
        if (on_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            qApp->installEventFilter(this);
        }
    }
    ~WaitCursor() override { release(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QDialog *>(watched))
            release();
        return false;
    }

private:
    void release()
    {
        if (!on_)
            return;
        on_ = false;
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
    bool on_;
};

} // namespace

TQuarvelForm::TQuarvelForm(data::ModuleData &md, QWidget *parent)
    : QMainWindow(parent)
    , md_(md)
{
    setObjectName(QStringLiteral("QuarvelForm"));
    setWindowTitle(QStringLiteral("Corvane"));
    // The program is left through "&Quitter" only.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto *background = new MainBackground(this);
    setCentralWidget(background);
    connect(background, &MainBackground::statusText, this, [this](const QString &t) { statusMessage(t); });
    connect(background, &MainBackground::contactClicked, this, [this] { ui::showHelp(1, this); });
    connect(background, &MainBackground::mailClicked, this, [] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:?subject=Logiciel%20Corvane%203.07")));
        QApplication::restoreOverrideCursor();
    });
    music_ = new BackgroundMusic(this);
    buildMenus();
    buildToolBar();
    registerHandlers();
    statusBar()->setSizeGripEnabled(false);
    resize(1024, 700);
}

TQuarvelForm::~TQuarvelForm() = default;

void TQuarvelForm::buildMenus()
{
    QMenu *menu = nullptr;
    QString current;
    for (const MenuEntry &e : menuEntries()) {
        const QString title = QString::fromUtf8(e.menu);
        if (title != current) {
            menu = menuBar()->addMenu(title);
            current = title;
        }
        QAction *a = menu->addAction(QString::fromUtf8(e.caption));
        a->setObjectName(QString::fromUtf8(e.caption));
        if (*e.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        a->setCheckable(e.checkable);
        a->setEnabled(false);
        const Cmd cmd = e.cmd;
        connect(a, &QAction::triggered, this, [this, cmd] {
            auto h = handlers_.value(int(cmd));
            if (h)
                h();
        });
        actions_.insert(int(e.cmd), a);
        if (e.separatorAfter)
            menu->addSeparator();
    }
}

void TQuarvelForm::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolEntry &t : toolEntries()) {
        if (!t.name) {
            bar->addSeparator();
            continue;
        }
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(t.name));
        b->setText(QString::fromUtf8(t.text));
        b->setToolTip(QString::fromUtf8(t.hint));
        b->setIcon(ui::icon(ui::Icon(t.icon)));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumSize(64, 52);
        b->setEnabled(false);
        QAction *a = actions_.value(int(t.cmd));
        connect(b, &QToolButton::clicked, a, &QAction::trigger);
        // A tool button follows the enabled state of its menu item.
        connect(a, &QAction::changed, b, [a, b] { b->setEnabled(a->isEnabled()); });
        bar->addWidget(b);
        toolButtons_.insert(b->objectName(), b);
    }
}

QToolButton *TQuarvelForm::toolButton(const QString &name) const
{
    return toolButtons_.value(name);
}

void TQuarvelForm::setHandler(Cmd cmd, std::function<void()> handler)
{
    handlers_.insert(int(cmd), std::move(handler));
    if (QAction *a = action(cmd))
        a->setEnabled(true);
}

void TQuarvelForm::registerHandlers()
{
    setHandler(Cmd::Quitter, [this] { quitPath(); });
    setHandler(Cmd::Musique, [this] { toggleMusic(); });
    setHandler(Cmd::Previsualisation, [this] { togglePreview(); });
    setHandler(Cmd::ChangementProfil, [this] { MenuChargerprofilClick(); });
    setHandler(Cmd::ConfigurerImprimante, [this] {
        // The printer chosen here is the one every report prints on.
        QPrintDialog dialog(&core::report::reportPrinter(), this);
        dialog.setWindowTitle(QStringLiteral("Configurer l'imprimante"));
        ui::runModal(dialog);
    });
    setHandler(Cmd::Repertoires, [this] {
        openModule(Cmd::Repertoires,
                   [this] { Messages::informationYes(workingFoldersMessage(data::appFolders()), this); });
    });
    setHandler(Cmd::DateHeure,
               [this] { Messages::informationYes(dateTimeMessage(QDateTime::currentDateTime()), this); });
    setHandler(Cmd::Aide, [this] { ui::showHelp(1, this); });
    setHandler(Cmd::Villes, [this] {
        // The towns have no rights row of their own.
        openModule(Cmd::Villes, [this] {
            exchange::TCodePostalForm w(md_, QLatin1Char('T'), this);
            w.Affiche();
        });
    });
    setHandler(Cmd::Divers, [this] {
        openModule(Cmd::Divers, [this] {
            members::TSaisieDivers w(md_, this);
            w.Affiche();
        });
    });
    setHandler(Cmd::GestionProfils, [this] {
        openModule(Cmd::GestionProfils, [this] {
            core::TListeProfils w(md_, data::appFolders().profils(), this);
            w.Affiche();
        });
    });
    setHandler(Cmd::VoirProfil, [this] {
        openModule(Cmd::VoirProfil, [this] {
            core::TVoirProfil w(md_, this);
            w.Affiche();
        });
    });
    setHandler(Cmd::ChangerMotDePasse, [this] {
        openModule(Cmd::ChangerMotDePasse, [this] {
            core::TChgMotdepasse w(md_, data::appFolders().profils(), profile_, this);
            w.Affiche();
        });
    });
    setHandler(Cmd::Connexions, [this] {
        // No tell-tale record for this one.
        openModule(Cmd::Connexions, [this] {
            core::TVisuconnexion w(md_, this);
            w.Affiche();
        });
    });
    setHandler(Cmd::APropos, [this] { showAbout(); });
    registerParametrage([this] {
        core::TParamForm w(md_, this);
        w.Affiche();
    });
    setHandler(Cmd::Assistant, [this] { runWizard(); });
    registerJoueurs([this] {
        members::TListeJoueurs w(md_, core::currentRights().letter(menuEntry(Cmd::Joueurs).row), this);
        w.Affiche();
    });
}

void TQuarvelForm::runWizard()
{
    openModule(
        Cmd::Assistant,
        [this] {
            core::TAcceuilForm w(md_, this);
            w.Affiche();
        },
        [this] {
            // The wizard rewrote the settings: every window reads the new ones.
            storeVersion(md_);
            data::chargeParametres(md_);
            data::chargeCategories(md_);
            static_cast<MainBackground *>(centralWidget())->setClubName(data::parametres().proprietaire);
            setCaption(QStringLiteral("Corvane  -  Saison "));
        });
}

void TQuarvelForm::registerSeasonClosing(std::function<void()> window)
{
    setHandler(Cmd::CloturerSaison, [this, window] {
        if (closingNeedsBackup(md_)) {
            Messages::warningYes(QStringLiteral("Procéder à la sauvegarde de vos données actuelles\ravant "
                                                "d'effectuer la clôture de la saison."),
                                 this);
            return;
        }
        openModule(Cmd::CloturerSaison, window, [this] {
            data::chargeParametres(md_);
            setCaption(QStringLiteral("Corvane 3  -  Saison "));
        });
    });
}

void TQuarvelForm::registerParametrage(std::function<void()> window)
{
    setHandler(Cmd::Parametrage, [this, window] {
        const AccountNames before = data::parametres().compte;
        openModule(Cmd::Parametrage, window, [this, before] {
            data::chargeParametres(md_);
            propagateAccountNames(md_, before, data::parametres().compte);
            static_cast<MainBackground *>(centralWidget())->setClubName(data::parametres().proprietaire);
        });
    });
}

void TQuarvelForm::registerJoueurs(std::function<void()> window)
{
    setHandler(Cmd::Joueurs,
               [this, window] { openModule(Cmd::Joueurs, window, [this] { rebuildDistinctions(md_); }); });
}

void TQuarvelForm::registerSelectionList(Cmd cmd, std::function<void()> window)
{
    std::function<bool(const data::RecordView &)> condition;
    switch (cmd) {
    case Cmd::Impayes:
        condition = [](const data::RecordView &r) {
            return r.asMoney(QStringLiteral("Restant du")).units() > 0;
        };
        break;
    case Cmd::Certificats:
        condition = [](const data::RecordView &r) { return !r.asBool(QStringLiteral("Certificat")); };
        break;
    case Cmd::Autorisations:
        condition = [](const data::RecordView &r) {
            return !r.asBool(QStringLiteral("Autorisation parentale"));
        };
        break;
    default:
        break;
    }
    setHandler(cmd, [this, cmd, window, condition] {
        openModule(cmd, [this, window, condition] {
            fillTableListe(md_, condition);
            window();
        });
    });
}

void TQuarvelForm::registerEtiquettes(std::function<void()> window)
{
    setHandler(Cmd::Etiquettes, [this, window] {
        openModule(Cmd::Etiquettes, [this, window] {
            ajouteJoueursInEtiquette(md_);
            window();
        });
    });
}

void TQuarvelForm::openModule(Cmd cmd, const std::function<void()> &run, const std::function<void()> &after)
{
    const MenuEntry &e = menuEntry(cmd);
    const QString module = QString::fromUtf8(e.module);
    const bool spy = !module.isEmpty();
    try {
        if (spy)
            espionne(md_, module, profile_);
        {
            WaitCursor wait(e.wait);
            run();
        }
        if (after)
            after();
    } catch (const data::StoreError &err) {
        Messages::error(err.message(), this);
    } catch (const std::exception &err) {
        Messages::error(
            QStringLiteral("Une erreur inattendue s'est produite :\r%1").arg(QString::fromUtf8(err.what())),
            this);
    }
    if (spy) {
        try {
            majEspion(md_, profile_);
        } catch (const data::StoreError &err) {
            Messages::error(err.message(), this);
        }
    }
}

void TQuarvelForm::statusMessage(const QString &text)
{
    statusBar()->showMessage(text);
}

void TQuarvelForm::setCaption(const QString &prefix)
{
    setWindowTitle(prefix + data::parametres().saison);
}

bool TQuarvelForm::createWorkingFolders()
{
    data::AppFolders &f = data::appFolders();
    const bool profilesExisted = QDir(f.profils()).exists();
    // In the order the program has always created them.
    for (const QString &dir :
         {f.sauvegarde(), f.exports(), f.imports(), f.photos(), f.photosMateriels(), f.profils(),
          f.convocations(), f.courriers(), f.modeles(), f.fichiersExcel()}) {
        if (!QDir().mkpath(dir)) {
            Messages::errorYes(
                QStringLiteral("Impossible de créer le dossier de travail « %1 ».\rVérifiez que vous "
                               "avez le droit d'écrire dans le dossier des données.")
                    .arg(QDir::toNativeSeparators(dir)),
                this);
            return false;
        }
    }
    if (!profilesExisted) {
        try {
            core::ProfileFiles::ensureDelivered(f.profils());
        } catch (const data::StoreError &err) {
            Messages::errorYes(err.message(), this);
            return false;
        }
    }
    return true;
}

bool TQuarvelForm::InitialiseApplication()
{
    if (started_)
        return true;
    started_ = true;
    try {
        const bool musicOn = BackgroundMusic::storedState();
        action(Cmd::Musique)->setChecked(musicOn);
        if (musicOn)
            music_->setOn(true);

        const QString dossier = QDir::toNativeSeparators(data::appFolders().root());
        if (QSettings settings; settings.value(QStringLiteral("Dossier")).toString() != dossier)
            settings.setValue(QStringLiteral("Dossier"), dossier);
        if (!createWorkingFolders())
            return false;

        if (!checkAfterAbnormalExit(md_, profile_, [this](const QString &t) { statusMessage(t); }))
            return false;
        statusMessage(QString());

        // The settings and the seasons are read by each step below: loaded once.
        const data::OpenedTable param(md_.table(QStringLiteral("Param")));
        const data::OpenedTable exercice(md_.table(QStringLiteral("Exercice")));
        seedFirstRun(md_, QDate::currentDate(), [this] {
            return Messages::confirm(
                QStringLiteral("La saison actuelle n'est pas encore terminée.\rSouhaitez-vous "
                               "paramétrer le logiciel directement pour la prochaine saison ?"),
                this);
        });
        storeVersion(md_);
        data::chargeParametres(md_);
        data::chargeCategories(md_);
        action(Cmd::Previsualisation)->setChecked(data::parametres().previsualisation);

        auto *background = static_cast<MainBackground *>(centralWidget());
        background->setVersionText(data::VersionText);
        background->setClubName(data::parametres().proprietaire);
        applyRights(core::Rights::fromRows(core::readRightsTable(*md_.table(QStringLiteral("Droits")))));

        const QString reminder = lateSeasonReminder(data::parametres(), QDate::currentDate());
        if (!reminder.isEmpty())
            Messages::informationYes(reminder, this);
        trimTellTale(md_);
        setCaption(QStringLiteral("Corvane  -  Saison "));
    } catch (const data::StoreError &err) {
        Messages::errorYes(err.message(), this);
        return false;
    }
    if (endBeforeLogin_) {
        quitPath();
        return true;
    }
    if (!MenuChargerprofilClick())
        return false;
    // A club not yet described is described first, once the officer is
    // known; the wizard keeps coming back until it is completed.
    if (data::parametres().premiereFois)
        runWizard();
    return true;
}

bool TQuarvelForm::MenuChargerprofilClick()
{
    const QString previous = profile_;
    core::TLoginForm login(md_, data::appFolders().profils(), this);
    if (!login.Affiche()) {
        quitPath();
        return false;
    }
    profile_ = login.profile();
    try {
        core::applyLogin(md_, previous, profile_);
    } catch (const data::StoreError &err) {
        Messages::error(err.message(), this);
    }
    applyRights(core::currentRights());
    return true;
}

void TQuarvelForm::applyRights(const core::Rights &rights)
{
    for (const MenuEntry &e : menuEntries()) {
        QAction *a = action(e.cmd);
        const bool available = handlers_.contains(int(e.cmd));
        if (e.cmd == Cmd::GestionProfils)
            a->setEnabled(available && rights.fullRights());
        else
            a->setEnabled(available && !(e.row > 0 && rights.none(e.row)));
    }
}

void TQuarvelForm::togglePreview()
{
    data::Parametres &p = data::parametres();
    p.previsualisation = !p.previsualisation;
    action(Cmd::Previsualisation)->setChecked(p.previsualisation);
    try {
        data::OpenedTable param(md_.table(QStringLiteral("Param")));
        param->first();
        param->edit();
        param->setValue(QStringLiteral("Previsualisation"), p.previsualisation);
        param->post();
        previewUnsaved_ = false;
    } catch (const data::StoreError &err) {
        previewUnsaved_ = true; // written again at quit
        Messages::error(err.message(), this);
    }
}

void TQuarvelForm::toggleMusic()
{
    const bool on = !music_->isOn();
    BackgroundMusic::storeState(on);
    action(Cmd::Musique)->setChecked(on);
    music_->setOn(on);
}

void TQuarvelForm::showAbout()
{
    TAusujetde about(md_, this);
    ui::runModal(about);
}

void TQuarvelForm::quitPath()
{
    if (quitting_)
        return;
    try {
        // The settings are those of the snapshot, reloaded after every
        // window that changes them; the preview switch is written when it is
        // ticked, and again here only if that write failed.
        if (previewUnsaved_) {
            data::OpenedTable param(md_.table(QStringLiteral("Param")));
            param->first();
            if (!param->isEmpty()) {
                param->edit();
                param->setValue(QStringLiteral("Previsualisation"), data::parametres().previsualisation);
                param->post();
            }
            previewUnsaved_ = false;
        }
        const int delay = data::parametres().delaiSauvegarde;
        const auto backup = handlers_.value(int(Cmd::Sauvegarder));
        if (backup && backupReminderDue(md_, delay) && Messages::confirm(backupReminderText(delay), this))
            backup();
        closeTellTale(md_, profile_);
    } catch (const data::StoreError &err) {
        Messages::error(err.message(), this);
    }
    music_->setOn(false);
    quitting_ = true;
    close();
    QApplication::quit();
}

void TQuarvelForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!started_) {
        // After the window is on screen, as the first activation does.
        QTimer::singleShot(0, this, [this] {
            if (!InitialiseApplication() && !quitting_) {
                quitting_ = true;
                QApplication::exit(1);
            }
        });
    }
}

void TQuarvelForm::closeEvent(QCloseEvent *event)
{
    // The title-bar close box does nothing: "&Quitter" leaves the program.
    if (quitting_)
        event->accept();
    else
        event->ignore();
}

void TQuarvelForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        if (Messages::confirm(QStringLiteral("Etes-vous sûr de vouloir quitter Corvane ?"), this))
            quitPath();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace corvane::app
