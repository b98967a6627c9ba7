#include "exchange/TEdCodeForm.h"

#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "exchange/PostalCodeEdit.h"
#include "exchange/PostalCodes.h"
#include "ui/Fields.h"

namespace corvane::exchange {

TEdCodeForm::TEdCodeForm(data::ModuleData &md, QWidget *parent)
    : RecordWindow(md.table(QStringLiteral("Codepostaux")), parent)
    , md_(md)
{
    setWindowTitle(QStringLiteral("Saisie des villes et codes postaux"));
    setHelpContext(251);
    navigator()->setVisibleButtons(ui::NavButton::Insert | ui::NavButton::Delete | ui::EditButtons);
    navigator()->setHint(ui::NavButton::Insert, QStringLiteral("Nouvelle ville"));
    navigator()->setHint(ui::NavButton::Delete, QStringLiteral("Supprimer la ville"));
    // The navigator's insert is this window's way to start a town.
    newButton()->hide();

    code_ = new PostalCodeEdit(table(), QStringLiteral("Code postal"), this);
    code_->setMaximumWidth(90);
    addRow(QStringLiteral("Code postal"), code_);
    ville_ = new ui::FieldLineEdit(table(), QStringLiteral("Ville"), this);
    ville_->setInputFilter(ui::InputFilter::NoSemicolon);
    addRow(QStringLiteral("Ville"), ville_);
    departement_ = new ui::FieldComboBox(table(), QStringLiteral("Departement"), this);
    departement_->setItems(QStringList{QString()} + departements());
    departement_->setMaxVisibleItems(20);
    addRow(QStringLiteral("Département"), departement_);

    connect(navigator(), &ui::Navigator::clicked, this, [this](ui::NavButton b) {
        if (b == ui::NavButton::Insert)
            code_->setFocus();
    });
    resize(600, 190);
}

int TEdCodeForm::Affiche(const QString &ville)
{
    data::OpenedTable opened(table());
    if (!ville.isEmpty() && positionOnTown(*table(), ville))
        return showOnCurrent();
    code_->setFocus();
    return showOnNew();
}

} // namespace corvane::exchange
