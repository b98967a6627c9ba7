#include "ui/TChercherDlg.h"

#include "ui/ChoiceComboBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::ui {

TChercherDlg::TChercherDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TChercherDlg"));
    setWindowTitle(QStringLiteral("Chercher"));

    fieldList_ = new ChoiceComboBox(this);
    fieldList_->setObjectName(QStringLiteral("ComboChamps"));
    fieldList_->setMinimumWidth(220);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("TexteAchercher"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Chercher dans :"), fieldList_);
    form->addRow(QStringLiteral("Valeur à chercher"), text_);

    search_ = new QPushButton(QStringLiteral("&Chercher"), this);
    search_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Annuler"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(search_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(fieldList_, &QComboBox::currentIndexChanged, this, &TChercherDlg::fieldChosen);
    connect(fieldList_, &ChoiceComboBox::doubleClicked, search_, &QPushButton::click);
    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString &t) { search_->setEnabled(!t.isEmpty()); });
    connect(search_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    search_->setEnabled(false);
    text_->setFocus();
}

void TChercherDlg::setFields(const QStringList &fields)
{
    fieldList_->clear();
    fieldList_->addItems(fields);
    setFieldIndex(0);
}

QStringList TChercherDlg::fields() const
{
    QStringList out;
    for (int i = 0; i < fieldList_->count(); ++i)
        out.append(fieldList_->itemText(i));
    return out;
}

void TChercherDlg::setFieldIndex(int index)
{
    if (fieldList_->count() == 0)
        return;
    fieldList_->setCurrentIndex(qBound(0, index, fieldList_->count() - 1));
    fieldChosen();
}

int TChercherDlg::fieldIndex() const
{
    return fieldList_->currentIndex();
}

void TChercherDlg::setText(const QString &text)
{
    text_->setText(text);
    text_->selectAll();
}

QString TChercherDlg::text() const
{
    return text_->text();
}

void TChercherDlg::fieldChosen()
{
    const int i = fieldList_->currentIndex();
    if (i >= 0)
        setWindowTitle(QStringLiteral("Chercher dans ") + fieldList_->itemText(i));
}

} // namespace corvane::ui
