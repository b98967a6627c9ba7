#include "members/TFicheModifListe.h"

#include "data/Table.h"
#include "members/ListeReference.h"
#include "ui/Help.h"
#include "ui/ListEditor.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/TextEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace corvane::members {

TFicheModifListe::TFicheModifListe(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFicheModifListe"));
    setWindowTitle(QStringLiteral("Modification de la liste"));
    resize(420, 460);

    texte_ = new ui::FilteredTextEdit(this);
    texte_->setObjectName(QStringLiteral("Memo"));
    texte_->setInputFilter(ui::InputFilter::NoSemicolon);
    texte_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texte_->setLineWrapMode(QPlainTextEdit::NoWrap);
    texte_->setTabChangesFocus(true);

    auto *maxi = new QLabel(QStringLiteral("Nombre de caractères maxi pour chaque champ:"), this);
    taille_ = new QLabel(this);
    QFont bold = taille_->font();
    bold.setBold(true);
    taille_->setFont(bold);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(maxi);
    sizeRow->addWidget(taille_);
    sizeRow->addStretch(1);

    fermer_ = new QPushButton(QStringLiteral("Fermer"), this);
    annuler_ = new QPushButton(QStringLiteral("Annuler"), this);
    aide_ = new QPushButton(QStringLiteral("Aide"), this);
    for (QPushButton *b : {fermer_, annuler_, aide_})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(aide_);
    buttons->addStretch(1);
    buttons->addWidget(fermer_);
    buttons->addWidget(annuler_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(texte_, 1);
    layout->addLayout(sizeRow);
    layout->addLayout(buttons);

    connect(fermer_, &QPushButton::clicked, this, &TFicheModifListe::FermerClick);
    connect(annuler_, &QPushButton::clicked, this, &QDialog::reject);
    connect(aide_, &QPushButton::clicked, this, [this] { ui::showHelp(HelpContext, this); });
}

void TFicheModifListe::charge(data::Table &table)
{
    table_ = &table;
    texte_->setPlainText(loadList(table).join(QLatin1Char('\n')));
    setWindowTitle(listTitle(table));
    const int size = listFieldSize(table);
    taille_->setText(size > 0 ? QString::number(size) : QStringLiteral("illimité"));
    texte_->moveCursor(QTextCursor::Start);
    texte_->setFocus();
}

bool TFicheModifListe::Affiche(data::Table &table)
{
    charge(table);
    return ui::runModal(*this) == QDialog::Accepted;
}

void TFicheModifListe::FermerClick()
{
    if (!table_) {
        reject();
        return;
    }
    const QStringList lines = splitLines(texte_->toPlainText());
    const ListProblem problem = saveList(*table_, lines);
    switch (problem.kind) {
    case ListProblem::Kind::None:
        accept();
        return;
    case ListProblem::Kind::EmptyLine:
    case ListProblem::Kind::TooLong:
        ui::Messages::error(problem.message, this);
        break;
    case ListProblem::Kind::Duplicate:
        ui::Messages::warning(problem.message, this);
        break;
    case ListProblem::Kind::StoreFailure:
        if (!problem.message.isEmpty())
            ui::Messages::error(problem.message, this);
        break;
    }
    selectLine(problem.line);
}

void TFicheModifListe::selectLine(int line)
{
    if (line < 0)
        return;
    // splitLines drops nothing before the last line, so line numbers match blocks.
    const QTextBlock block = texte_->document()->findBlockByNumber(line);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    texte_->setTextCursor(cursor);
    texte_->setFocus();
}

void TFicheModifListe::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        ui::showHelp(HelpContext, this);
        return;
    }
    QDialog::keyPressEvent(event);
}

void registerListEditor()
{
    ui::setListEditor([](data::Table &table, QWidget *parent) {
        TFicheModifListe editor(parent);
        return editor.Affiche(table);
    });
}

} // namespace corvane::members
