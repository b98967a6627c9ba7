#include "members/playerlist/PlayerRemoval.h"
#include "tests/members/playerlist/PlayerListFixture.h"
#include "ui/Messages.h"

#include <QDir>
#include <QFile>

using namespace corvane;
using namespace corvane::members::playerlist;
using corvane::test::PlayerListTest;
using ui::Button;

namespace {

const QString AreYouSure = QStringLiteral("Etes-vous sûr de vouloir supprimer ce joueur ?\n(MARTIN Paul)");
const QString PaidFees = QStringLiteral(
    "Ce joueur a payé des cotisations.\n\nVoulez-vous les enlever de la comptabilité automatiquement ?");
const QString PhotoToo = QStringLiteral("Voulez-vous aussi supprimer sa photo ?");

// MARTIN Paul paid two instalments, receipts 11 and 12; number 11 is also
// used by an entry of another category, and receipt 13 is someone else's.
class PlayerRemovalTest : public PlayerListTest {
protected:
    void SetUp() override
    {
        PlayerListTest::SetUp();
        fx.addPlayer("AUTRE", "Jean", {{"Paye", true}, {"Num cotisation", 13}});
        fx.addPlayer("MARTIN", "Paul",
                     {{"Accompte 1", 40.0},
                      {"Paye acc1", true},
                      {"Num Accompte 1", 11},
                      {"Accompte 2", 40.0},
                      {"Paye acc2", true},
                      {"Num Accompte 2", 12},
                      {"Num Accompte 3", 14}}); // drawn, then un-paid: no receipt
        addReceipt(11);
        addReceipt(12);
        addReceipt(11, QStringLiteral("Buvette"));
        addReceipt(13);
        joueurs()->open();
        ASSERT_TRUE(joueurs()->locate(QStringLiteral("Nom"), {QStringLiteral("MARTIN")}));
    }
    void TearDown() override
    {
        joueurs()->close();
        PlayerListTest::TearDown();
    }

    RemovalOutcome remove(QStringList *status = nullptr)
    {
        return deletePlayer(fx.md(), *joueurs(), data::appFolders().photos(), nullptr,
                            [status](const QString &t) {
                                if (status)
                                    status->append(t);
                            });
    }

    void makePhoto(const QString &name)
    {
        QDir().mkpath(data::appFolders().photos());
        QFile f(QDir(data::appFolders().photos()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("photo");
    }
    bool photoExists(const QString &name) const
    {
        return QFile::exists(QDir(data::appFolders().photos()).filePath(name));
    }

    const QStringList allReceipts{"11 Buvette", "11 Cotisations", "12 Cotisations", "13 Cotisations"};
};

TEST_F(PlayerRemovalTest, TwoPaidInstalmentsGoWithTheMemberAfterTheSecondQuestion)
{
    ui::ScriptedMessages messages;
    messages.answer(Button::Yes);
    messages.answer(Button::Yes);
    QStringList status;
    EXPECT_EQ(remove(&status), RemovalOutcome::Removed);
    EXPECT_EQ(messages.texts(), QStringList({AreYouSure, PaidFees}));
    EXPECT_EQ(status, QStringList({"Retrait des éléments en comptabilité ...",
                                   "Suppression du joueur en cours ...", "Suppression du joueur effectué"}));
    EXPECT_EQ(memberNames(), QStringList({"AUTRE"}));
    // The other category's entry numbered 11 and the other member's receipt stay.
    EXPECT_EQ(receipts(), QStringList({"11 Buvette", "13 Cotisations"}));
}

TEST_F(PlayerRemovalTest, AnsweringNoKeepsEverything)
{
    for (Button first : {Button::No, Button::Yes}) {
        ui::ScriptedMessages messages;
        messages.answer(first);
        messages.answer(Button::No);
        EXPECT_EQ(remove(), RemovalOutcome::Cancelled);
        EXPECT_EQ(messages.texts().size(), first == Button::No ? 1 : 2);
        EXPECT_EQ(memberNames(), QStringList({"AUTRE", "MARTIN"}));
        EXPECT_EQ(receipts(), allReceipts);
    }
}

TEST_F(PlayerRemovalTest, AReconciledReceiptRefusesTheDeletion)
{
    addReceipt(14);
    // The receipt of a paid instalment, then that of a number drawn and un-paid.
    for (int num : {12, 14}) {
        auto mark = [&](const QString &value) {
            data::OpenedTable r(fx.md().table(QStringLiteral("Recettes")));
            ASSERT_TRUE(r->locate(QStringLiteral("Num;Poste"), {num, QStringLiteral("Cotisations")}));
            r->edit();
            r->setValue(QStringLiteral("Rapprochement"), value);
            r->post();
        };
        mark(QStringLiteral("R"));
        ui::ScriptedMessages messages;
        EXPECT_EQ(remove(), RemovalOutcome::Refused);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Confirmation);
        EXPECT_EQ(messages.shown()[0].text,
                  QStringLiteral("Ce joueur a une ou des cotisations pointée(s) sur le compte bancaire.\n\n"
                                 "Impossible de le supprimer sur cette saison, mettez le INACTIF au besoin"));
        EXPECT_EQ(memberNames(), QStringList({"AUTRE", "MARTIN"}));
        EXPECT_EQ(receipts().size(), 5);
        mark(QString());
    }
}

TEST_F(PlayerRemovalTest, AReconciledEntryOfAnotherCategoryDoesNotBlock)
{
    {
        data::OpenedTable r(fx.md().table(QStringLiteral("Recettes")));
        ASSERT_TRUE(r->locate(QStringLiteral("Num;Poste"), {11, QStringLiteral("Buvette")}));
        r->edit();
        r->setValue(QStringLiteral("Rapprochement"), QStringLiteral("R"));
        r->post();
    }
    ui::ScriptedMessages messages;
    messages.answer(Button::Yes);
    messages.answer(Button::Yes);
    EXPECT_EQ(remove(), RemovalOutcome::Removed);
    EXPECT_EQ(receipts(), QStringList({"11 Buvette", "13 Cotisations"}));
}

TEST_F(PlayerRemovalTest, ThePhotoIsOfferedOnlyWhenItIsTheMembersAlone)
{
    makePhoto("MARTINPaul.JPG");
    makePhoto("MARTINPaul.BMP");
    EXPECT_EQ(photoFiles(fx.md(), *joueurs(), data::appFolders().photos()).size(), 2);
    // Another member whose names join the same way shares the file.
    fx.addPlayer("MARTINP", "aul");
    joueurs()->refresh();
    ASSERT_TRUE(joueurs()->locate(QStringLiteral("Nom"), {QStringLiteral("MARTIN")}));
    EXPECT_TRUE(photoFiles(fx.md(), *joueurs(), data::appFolders().photos()).isEmpty());
    {
        ui::ScriptedMessages messages;
        messages.answer(Button::Yes);
        messages.answer(Button::No);
        EXPECT_EQ(remove(), RemovalOutcome::Cancelled);
    }
    ASSERT_TRUE(joueurs()->locate(QStringLiteral("Nom"), {QStringLiteral("MARTINP")}));
    joueurs()->remove();
    ASSERT_TRUE(joueurs()->locate(QStringLiteral("Nom"), {QStringLiteral("MARTIN")}));

    ui::ScriptedMessages messages;
    messages.answer(Button::Yes);
    messages.answer(Button::Yes);
    messages.answer(Button::Yes);
    EXPECT_EQ(remove(), RemovalOutcome::Removed);
    EXPECT_EQ(messages.texts(), QStringList({AreYouSure, PaidFees, PhotoToo}));
    EXPECT_FALSE(photoExists("MARTINPaul.JPG"));
    EXPECT_FALSE(photoExists("MARTINPaul.BMP"));
}

TEST_F(PlayerRemovalTest, ANameReachingOutsideThePhotoFolderHasNoPhoto)
{
    // "../Photos/" + "x" would name Photos/x.jpg from inside the folder.
    makePhoto("x.jpg");
    fx.addPlayer("../Photos/", "x");
    joueurs()->refresh();
    ASSERT_TRUE(joueurs()->locate(QStringLiteral("Nom"), {QStringLiteral("../Photos/")}));
    EXPECT_TRUE(photoFiles(fx.md(), *joueurs(), data::appFolders().photos()).isEmpty());
    ui::ScriptedMessages messages;
    messages.answer(Button::Yes);
    EXPECT_EQ(remove(), RemovalOutcome::Removed);
    EXPECT_EQ(messages.texts().size(), 1); // no photo question
    EXPECT_TRUE(photoExists("x.jpg"));
}

} // namespace
