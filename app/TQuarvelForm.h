#pragma once

#include "app/MainMenu.h"

#include <QHash>
#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QToolButton;

namespace corvane::data {
class ModuleData;
}
namespace corvane::core {
class Rights;
}

namespace corvane::app {

class BackgroundMusic;

// The main window: menus and tool bar, the start-up routine, the tell-tale
// around every module, the login and the quit path. It dispatches; the work
// lives in the logic units and in each module's window.
class TQuarvelForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TQuarvelForm(data::ModuleData &md, QWidget *parent = nullptr);
    ~TQuarvelForm() override;

    // Runs once, at the first showing. False when the program must end (the
    // error has been shown).
    bool InitialiseApplication();

    // The window-opening convention of every menu handler: tell-tale record,
    // hourglass until the module's window shows, the module, then the
    // follow-up and the record closed.
    void openModule(Cmd cmd, const std::function<void()> &run, const std::function<void()> &after = {});

    // Makes a command available: its menu item and tool button run `handler`.
    // A command without a handler stays disabled whatever the rights.
    void setHandler(Cmd cmd, std::function<void()> handler);
    QAction *action(Cmd cmd) const { return actions_.value(int(cmd)); }
    QToolButton *toolButton(const QString &name) const;

    // The modules whose menu items do more than open their window: the
    // season closing needs a recent backup and renames the caption; the
    // parameters carry renamed accounts into the ledgers; the player list
    // rebuilds the distinctions; the follow-up lists and the labels fill
    // their work tables first.
    void registerSeasonClosing(std::function<void()> window);
    void registerParametrage(std::function<void()> window);
    void registerJoueurs(std::function<void()> window);
    void registerSelectionList(Cmd cmd, std::function<void()> window);
    void registerEtiquettes(std::function<void()> window);

    void applyRights(const core::Rights &rights);
    bool MenuChargerprofilClick();
    void quitPath();

    QString profile() const { return profile_; }
    bool quitting() const { return quitting_; }
    // Ends the program where the login would open (start-up measurement).
    void setEndBeforeLogin(bool on) { endBeforeLogin_ = on; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void registerHandlers();
    void runWizard();
    void setCaption(const QString &prefix);
    void statusMessage(const QString &text);
    bool createWorkingFolders();
    void togglePreview();
    void toggleMusic();
    void showAbout();

    data::ModuleData &md_;
    QHash<int, QAction *> actions_;
    QHash<int, std::function<void()>> handlers_;
    QHash<QString, QToolButton *> toolButtons_;
    QLabel *labelVersion_ = nullptr;
    BackgroundMusic *music_ = nullptr;
    QString profile_;
    bool started_ = false;
    bool endBeforeLogin_ = false;
    bool previewUnsaved_ = false;
    bool quitting_ = false;
    bool rightsAllowGestion_ = false;
};

} // namespace corvane::app
