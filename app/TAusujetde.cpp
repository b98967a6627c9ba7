#include "app/TAusujetde.h"

#include "app/MainBackground.h"
#include "data/AppFolders.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::app {

TAusujetde::TAusujetde(data::ModuleData &md, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("A propos de ..."));
    QString club;
    {
        data::OpenedTable param(md.table(QStringLiteral("Param")));
        param->first();
        club = param->asString(QStringLiteral("Proprietaire"));
    }
    auto *picture = new QLabel(this);
    picture->setPixmap(programPicture(QSize(160, 200)));
    auto *text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(QStringLiteral("<h2>%1</h2><p>La gestion d'un club de badminton, saison après saison : membres "
                                 "et cotisations, comptabilité, clôture des saisons, équipes et convocations, "
                                 "courriers, matériel, échanges de données.</p>%2<p>Données : <i>%3</i></p><p "
                                 "style='color:#555'>Liste nationale des codes postaux : Base Adresse Nationale "
                                 "(IGN, DINUM, ANCT), licence MIT.</p>")
                      .arg(data::VersionText.toHtmlEscaped(),
                           club.isEmpty() ? QString()
                                          : QStringLiteral("<p>Installé pour le club : <b>%1</b></p>")
                                                .arg(club.toHtmlEscaped()),
                           data::appFolders().root().toHtmlEscaped()));
    text->setMinimumWidth(340);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *row = new QHBoxLayout;
    row->addWidget(picture, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

} // namespace corvane::app
