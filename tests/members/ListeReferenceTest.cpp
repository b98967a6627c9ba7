#include "members/ListeReference.h"
#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/Table.h"
#include "data/tables/TableDefs.h"
#include "members/TFicheModifListe.h"
#include "tests/support/TempDataFolder.h"
#include "ui/FieldComboBox.h"
#include "ui/ListEditor.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/TextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvane;
using members::ListProblem;

namespace {

// A data file holding a few reference lists as the program defines them:
// "Titres" (unkeyed, 30 characters), "MatTailles" (keyed on its name, 15)
// and "Banque" (component "NomBanque", keyed, 50).
class ListeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"Titres", "MatTailles", "Banque"})
            db.session().createTable(*data::findTableDef(QString::fromUtf8(name)));
        titres = std::make_unique<data::Table>(&db.session(), QStringLiteral("Titres"));
        tailles = std::make_unique<data::Table>(&db.session(), QStringLiteral("MatTailles"));
        banque = std::make_unique<data::Table>(&db.session(), QStringLiteral("Banque"),
                                               QStringLiteral("NomBanque"));
        ASSERT_TRUE(
            members::saveList(*titres, {QStringLiteral("Président"), QStringLiteral("Trésorier")}).ok());
        ASSERT_TRUE(
            members::saveList(*tailles, {QStringLiteral("S"), QStringLiteral("M"), QStringLiteral("L")})
                .ok());
    }

    test::TempSession db;
    std::unique_ptr<data::Table> titres;
    std::unique_ptr<data::Table> tailles;
    std::unique_ptr<data::Table> banque;
};

TEST_F(ListeTest, SavingReplacesTheWholeListInTheOrderOfTheLines)
{
    EXPECT_EQ(members::loadList(*titres),
              (QStringList{QStringLiteral("Président"), QStringLiteral("Trésorier")}));
    EXPECT_FALSE(titres->isActive()) << "left closed as it was found";
    // Add, rename and delete in one go; the order of the lines is the stored order.
    const QStringList edited{QStringLiteral("Secrétaire"), QStringLiteral("Présidente"),
                             QStringLiteral("Membre")};
    EXPECT_TRUE(members::saveList(*titres, edited).ok());
    EXPECT_EQ(members::loadList(*titres), edited);
    // An empty text box empties the table.
    EXPECT_TRUE(members::saveList(*titres, members::splitLines(QString())).ok());
    EXPECT_TRUE(members::loadList(*titres).isEmpty());
}

TEST_F(ListeTest, LinesAreCountedAsTheEditorShowsThem)
{
    EXPECT_EQ(members::splitLines(QStringLiteral("a\nb\n")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(members::splitLines(QStringLiteral("a\n\nb")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(members::splitLines(QStringLiteral("a  \r\nb")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(members::splitLines(QStringLiteral("\n")), QStringList{QString()});
}

struct CheckCase {
    const char *name;
    QStringList lines;
    ListProblem::Kind kind;
    int line;
    const char *message;
};

void PrintTo(const CheckCase &c, std::ostream *os)
{
    *os << c.name;
}

class ListCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ListCheckTest, EmptyAndTooLongLinesAreRefused)
{
    const CheckCase c = GetParam();
    const ListProblem p = members::checkList(c.lines, 5);
    EXPECT_EQ(p.kind, c.kind);
    EXPECT_EQ(p.line, c.line);
    EXPECT_EQ(p.message, QString::fromUtf8(c.message));
}

INSTANTIATE_TEST_SUITE_P(Lines, ListCheckTest,
                         ::testing::Values(CheckCase{"ExactSize", {"abcde"}, ListProblem::Kind::None, -1, ""},
                                           CheckCase{"OneMore",
                                                     {"abcde", "abcdef"},
                                                     ListProblem::Kind::TooLong,
                                                     1,
                                                     "La longueur maximum d'un éléments ne peut dépasser 5"},
                                           CheckCase{"EmptyLine",
                                                     {"a", "", "b"},
                                                     ListProblem::Kind::EmptyLine,
                                                     1,
                                                     "Vous ne pouvez pas mettre d'éléments vides"},
                                           CheckCase{"BlanksBeforeLength",
                                                     {"abcdefgh", "   "},
                                                     ListProblem::Kind::EmptyLine,
                                                     1,
                                                     "Vous ne pouvez pas mettre d'éléments vides"},
                                           CheckCase{"NoLine", {}, ListProblem::Kind::None, -1, ""}));

TEST_F(ListeTest, ARefusedListLeavesTheTableUntouched)
{
    const QStringList before = members::loadList(*tailles);
    const QString tooLong(16, QLatin1Char('X'));
    EXPECT_EQ(members::saveList(*tailles, {QStringLiteral("XS"), tooLong}).kind, ListProblem::Kind::TooLong);
    EXPECT_TRUE(members::saveList(*tailles, {QStringLiteral("XS"), QString(15, QLatin1Char('X'))}).ok());
    EXPECT_EQ(members::loadList(*tailles).size(), 2);
    EXPECT_TRUE(members::saveList(*tailles, before).ok());

    // A duplicate in a keyed list: nothing is lost, and the table's own warning says why.
    const ListProblem p =
        members::saveList(*tailles, {QStringLiteral("XS"), QStringLiteral("M"), QStringLiteral("M")});
    EXPECT_EQ(p.kind, ListProblem::Kind::Duplicate);
    EXPECT_EQ(p.line, 2);
    EXPECT_EQ(p.message,
              QStringLiteral("Impossible de valider ce nouvel\renregistrement, car il existe déjà  !"));
    EXPECT_EQ(members::loadList(*tailles), before);

    // Also when the table was open and being looked at by a window.
    tailles->open();
    tailles->last();
    EXPECT_EQ(members::saveList(*tailles, {QStringLiteral("A"), QStringLiteral("A")}).kind,
              ListProblem::Kind::Duplicate);
    EXPECT_TRUE(tailles->isActive());
    EXPECT_EQ(tailles->recordCount(), 3);
    EXPECT_EQ(members::loadList(*tailles), before);
}

TEST_F(ListeTest, TitlesFollowTheTable)
{
    EXPECT_EQ(members::listTitle(*banque), QStringLiteral("Modification de la liste des banques"));
    EXPECT_EQ(members::listTitle(*tailles), QStringLiteral("Modification de la liste des tailles"));
    EXPECT_EQ(members::listTitle(*titres), QStringLiteral("Modification de la liste des titres"));
    data::Table plain(&db.session(), QStringLiteral("Liste"));
    EXPECT_EQ(members::listTitle(plain), QStringLiteral("Modification de la liste"));
}

// ---------------------------------------------------------------- the window

TEST_F(ListeTest, EditorLoadsTheListAndSavesOnFermer)
{
    members::TFicheModifListe editor;
    editor.charge(*banque);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Modification de la liste des banques"));
    EXPECT_EQ(editor.tailleLabel()->text(), QStringLiteral("50"));
    EXPECT_TRUE(editor.texte()->toPlainText().isEmpty());
    editor.show();
    editor.texte()->setFocus();
    QTest::keyClicks(editor.texte(), QStringLiteral("Banque;Populaire"));
    QTest::keyClick(editor.texte(), Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("Crédit;Mutuel\n"));
    editor.texte()->paste();
    EXPECT_EQ(editor.texte()->toPlainText(), QStringLiteral("BanquePopulaire\nCréditMutuel\n"));
    editor.fermerButton()->click();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(members::loadList(*banque),
              (QStringList{QStringLiteral("BanquePopulaire"), QStringLiteral("CréditMutuel")}));
}

TEST_F(ListeTest, EditorStaysOpenWithTheTextAsTypedWhenRefused)
{
    ui::ScriptedModals modals;
    ui::ScriptedMessages messages;
    QString textAfter;
    bool stillOpen = false;
    modals.push([&](QDialog &d) {
        auto &editor = dynamic_cast<members::TFicheModifListe &>(d);
        editor.texte()->setPlainText(QStringLiteral("XS\nM\nXL\nM"));
        editor.fermerButton()->click();
        stillOpen = editor.isVisible();
        textAfter = editor.texte()->toPlainText();
        EXPECT_EQ(editor.texte()->textCursor().selectedText(), QStringLiteral("M")); // the refused line
        editor.texte()->setPlainText(QStringLiteral("XS\n\nXL"));
        editor.fermerButton()->click();
        editor.annulerButton()->click();
    });
    members::registerListEditor();
    EXPECT_FALSE(ui::openListEditor(*tailles));
    ui::setListEditor({});
    EXPECT_EQ(modals.shown(), QStringList{QStringLiteral("Modification de la liste des tailles")});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(textAfter, QStringLiteral("XS\nM\nXL\nM"));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].kind, ui::MessageKind::Warning);
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("Impossible de valider ce nouvel\nenregistrement, car il existe déjà  !"));
    EXPECT_EQ(messages.shown()[1].kind, ui::MessageKind::Error);
    EXPECT_EQ(messages.shown()[1].text, QStringLiteral("Vous ne pouvez pas mettre d'éléments vides"));
    EXPECT_EQ(members::loadList(*tailles),
              (QStringList{QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("S")}));
}

TEST_F(ListeTest, ChoiceListOpensTheRegisteredEditorAndShowsTheNewList)
{
    members::registerListEditor();
    db.session().createTable(test::TempSession::personnesDef());
    data::Table personnes(&db.session(), QStringLiteral("Personnes"));
    personnes.open();
    ui::FieldComboBox ville(&personnes, QStringLiteral("Ville"));
    ville.setReferenceTable(titres.get(), {QString()});
    ui::ScriptedModals modals;
    modals.push([](QDialog &d) {
        auto &editor = dynamic_cast<members::TFicheModifListe &>(d);
        editor.texte()->appendPlainText(QStringLiteral("Entraîneur"));
        editor.fermerButton()->click();
    });
    ville.show();
    QTest::mouseDClick(ville.lineEdit(), Qt::LeftButton);
    ui::setListEditor({});
    ASSERT_EQ(ville.count(), 4);
    EXPECT_EQ(ville.itemText(3), QStringLiteral("Entraîneur"));
}

} // namespace
