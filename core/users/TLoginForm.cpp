#include "core/users/TLoginForm.h"

#include "data/StoreError.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/Modal.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::core {

TLoginForm::TLoginForm(data::ModuleData &md, const QString &profilesFolder, QWidget *parent)
    : QDialog(parent)
    , process_(md, profilesFolder)
    , profiles_(new QComboBox(this))
    , password_(new QLineEdit(this))
    , attempts_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Prise en compte de votre profil"));
    setObjectName(QStringLiteral("LoginForm"));
    profiles_->setEditable(false);
    profiles_->setMinimumWidth(260);
    password_->setEchoMode(QLineEdit::Password);
    attempts_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Choisissez votre profil"), profiles_);
    form->addRow(QStringLiteral("Entrez votre mot de passe:"), password_);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *valider = buttons->addButton(QStringLiteral("&Valider"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    QPushButton *aide = buttons->addButton(QStringLiteral("Aide"), QDialogButtonBox::HelpRole);
    valider->setDefault(true);
    connect(valider, &QPushButton::clicked, this, &TLoginForm::valider);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(aide, &QPushButton::clicked, this, [this] { ui::showHelp(183, this); });
    // Enter in the password presses "Valider", the default button: one
    // attempt per press.
    connect(profiles_, &QComboBox::textActivated, this, &TLoginForm::chooseProfile);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(attempts_);
    layout->addWidget(buttons);
}

bool TLoginForm::Affiche()
{
    success_ = false;
    profiles_->clear();
    profiles_->addItems(process_.profiles());
    QString warning;
    const QString initial = process_.initialProfile(&warning);
    if (!warning.isEmpty())
        ui::Messages::warningYes(warning, this);
    if (!initial.isEmpty()) {
        profiles_->setCurrentText(initial);
        chooseProfile(initial);
    }
    if (process_.profiles().isEmpty()) {
        ui::Messages::error(QStringLiteral("Aucun profil d'utilisateur n'a été trouvé dans le dossier des profils :\r"
                                           "Corvane ne peut pas continuer."),
                            this);
        return false;
    }
    password_->setFocus();
    ui::runModal(*this);
    return success_;
}

void TLoginForm::chooseProfile(const QString &name)
{
    try {
        process_.choose(name);
    } catch (const data::StoreError &e) {
        ui::Messages::error(e.message(), this);
        // The damaged profile is no longer offered; the first other one is.
        const int i = profiles_->findText(name);
        if (i >= 0)
            profiles_->removeItem(i);
        if (profiles_->count() > 0 && process_.chosen().isEmpty())
            chooseProfile(profiles_->itemText(0));
    }
}

void TLoginForm::valider()
{
    switch (process_.validate(password_->text())) {
    case LoginProcess::Outcome::Accepted:
        success_ = true;
        profile_ = process_.chosen();
        accept();
        return;
    case LoginProcess::Outcome::Retry:
        password_->clear();
        attempts_->setText(process_.attemptText());
        password_->setFocus();
        return;
    case LoginProcess::Outcome::Refused:
        password_->clear();
        reject();
        return;
    }
}

} // namespace corvane::core
