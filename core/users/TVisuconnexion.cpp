#include "core/users/TVisuconnexion.h"

#include "core/report/PrintStep.h"
#include "core/users/TQconnexions.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/StoreError.h"
#include "ui/DataGrid.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Navigator.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::core {

TVisuconnexion::TVisuconnexion(data::ModuleData &md, QWidget *parent)
    : QDialog(parent)
    , mouchard_(md.table(QStringLiteral("Mouchard")))
    , wasOpen_(mouchard_->isActive())
{
    setWindowTitle(QString::fromUtf8("Vos dernières connexions"));
    setObjectName(QStringLiteral("Visuconnexion"));
    mouchard_->open();
    mouchard_->first();

    grid_ = new ui::DataGrid(mouchard_,
                             {{QStringLiteral("Jour"), QStringLiteral("Jour"), 91},
                              {QStringLiteral("Heure entree"), QString::fromUtf8("Heure entrée"), 0},
                              {QStringLiteral("Heure sortie"), QStringLiteral("Heure sortie"), 0},
                              {QStringLiteral("Type sortie"), QStringLiteral("Type sortie"), 81},
                              {QStringLiteral("Module"), QStringLiteral("Module"), 288},
                              {QStringLiteral("Profil"), QStringLiteral("Profil"), 161}},
                             this);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    navigator_ = new ui::Navigator(mouchard_, ui::MoveButtons, this);

    auto *imprimer = new QPushButton(QStringLiteral("Imprimer la liste"), this);
    auto *aide = new QPushButton(QStringLiteral("Aide"), this);
    auto *quitter = new QPushButton(QStringLiteral("&Quitter"), this);
    for (QPushButton *b : {imprimer, aide, quitter})
        b->setAutoDefault(false);
    connect(imprimer, &QPushButton::clicked, this, &TVisuconnexion::imprimer);
    connect(aide, &QPushButton::clicked, this, [this] { ui::showHelp(62, this); });
    connect(quitter, &QPushButton::clicked, this, &QDialog::reject);

    auto *bar = new QHBoxLayout;
    bar->addWidget(navigator_);
    bar->addSpacing(12);
    bar->addWidget(imprimer);
    bar->addStretch();
    bar->addWidget(aide);
    bar->addWidget(quitter);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(grid_, 1);
    resize(900, 520);
}

TVisuconnexion::~TVisuconnexion()
{
    delete grid_;
    delete navigator_;
    // The tell-tale stays open when someone else had it open.
    if (!wasOpen_)
        mouchard_->close();
}

void TVisuconnexion::Affiche()
{
    ui::runModal(*this);
}

void TVisuconnexion::imprimer()
{
    try {
        data::ControlsDisabled quiet(*mouchard_);
        const data::Table::Bookmark here = mouchard_->bookmark();
        auto report = makeTQconnexions(*mouchard_);
        report::printReport(*report, data::parametres(), this);
        mouchard_->gotoBookmark(here);
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

} // namespace corvane::core
