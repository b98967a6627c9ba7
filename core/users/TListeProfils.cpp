#include "core/users/TListeProfils.h"

#include "core/users/RightsGrid.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::core {

TListeProfils::TListeProfils(data::ModuleData &md, const QString &profilesFolder, QWidget *parent)
    : QDialog(parent)
    , editor_(std::make_unique<ProfileEditor>(md, profilesFolder))
    , grid_(new RightsGrid(editor_->tempo(), this))
    , password_(new QLineEdit(this))
    , status_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Gestion des profils utilisateurs"));
    setObjectName(QStringLiteral("ListeProfils"));
    password_->setEchoMode(QLineEdit::Password);
    password_->setMaxLength(40);

    auto *bar = new QHBoxLayout;
    auto addButton = [this, bar](const QString &text, auto slot) {
        auto *b = new QPushButton(text, this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    addButton(QString::fromUtf8("Générer le profil"), &TListeProfils::generer);
    addButton(QStringLiteral("Charger un profil"), &TListeProfils::charger);
    addButton(QStringLiteral("Supprimer un profil"), &TListeProfils::supprimer);
    bar->addStretch();
    addButton(QStringLiteral("Aide"), [this] { ui::showHelp(184, this); });
    addButton(QStringLiteral("Quitter"), &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(QString::fromUtf8("Mot de passe associé au profil"), password_);

    connect(grid_, &RightsGrid::cellClicked, this, [this](int row, int column) {
        try {
            editor_->click(row, RightsColumn(column));
        } catch (const data::StoreError &e) {
            ui::Messages::error(e.message(), this);
        }
    });

    status_->setStyleSheet(QStringLiteral("color: #00007f;"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(form);
    layout->addWidget(grid_, 1);
    layout->addWidget(makeRightsLegend(this));
    layout->addWidget(status_);
    resize(680, 760);
}

TListeProfils::~TListeProfils()
{
    // The grid lets go of "Tempo" before the editor drops it.
    delete grid_;
}

QPushButton *TListeProfils::button(const QString &text) const
{
    for (QPushButton *b : findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

void TListeProfils::showPasswordHint()
{
    password_->clear();
    password_->setPlaceholderText(editor_->hasStoredPassword() ? QString::fromUtf8("(inchangé)") : QString());
}

void TListeProfils::Affiche()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        editor_->loadFromProfil();
    } catch (const data::StoreError &e) {
        QApplication::restoreOverrideCursor();
        ui::Messages::error(e.message(), this);
        return;
    }
    QApplication::restoreOverrideCursor();
    showPasswordHint();
    ui::runModal(*this);
}

void TListeProfils::generer()
{
    try {
        const QString name = editor_->generate(password_->text(), this);
        if (!name.isEmpty()) {
            showPasswordHint();
            status_->setText(QString::fromUtf8("Profil « %1 » enregistré").arg(name));
        }
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
    }
}

void TListeProfils::charger()
{
    QString name;
    try {
        name = editor_->load(this);
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
        return;
    }
    if (!name.isEmpty()) {
        showPasswordHint();
        status_->setText(QString::fromUtf8("Profil « %1 » chargé").arg(name));
    }
}

void TListeProfils::supprimer()
{
    const QString name = editor_->remove(this);
    if (!name.isEmpty())
        status_->setText(QString::fromUtf8("Profil « %1 » supprimé").arg(name));
}

} // namespace corvane::core
