#include "core/users/TChgMotdepasse.h"

#include "core/users/PasswordChange.h"
#include "data/StoreError.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::core {

TChgMotdepasse::TChgMotdepasse(data::ModuleData &md, const QString &profilesFolder, const QString &profile,
                               QWidget *parent)
    : QDialog(parent)
    , md_(md)
    , folder_(profilesFolder)
    , profile_(profile)
    , ancien_(new QLineEdit(this))
    , nouveau_(new QLineEdit(this))
    , verification_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Changement de mot de passe de votre profil"));
    setObjectName(QStringLiteral("ChgMotdepasse"));
    for (QLineEdit *e : {ancien_, nouveau_, verification_}) {
        e->setEchoMode(QLineEdit::Password);
        e->setMaxLength(40);
        e->setMinimumWidth(220);
    }
    auto *form = new QFormLayout;
    auto *who = new QLabel(QStringLiteral("Profil : ") + profile, this);
    who->setStyleSheet(QStringLiteral("font-weight: bold;"));
    form->addRow(who);
    form->addRow(QStringLiteral("Ancien mot de passe"), ancien_);
    form->addRow(QStringLiteral("Nouveau mot de passe"), nouveau_);
    form->addRow(QString::fromUtf8("Vérifier le mot de passe"), verification_);

    auto *buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    QPushButton *annuler = buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    QPushButton *aide = buttons->addButton(QStringLiteral("&Aide"), QDialogButtonBox::HelpRole);
    ok_->setEnabled(false);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TChgMotdepasse::valider);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(aide, &QPushButton::clicked, this, [this] { ui::showHelp(181, this); });
    for (QLineEdit *e : {ancien_, nouveau_, verification_})
        connect(e, &QLineEdit::textEdited, this, [this] { ok_->setEnabled(true); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool TChgMotdepasse::Affiche()
{
    ancien_->setFocus();
    return ui::runModal(*this) == QDialog::Accepted;
}

void TChgMotdepasse::valider()
{
    PasswordChangeResult result;
    try {
        result =
            changePassword(md_, folder_, profile_, ancien_->text(), nouveau_->text(), verification_->text());
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
        return;
    }
    switch (result) {
    case PasswordChangeResult::Mismatch:
        ui::Messages::warningYes(
            QString::fromUtf8("Le mot de passe et le mot de passe confirmé ne correspondent "
                              "pas.\rVeuillez recommencer la saisie de votre nouveau mot de "
                              "passe"),
            this);
        ok_->setEnabled(false);
        nouveau_->clear();
        verification_->clear();
        nouveau_->setFocus();
        return;
    case PasswordChangeResult::WrongPassword:
        ui::Messages::warningYes(
            QString::fromUtf8("Le mot de passe actuel de votre profil n'est pas celui-ci.\r"
                              "Veuillez le saisir à nouveau"),
            this);
        ok_->setEnabled(false);
        ancien_->clear();
        ancien_->setFocus();
        return;
    case PasswordChangeResult::Changed:
        ui::Messages::informationYes(
            QString::fromUtf8("Le nouveau mot de passe a été pris en compte pour votre profil"), this);
        accept();
        return;
    }
}

} // namespace corvane::core
