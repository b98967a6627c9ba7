#include "members/TSaisieDivers.h"

#include "data/ModuleData.h"
#include "data/Table.h"
#include "members/TFicheModifListe.h"
#include "ui/Modal.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::members {

namespace {

// Restores the normal cursor however the block is left.
class Sablier {
public:
    Sablier() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { fin(); }
    void fin()
    {
        if (actif_)
            QGuiApplication::restoreOverrideCursor();
        actif_ = false;
    }
    Sablier(const Sablier &) = delete;
    Sablier &operator=(const Sablier &) = delete;

private:
    bool actif_ = true;
};

// Large flat buttons read as links: blue caption, underlined under the mouse.
const char *const kStyleBoutons = R"(
QPushButton[lien="true"] {
    text-align: left;
    padding: 10px 16px;
    border: 1px solid #d4dbe6;
    border-radius: 6px;
    background: #f7f9fc;
    color: #1a56a8;
    font-size: 11pt;
}
QPushButton[lien="true"]:hover {
    background: #e8f0fb;
    border-color: #8fb0df;
    text-decoration: underline;
}
QPushButton[lien="true"]:pressed { background: #d6e4f7; }
QPushButton[lien="true"]:focus { border-color: #1a56a8; }
)";

constexpr int kColonnes = 3;

} // namespace

const QList<TSaisieDivers::Entree> &TSaisieDivers::entrees()
{
    static const QList<Entree> liste = {
        {QStringLiteral("Divisions"), QStringLiteral("Divisions")},
        {QStringLiteral("Banques"), QStringLiteral("NomBanque")},
        {QStringLiteral("Surclassements"), QStringLiteral("Surclassements")},
        {QStringLiteral("Signes distinctifs"), QStringLiteral("Distinctions")},
        {QStringLiteral("Classements"), QStringLiteral("ClassementsNom")},
        {QStringLiteral("Titres membres"), QStringLiteral("Titres")},
        {QStringLiteral("Nationalités"), QStringLiteral("Nationalites")},
        {QStringLiteral("Grades d'arbitre"), QStringLiteral("Grades")},
        {QStringLiteral("Ligues"), QStringLiteral("Ligues")},
        {QStringLiteral("Comités"), QStringLiteral("Districts")},
        {QStringLiteral("Catégories de matériels"), QStringLiteral("MatCategories")},
        {QStringLiteral("Types de matériels"), QStringLiteral("MatTypes")},
        {QStringLiteral("Couleurs"), QStringLiteral("MatCouleurs")},
        {QStringLiteral("Marques"), QStringLiteral("MatMarques")},
        {QStringLiteral("Tailles"), QStringLiteral("MatTailles")},
    };
    return liste;
}

TSaisieDivers::TSaisieDivers(data::ModuleData &md, QWidget *parent)
    : BaseWindow(parent)
    , md_(md)
{
    setObjectName(QStringLiteral("SaisieDivers"));
    setWindowTitle(QStringLiteral("Saisie d'éléments divers"));
    setHelpContext(HelpContext);

    auto *panneau = new QWidget(this);
    panneau->setObjectName(QStringLiteral("Panneau"));
    panneau->setStyleSheet(QString::fromUtf8(kStyleBoutons));
    auto *grille = new QGridLayout(panneau);
    grille->setContentsMargins(18, 18, 18, 18);
    grille->setHorizontalSpacing(12);
    grille->setVerticalSpacing(10);

    // Read along the rows, in the order of the list.
    const QList<Entree> &liste = entrees();
    for (int k = 0; k < liste.size(); ++k) {
        const Entree &e = liste[k];
        auto *b = new QPushButton(e.libelle, panneau);
        b->setObjectName(e.composant);
        b->setProperty("lien", true);
        b->setCursor(Qt::PointingHandCursor);
        b->setMinimumSize(200, 44);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setToolTip(QStringLiteral("Modifier la liste : %1").arg(e.libelle));
        connect(b, &QPushButton::clicked, this, [this, c = e.composant] { ouvre(c); });
        grille->addWidget(b, k / kColonnes, k % kColonnes);
    }
    grille->setRowStretch(int((liste.size() + kColonnes - 1) / kColonnes), 1);

    // Between the tool bar and the status line.
    mainLayout()->insertWidget(1, panneau, 1);
}

void TSaisieDivers::Affiche()
{
    showModal();
}

QPushButton *TSaisieDivers::bouton(const QString &composant) const
{
    return findChild<QPushButton *>(composant);
}

void TSaisieDivers::ouvre(const QString &composant)
{
    // The hourglass covers the loading of the list, not the time the officer
    // spends typing in the editor.
    Sablier sablier;
    TFicheModifListe editeur(this);
    editeur.charge(*md_.table(composant));
    sablier.fin();
    ui::runModal(editeur);
}

} // namespace corvane::members
