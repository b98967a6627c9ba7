#include "app/HelpWindow.h"
#include "app/MainWork.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "app/TCorvaneForm.h"
#include "app/TQuarvelForm.h"
#include "core/params/TownFinder.h"
#include "core/params/WizardPages.h"
#include "data/AppFolders.h"
#include "data/DataFolder.h"
#include "data/ModuleData.h"
#include "data/Session.h"
#include "data/StoreError.h"
#include "exchange/ChoisirVille.h"
#include "members/TFicheModifListe.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/ProgramStyle.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <future>

using namespace corvane;

namespace {

QString dataFolderFromArguments(const QStringList &args)
{
    const int i = args.indexOf(QStringLiteral("--donnees"));
    if (i >= 0 && i + 1 < args.size())
        return args.at(i + 1);
    const QString env = qEnvironmentVariable("CORVANE_DONNEES");
    if (!env.isEmpty())
        return env;
    return QDir::home().filePath(QStringLiteral("Corvane"));
}

void installFrenchTranslations(QApplication &app)
{
    for (const char *name : {"qtbase_fr", "qt_fr"}) {
        auto *t = new QTranslator(&app);
        if (t->load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(t);
        else
            delete t;
    }
}

const QString SansSerif = QStringLiteral("DejaVu Sans");

// A desktop without a font of its own only names the generic family, which
// the font system then resolves anew for each style of the program's texts:
// Debian's sans serif, the one it resolves to, is named when installed.
void nameTheSansSerif(bool installed)
{
    QFont f = QApplication::font();
    if (installed && f.family() == QLatin1String("Sans Serif")) {
        f.setFamily(SansSerif);
        QApplication::setFont(f);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new ui::ProgramStyle);
    // The font system reads its configuration and lists the installed faces
    // on first use, the largest part of the start-up: it does so on a thread
    // of its own while the program prepares the rest.
    auto fonts = std::async(std::launch::async, [] { return QFontDatabase::hasFamily(SansSerif); });
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("Corvane 3"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    installFrenchTranslations(app);

    const bool measuring = QApplication::arguments().contains(QStringLiteral("--mesure-demarrage"));
    if (measuring) {
        // Nobody answers the messages of a measured start: each takes its
        // default button.
        ui::Messages::setHandler([](const ui::Message &m) {
            return m.defaultButton != ui::Button::None ? m.defaultButton : ui::Button::Ok;
        });
    }
    app::SingleInstance instance(measuring ? QStringLiteral("Corvane 3 mesure")
                                           : QStringLiteral("Corvane 3"));
    if (instance.otherIsRunning())
        return 0;

    const QString folder = QDir(dataFolderFromArguments(QApplication::arguments())).absolutePath();
    data::appFolders().setRoot(folder);
    // The data are opened while the splash window is drawn: the font
    // system's first use and the store's opening each take a visible part of
    // the start-up, and neither needs the other.
    auto opening = std::async(std::launch::async, [folder] { return app::openDataForStartUp(folder); });

    nameTheSansSerif(fonts.get());

    auto splash = std::make_unique<app::TCorvaneForm>();
    splash->show();
    QApplication::processEvents();

    data::OpenedData opened;
    try {
        opened = opening.get();
    } catch (const data::StoreError &e) {
        splash.reset();
        ui::Messages::errorYes(e.message());
        return 1;
    }
    int result = 0;
    {
        data::ModuleData md(*opened.session);
        QPointer<app::HelpWindow> help;
        ui::setHelpHandler([&help](int context, QWidget *) {
            if (!help)
                help = new app::HelpWindow;
            help->showContext(context);
        });
        members::registerListEditor();
        // The settings windows live below the towns and the main window's
        // work: both are handed to them here.
        core::setTownFinder([&md](QWidget *parent, const QString &ville) -> std::optional<core::FoundTown> {
            if (auto town = exchange::choisirVille(md, parent, ville))
                return core::FoundTown{town->codePostal, town->ville};
            return std::nullopt;
        });
        core::setAccountRenamer(app::propagateAccountNames);
        app::TQuarvelForm main(md);
        // "--mesure-demarrage" (the benchmarks): the start-up is measured up to
        // the shown main window, ready for the login; the program then ends.
        main.setEndBeforeLogin(measuring);
        QObject::connect(&instance, &app::SingleInstance::activationRequested, &main, [&main] {
            main.showNormal();
            main.raise();
            main.activateWindow();
        });
        splash.reset();
        main.showMaximized();
        result = QApplication::exec();
        delete help;
        ui::setHelpHandler(std::function<void(int, QWidget *)>());
        core::setTownFinder({});
        core::setAccountRenamer({});
        md.closeAll();
    }
    return result;
}
