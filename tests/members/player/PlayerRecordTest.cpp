#include "members/player/TEditJoueurs.h"

#include "core/report/Page.h"
#include "data/AppFolders.h"
#include "members/Categorie.h"
#include "members/player/Photo.h"
#include "members/player/PlayerSheets.h"
#include "tests/members/fee/FeeFixture.h"
#include "ui/Fields.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/TDateForm.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>

using namespace corvane;
using members::TEditJoueurs;

namespace {

// The record window over the fee fixture's member "DURAND Paul", with the
// fixture's settings (season ending 2027) as the program's for the test.
class PlayerRecordTest : public test::FeeFixture {
protected:
    PlayerRecordTest()
        : saved(data::parametres())
    {
        p.anneeSaison = 2027;
        p.anneeCourante = 2026;
        p.proprietaire = QStringLiteral("Volants de Rennes");
        p.saison = QStringLiteral("2026-2027");
        p.ville = QStringLiteral("Rennes");
        p.signataire = QStringLiteral("Jeanne MARTIN");
        p.titreSignataire = QStringLiteral("Présidente");
        p.identiteClub = QStringLiteral("Volants de Rennes - 2 rue du Stade   - 35000  Rennes");
        p.ligneEnregistrement = QStringLiteral("N° agrément DDJS: 35-123");
        data::parametres() = p;
        savedRoot = data::appFolders().root();
        data::appFolders().setRoot(fx.dir());
    }
    ~PlayerRecordTest() override
    {
        data::parametres() = saved;
        data::appFolders().setRoot(savedRoot);
    }

    template <typename T> static T *child(QDialog &d, const QString &name)
    {
        T *w = d.findChild<T *>(name);
        if (!w)
            throw std::runtime_error(name.toStdString());
        return w;
    }
    static TEditJoueurs &window(QDialog &d) { return dynamic_cast<TEditJoueurs &>(d); }
    static void quit(QDialog &d) { window(d).quitButton()->click(); }

    std::unique_ptr<data::Table> stored()
    {
        auto t = std::make_unique<data::Table>(&md().session(), QStringLiteral("Joueurs"));
        t->open();
        return t;
    }

    data::Parametres saved;
    QString savedRoot;
    ui::ScriptedModals *modals_ = nullptr;
    ui::ScriptedMessages messages;
};

TEST_F(PlayerRecordTest, NewRecordTakesItsDefaults)
{
    ui::ScriptedModals modals;
    modals.push([this](QDialog &d) {
        data::Table &j = joueurs();
        ASSERT_EQ(j.state(), data::Table::State::Insert);
        const std::pair<const char *, QVariant> expected[] = {
            {"Situation", QStringLiteral("ACTIF")},
            {"Sexe", QStringLiteral("Homme")},
            {"Date entree", QDate::currentDate()},
            {"Compte", QStringLiteral("Banque")},
            {"Autorisation publ Web", true},
            {"Surclassement", QStringLiteral("Aucun")},
            {"Equipe", QStringLiteral("xxxxxxxx")},
            {"Poste joue", QStringLiteral("Polyvalent")},
            {"Dispo", QStringLiteral("Disponible")},
            {"Pied", QStringLiteral("Indifférent")},
            {"Nationalite", QStringLiteral("Française")},
            {"Type activite", QStringLiteral("COMPETITION")},
            {"Classement DM", QStringLiteral("NC")},
            {"Paye", false},
            {"Nb rouges", 0},
            {"Cotisation", 0.0}};
        for (const auto &[field, value] : expected)
            EXPECT_EQ(j.value(QString::fromUtf8(field)), value) << field;
        EXPECT_TRUE(j.isNull(QStringLiteral("Nom du payeur")));
        EXPECT_FALSE(window(d).quitButton()->isEnabled());
        EXPECT_FALSE(child<QToolButton>(d, QStringLiteral("Dupliquer"))->isEnabled());
        window(d).navigator()->click(ui::NavButton::Cancel);
        quit(d);
    });
    TEditJoueurs w(md());
    w.AfficheNouveau();
    EXPECT_EQ(modals.pending(), 0);
    EXPECT_EQ(stored()->recordCount(), 1);
    EXPECT_EQ(messages.texts(), QStringList()); // every choice list filled without a store error
}

TEST_F(PlayerRecordTest, DupliquerCopiesTheFamilyPartAndEmptiesThePayer)
{
    joueurs().edit();
    for (const auto &[f, v] :
         {std::pair{"Adresse1", "Bât. B"}, std::pair{"Tel", "02-99-00-00-01"},
          std::pair{"Mail", "durand@exemple.fr"}, std::pair{"Nom prevenir 1", "Marie DURAND"},
          std::pair{"Tel prevenir 2", "06-00-00-00-02"}, std::pair{"Nom du payeur", "DURAND Paul"},
          std::pair{"Num license", "0654321"}, std::pair{"Commentaires", "à ne pas copier"}})
        joueurs().setValue(QString::fromUtf8(f), QString::fromUtf8(v));
    joueurs().post();

    ui::ScriptedModals modals;
    modals.push([this](QDialog &d) {
        child<QToolButton>(d, QStringLiteral("Dupliquer"))->click();
        data::Table &j = joueurs();
        ASSERT_TRUE(j.isEditing());
        for (const char *f : {"Nom", "Adresse", "Adresse1", "Code postal", "Ville", "Tel", "Mail",
                              "Nom prevenir 1", "Tel prevenir 2"})
            EXPECT_FALSE(j.asString(QString::fromUtf8(f)).isEmpty()) << f;
        EXPECT_EQ(j.asString(QStringLiteral("Nom")), QStringLiteral("DURAND"));
        EXPECT_EQ(j.asString(QStringLiteral("Adresse1")), QStringLiteral("Bât. B"));
        EXPECT_EQ(j.asString(QStringLiteral("Tel prevenir 2")), QStringLiteral("06-00-00-00-02"));
        // Everything else from the new-record defaults; no payer.
        EXPECT_TRUE(j.asString(QStringLiteral("Nom du payeur")).isEmpty());
        EXPECT_TRUE(j.asString(QStringLiteral("Prenom")).isEmpty());
        EXPECT_TRUE(j.asString(QStringLiteral("Num license")).isEmpty());
        EXPECT_TRUE(j.asString(QStringLiteral("Commentaires")).isEmpty());
        EXPECT_EQ(j.asString(QStringLiteral("Equipe")), QStringLiteral("xxxxxxxx"));

        j.setValue(QStringLiteral("Prenom"), QStringLiteral("Lucie"));
        j.setValue(QStringLiteral("Date de naissance"), QDate(2012, 3, 1));
        window(d).navigator()->click(ui::NavButton::Post);
        EXPECT_FALSE(j.isEditing()) << messages.texts().join('|').toStdString();
        quit(d);
    });
    TEditJoueurs w(md());
    w.Affiche();
    auto s = stored();
    ASSERT_EQ(s->recordCount(), 2);
    ASSERT_TRUE(s->locate(QStringLiteral("Prenom"), {QStringLiteral("Lucie")}));
    EXPECT_EQ(s->asString(QStringLiteral("Mail")), QStringLiteral("durand@exemple.fr"));
    // The payer was filled by the default rule at the post, from the new first name.
    EXPECT_EQ(s->asString(QStringLiteral("Nom du payeur")), QStringLiteral("DURAND Lucie"));
    EXPECT_EQ(s->asDate(QStringLiteral("Date modification")), QDate::currentDate());
}

TEST_F(PlayerRecordTest, OpeningOnAFilteredListKeepsTheMemberCurrent)
{
    fx.addPlayer(QStringLiteral("ALBERT"), QStringLiteral("Anne"), {{"Num license", QStringLiteral("111")}});
    fx.addPlayer(QStringLiteral("ZOLA"), QStringLiteral("Emile"), {{"Num license", QStringLiteral("999")}});
    data::Table &j = joueurs();
    j.refresh();
    j.addFilterCondition(QStringLiteral("Nom"), data::Table::Compare::StartsWith, QStringLiteral("Z"));
    j.setFiltered(true);
    ASSERT_EQ(j.recordCount(), 1);

    ui::ScriptedModals modals;
    modals.push([&j](QDialog &d) {
        EXPECT_FALSE(j.filtered());
        EXPECT_EQ(j.recordCount(), 3);
        EXPECT_EQ(j.asString(QStringLiteral("Nom")), QStringLiteral("ZOLA"));
        EXPECT_EQ(child<ui::FieldLineEdit>(d, QStringLiteral("Nom"))->text(), QStringLiteral("ZOLA"));
        quit(d);
    });
    TEditJoueurs w(md());
    w.Affiche();
    EXPECT_EQ(modals.pending(), 0);
}

TEST_F(PlayerRecordTest, CotisationTabWaitsForTheBirthDateWhichSetsTheCategory)
{
    ui::ScriptedModals modals;
    const QString expected = members::classe(members::litCategories(md(), QStringLiteral("Homme")), p, 2014,
                                             QStringLiteral("COMPETITION"))
                                 .categorie;
    ASSERT_FALSE(expected.isEmpty());
    modals.push([&, this](QDialog &d) {
        auto *tabs = child<QTabWidget>(d, QStringLiteral("Onglets"));
        tabs->setCurrentIndex(2);
        tabs->setCurrentIndex(1);
        EXPECT_EQ(tabs->currentIndex(), 2); // back where it came from
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Warning);
        EXPECT_EQ(messages.shown()[0].text,
                  ui::withLineBreaks(
                      QStringLiteral("Vous devez d'abord mettre la date de naissance avant\rde vouloir "
                                     "traiter les aspects cotisations")));

        // The birth-date picker opens fifteen years back; choosing a date sets the category at once.
        modals.push([](QDialog &picker) {
            auto &form = dynamic_cast<ui::TDateForm &>(picker);
            EXPECT_EQ(form.date(), QDate::currentDate().addYears(-15));
            form.setDate(QDate(2014, 5, 20));
            form.chooseButton()->click();
        });
        child<ui::FieldDateEdit>(d, QStringLiteral("Date de naissance"))->button()->click();
        EXPECT_EQ(joueurs().asString(QStringLiteral("Categorie")), expected);

        tabs->setCurrentIndex(1);
        EXPECT_EQ(tabs->currentIndex(), 1);
        EXPECT_EQ(messages.shown().size(), 1u);
        window(d).navigator()->click(ui::NavButton::Cancel);
        quit(d);
    });
    TEditJoueurs w(md());
    w.AfficheNouveau();
    EXPECT_EQ(modals.pending(), 0);
}

TEST_F(PlayerRecordTest, APaidMemberKeepsItsFeeWhenTheBirthDateChanges)
{
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Paye"), true);
    joueurs().setValue(QStringLiteral("Restant du"), 0.0);
    joueurs().post();

    ui::ScriptedModals modals;
    modals.push([this](QDialog &d) {
        modals_->push([](QDialog &picker) {
            auto &form = dynamic_cast<ui::TDateForm &>(picker);
            form.setDate(QDate(2014, 5, 20)); // a young member's category, a cheaper fee
            form.chooseButton()->click();
        });
        child<ui::FieldDateEdit>(d, QStringLiteral("Date de naissance"))->button()->click();
        data::Table &j = joueurs();
        EXPECT_NE(j.asString(QStringLiteral("Categorie")), QStringLiteral("Seniors"));
        EXPECT_EQ(j.asMoney(QStringLiteral("Cotisation")), data::Money::fromDouble(120));
        EXPECT_EQ(j.asMoney(QStringLiteral("Restant du")), data::Money());
        window(d).navigator()->click(ui::NavButton::Cancel);
        quit(d);
    });
    modals_ = &modals;
    TEditJoueurs w(md());
    w.Affiche();
    EXPECT_EQ(modals.pending(), 0);
}

TEST_F(PlayerRecordTest, LeavingSettlesACoveredFeeAndDropsAStrayTitle)
{
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Cotisation"), 0.0);
    joueurs().setValue(QStringLiteral("Restant du"), 0.0);
    joueurs().setValue(QStringLiteral("Titre"), QStringLiteral("Trésorier"));
    joueurs().setValue(QStringLiteral("Membre bureau"), true);
    joueurs().post();
    const int receipts = receiptCount();

    ui::ScriptedModals modals;
    modals.push([](QDialog &d) {
        EXPECT_TRUE(child<ui::FieldComboBox>(d, QStringLiteral("Titre"))->isVisibleTo(&d));
        // The committee tick lives on the fee tab.
        auto *bureau = d.findChild<QCheckBox *>(QStringLiteral("Membre bureau"));
        ASSERT_NE(bureau, nullptr);
        bureau->click();
        EXPECT_FALSE(child<ui::FieldComboBox>(d, QStringLiteral("Titre"))->isVisibleTo(&d));
        window(d).navigator()->click(ui::NavButton::Post);
        quit(d);
    });
    TEditJoueurs w(md());
    w.Affiche();
    EXPECT_EQ(modals.pending(), 0);
    auto s = stored();
    EXPECT_TRUE(s->asBool(QStringLiteral("Paye")));
    EXPECT_FALSE(s->asBool(QStringLiteral("Membre bureau")));
    EXPECT_TRUE(s->asString(QStringLiteral("Titre")).isEmpty());
    EXPECT_EQ(receiptCount(), receipts); // marked paid, no receipt
}

TEST_F(PlayerRecordTest, ArrowsStayInTheirRangeAndEraseButtonsEmptyTheNumber)
{
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Nb jaunes"), 29);
    joueurs().setValue(QStringLiteral("Nb rouges"), 0);
    joueurs().setValue(QStringLiteral("Port"), QStringLiteral("06-11-22-33-44"));
    joueurs().post();

    ui::ScriptedModals modals;
    modals.push([this](QDialog &d) {
        data::Table &j = joueurs();
        auto click = [&d](const char *name, int times) {
            for (int k = 0; k < times; ++k)
                child<QToolButton>(d, QString::fromUtf8(name))->click();
        };
        click("Nb jaunes +", 3);
        EXPECT_TRUE(j.isEditing()); // the first click put the record in editing
        EXPECT_EQ(j.asInt(QStringLiteral("Nb jaunes")), 30);
        click("Nb rouges -", 2);
        EXPECT_EQ(j.asInt(QStringLiteral("Nb rouges")), 0);
        click("Nb rouges +", 20);
        EXPECT_EQ(j.asInt(QStringLiteral("Nb rouges")), 15);
        click("Nb matchs +", 2);
        click("Nb matchs -", 1);
        EXPECT_EQ(j.asInt(QStringLiteral("Nb matchs")), 1);
        window(d).navigator()->click(ui::NavButton::Post);

        click("Effacer Port", 1);
        EXPECT_TRUE(j.isEditing());
        EXPECT_TRUE(j.asString(QStringLiteral("Port")).isEmpty());
        window(d).navigator()->click(ui::NavButton::Post);
        quit(d);
    });
    TEditJoueurs w(md());
    w.Affiche();
    auto s = stored();
    EXPECT_EQ(s->asInt(QStringLiteral("Nb jaunes")), 30);
    EXPECT_EQ(s->asInt(QStringLiteral("Nb rouges")), 15);
    EXPECT_TRUE(s->asString(QStringLiteral("Port")).isEmpty());
}

TEST_F(PlayerRecordTest, SheetAndAttestationCarryTheRightTexts)
{
    joueurs().edit();
    joueurs().setValue(QStringLiteral("Accompte 1"), 50.0);
    joueurs().setValue(QStringLiteral("Date accompte 1"), QDate(2026, 10, 1));
    joueurs().setValue(QStringLiteral("Compte 1"), QStringLiteral("Banque"));
    joueurs().setValue(QStringLiteral("Accompte 2"), 0.0);
    joueurs().setValue(QStringLiteral("Date modification"), QDate(2026, 11, 5));
    joueurs().post();

    const auto sheet = members::makeTQEditJoueur(joueurs(), QImage(), p).get()->layout();
    ASSERT_EQ(sheet.pageCount(), 1);
    const core::report::Page &page = sheet.pages[0];
    const QStringList texts = page.texts();
    for (const char *t :
         {"DURAND Paul", "Adresse:", "Personnes à prévenir:", "Cotisation:", "Equipement:",
          "Infos supplémentaires:", "Sanctions:", "Accompte 1:", "Volants de Rennes  -  Saison: 2026-2027"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    EXPECT_FALSE(texts.contains(QStringLiteral("Accompte 2:")));
    EXPECT_FALSE(texts.contains(QStringLiteral("N° de licence éducateur ou dirigeant: ")));
    EXPECT_EQ(page.text(QStringLiteral("DerniereModification")),
              QStringLiteral("Dernière modification de la fiche le 05/11/2026"));
    for (const auto &item : page.items)
        EXPECT_FALSE(item.kind == core::report::PageItem::Kind::Text && item.overflows &&
                     !item.text.startsWith(QStringLiteral("Volants")))
            << item.text.toStdString();

    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    const auto attestation = members::makeTQAttestation(joueurs(), logo, p, QDate(2026, 11, 6))->layout();
    ASSERT_EQ(attestation.pageCount(), 1);
    const core::report::Page &a = attestation.pages[0];
    EXPECT_EQ(a.text(QStringLiteral("Titre")), QStringLiteral("ATTESTATION DE PAIEMENT"));
    EXPECT_EQ(a.text(QStringLiteral("Identite")), p.identiteClub);
    EXPECT_EQ(a.text(QStringLiteral("SaisonTXT")), QStringLiteral("Volants de Rennes  -  Saison: 2026-2027"));
    EXPECT_EQ(
        a.text(QStringLiteral("Phrase")),
        QStringLiteral(
            "Je soussigné, Jeanne MARTIN , Présidente du club de Badminton Volants de Rennes, certifie "
            "que la personne désignée ci-dessous est inscrite pour l'activité Badminton dans notre club."));
    EXPECT_EQ(a.text(QStringLiteral("Membre")), QStringLiteral("DURAND Paul"));
    EXPECT_EQ(a.text(QStringLiteral("Lieu")), QStringLiteral("Rennes, le 06/11/2026"));
    EXPECT_TRUE(a.contains(QStringLiteral("Délivrée pour faire valoir ce que de droit.")));
    EXPECT_EQ(a.text(QStringLiteral("QRDDJS")), p.ligneEnregistrement);
    EXPECT_EQ(a.text(QStringLiteral("QRVersion")), data::VersionText);
    EXPECT_NE(a.item(QStringLiteral("Logo")), nullptr);
}

// The photo folder with pictures written under the given names; "bad" files
// hold no picture.
class PhotoTest : public ::testing::Test {
protected:
    void put(const QString &name, QColor colour)
    {
        QImage image(8, 10, QImage::Format_RGB32);
        image.fill(colour);
        const QString format = name.endsWith(QStringLiteral("bmp"), Qt::CaseInsensitive) ? "BMP" : "JPG";
        ASSERT_TRUE(image.save(dir.filePath(name), format.toLatin1()));
    }
    void putBad(const QString &name)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("pas une image");
    }
    QTemporaryDir dir;
};

TEST_F(PhotoTest, JpegWinsInAnyCaseAndAnUnreadableOneIsPassedOver)
{
    using members::chargePhoto;
    put(QStringLiteral("DURANDPaul.BMP"), Qt::red);
    EXPECT_EQ(chargePhoto(dir.path(), QStringLiteral("DURAND"), QStringLiteral("Paul")).pixelColor(0, 0),
              QColor(Qt::red));
    put(QStringLiteral("DURANDPaul.jpg"), Qt::white);
    const QImage jpg = chargePhoto(dir.path(), QStringLiteral("DURAND"), QStringLiteral("Paul"));
    EXPECT_GT(jpg.pixelColor(0, 0).green(), 200); // white, not red
    EXPECT_EQ(members::fichiersPhoto(dir.path(), QStringLiteral("DURAND"), QStringLiteral("Paul")).size(), 2);

    putBad(QStringLiteral("MARTINJean.JPG"));
    EXPECT_TRUE(chargePhoto(dir.path(), QStringLiteral("MARTIN"), QStringLiteral("Jean")).isNull());
    put(QStringLiteral("MARTINJean.bmp"), Qt::red);
    EXPECT_EQ(chargePhoto(dir.path(), QStringLiteral("MARTIN"), QStringLiteral("Jean")).pixelColor(0, 0),
              QColor(Qt::red));
    EXPECT_TRUE(chargePhoto(dir.path(), QStringLiteral("ABSENT"), QStringLiteral("Nul")).isNull());
    EXPECT_EQ(members::nomFichierPhoto(QStringLiteral("DURAND"), QStringLiteral("Paul")),
              QStringLiteral("DURANDPaul.jpg"));
}

TEST_F(PhotoTest, NamesThatCouldLeaveTheFolderHaveNoPhoto)
{
    // A picture beside the photo folder that a crafted name would reach.
    QDir(dir.path()).mkdir(QStringLiteral("Photos"));
    put(QStringLiteral("secret.jpg"), Qt::red);
    put(QStringLiteral("Photos/..jpg"), Qt::red);
    const QString photos = dir.filePath(QStringLiteral("Photos"));
    const std::pair<const char *, const char *> names[] = {
        {"../secret", ""}, {"..", "/secret"}, {"", "..\\secret"}, {"a/b", "c"}, {".", "."}, {"", ""}};
    for (const auto &[nom, prenom] : names) {
        EXPECT_TRUE(
            members::fichiersPhoto(photos, QString::fromUtf8(nom), QString::fromUtf8(prenom)).isEmpty())
            << nom << "|" << prenom;
    }
}

} // namespace
