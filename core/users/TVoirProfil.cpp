#include "core/users/TVoirProfil.h"

#include "core/users/RightsGrid.h"
#include "data/ModuleData.h"
#include "data/Table.h"
#include "ui/Modal.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::core {

TVoirProfil::TVoirProfil(data::ModuleData &md, QWidget *parent)
    : QDialog(parent)
    , droits_(std::make_unique<data::Table>(&md.session(), QStringLiteral("Droits"),
                                            QStringLiteral("VoirDroits")))
{
    setWindowTitle(QStringLiteral("Profil de l'utilisateur"));
    setObjectName(QStringLiteral("VoirProfil"));
    droits_->open();
    droits_->first();
    // The password row is the first in the order of entry; its `Options`
    // (the key) is unique, so the filter hides that row alone.
    const QString password = droits_->eof() ? QString() : droits_->asString(QStringLiteral("Options"));
    if (!droits_->eof())
        droits_->setFilterPredicate([password](const data::RecordView &r) {
            return r.asString(QStringLiteral("Options")) != password;
        });

    grid_ = new RightsGrid(droits_.get(), this);
    auto *quitter = new QPushButton(QStringLiteral("Quitter"), this);
    quitter->setAutoDefault(false);
    connect(quitter, &QPushButton::clicked, this, &QDialog::reject);
    auto *bar = new QHBoxLayout;
    bar->addStretch();
    bar->addWidget(quitter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(makeRightsLegend(this));
    layout->addLayout(bar);
    resize(680, 720);
}

TVoirProfil::~TVoirProfil()
{
    delete grid_;
}

void TVoirProfil::Affiche()
{
    ui::runModal(*this);
}

} // namespace corvane::core
