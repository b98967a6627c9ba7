#include "tests/ui/KitFixture.h"

#include "data/OpenedTable.h"
#include "ui/Fields.h"
#include "ui/ListEditor.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/TDateForm.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace corvane;
using corvane::test::KitTest;
using data::Table;

namespace {

using FieldWidgetsTest = KitTest;

TEST_F(FieldWidgetsTest, LineEditFollowsTheCursorWithoutEditing)
{
    ui::FieldLineEdit nom(personnes.get(), QStringLiteral("Nom"));
    QSignalSpy edited(personnes.get(), &Table::stateChanged);
    EXPECT_EQ(nom.text(), QStringLiteral("Bernard"));
    personnes->next();
    EXPECT_EQ(nom.text(), QStringLiteral("Durand"));
    personnes->last();
    EXPECT_EQ(nom.text(), QStringLiteral("Martin"));
    EXPECT_EQ(personnes->state(), Table::State::Browse);
    EXPECT_EQ(edited.count(), 0);

    // A value set by the program shows, and is no user change.
    personnes->edit();
    personnes->setValue(QStringLiteral("Nom"), QStringLiteral("Martinez"));
    EXPECT_EQ(nom.text(), QStringLiteral("Martinez"));
    personnes->cancel();
    EXPECT_EQ(nom.text(), QStringLiteral("Martin"));
}

TEST_F(FieldWidgetsTest, TypingPutsTheRecordInEditingAndKeepsWhatIsTyped)
{
    ui::FieldLineEdit ville(personnes.get(), QStringLiteral("Ville"));
    ville.show();
    ville.setFocus();
    ville.setCursorPosition(ville.text().size());
    QTest::keyClicks(&ville, QStringLiteral(" sur Mer "));
    EXPECT_EQ(personnes->state(), Table::State::Edit);
    // The store drops the trailing blank; the box keeps it while typing.
    EXPECT_EQ(ville.text(), QStringLiteral("Rennes sur Mer "));
    EXPECT_EQ(personnes->asString(QStringLiteral("Ville")), QStringLiteral("Rennes sur Mer"));
    personnes->post();
    EXPECT_EQ(ville.text(), QStringLiteral("Rennes sur Mer"));
}

TEST_F(FieldWidgetsTest, AmountTypedWithAFullStopIsStoredExactly)
{
    ui::FieldLineEdit solde(personnes.get(), QStringLiteral("Solde"));
    solde.show();
    solde.setFocus();
    QTest::keyClicks(&solde, QStringLiteral("12.5"));
    EXPECT_EQ(solde.text(), QStringLiteral("12,5"));
    ASSERT_TRUE(personnes->isEditing());
    personnes->post();
    EXPECT_EQ(personnes->asMoney(QStringLiteral("Solde")), data::Money::fromUnits(125000));
    EXPECT_EQ(solde.text(), QStringLiteral("12,50"));
}

TEST_F(FieldWidgetsTest, NumbersShowAsStoredAndAnUnfinishedOneIsNotDropped)
{
    personnes->edit();
    personnes->setValue(QStringLiteral("Age"), -3);
    personnes->post();
    ui::FieldLineEdit age(personnes.get(), QStringLiteral("Age"));
    EXPECT_EQ(age.text(), QStringLiteral("-3")) << "shown as stored, though no minus can be typed";

    ui::FieldLineEdit solde(personnes.get(), QStringLiteral("Solde"));
    solde.show();
    solde.setFocus();
    QTest::keyClicks(&solde, QStringLiteral("-"));
    EXPECT_EQ(personnes->state(), Table::State::Edit)
        << "the first keystroke edits, though \"-\" is no number yet";
    ui::ScriptedMessages messages;
    QFocusEvent leave(QEvent::FocusOut); // leaving the box with something that is not an amount
    QApplication::sendEvent(&solde, &leave);
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("« - » n'est pas une valeur valide pour le champ « Solde ».")});
    EXPECT_EQ(solde.text(), QString());
}

TEST_F(FieldWidgetsTest, ARefusedEditPutsTheValueBack)
{
    data::HookGuard refuse(*personnes, Table::Event::BeforeEdit, [](Table &) { throw data::Aborted(); });
    ui::FieldLineEdit nom(personnes.get(), QStringLiteral("Nom"));
    nom.show();
    nom.setFocus();
    QTest::keyClicks(&nom, QStringLiteral("x"));
    EXPECT_EQ(personnes->state(), Table::State::Browse);
    EXPECT_EQ(nom.text(), QStringLiteral("Bernard"));
}

TEST_F(FieldWidgetsTest, ReadOnlyWidgetsChangeNothing)
{
    ui::FieldLineEdit nom(personnes.get(), QStringLiteral("Nom"));
    ui::FieldCheckBox actif(personnes.get(), QStringLiteral("Actif"), QStringLiteral("Actif"));
    nom.setReadOnly(true);
    actif.setReadOnly(true);
    nom.show();
    actif.show();
    QTest::keyClicks(&nom, QStringLiteral("x"));
    QTest::mouseClick(&actif, Qt::LeftButton);
    EXPECT_EQ(personnes->state(), Table::State::Browse);
    EXPECT_TRUE(actif.isChecked());
}

TEST_F(FieldWidgetsTest, CheckBoxAndMemoReportOnlyUserChanges)
{
    ui::FieldCheckBox actif(personnes.get(), QStringLiteral("Actif"), QStringLiteral("Actif"));
    ui::FieldMemo ville(personnes.get(), QStringLiteral("Ville"));
    actif.show();
    personnes->next();
    EXPECT_EQ(personnes->state(), Table::State::Browse);
    EXPECT_TRUE(actif.isChecked());
    actif.click();
    EXPECT_EQ(personnes->state(), Table::State::Edit);
    EXPECT_FALSE(personnes->asBool(QStringLiteral("Actif")));
    personnes->cancel();
    EXPECT_TRUE(actif.isChecked());

    ville.show();
    ville.setFocus();
    QTest::keyClicks(&ville, QStringLiteral("X"));
    EXPECT_EQ(personnes->state(), Table::State::Edit);
    EXPECT_TRUE(personnes->asString(QStringLiteral("Ville")).contains(QLatin1Char('X')));
}

class ComboTest : public KitTest {
protected:
    void SetUp() override
    {
        KitTest::SetUp();
        liste = db.open(QStringLiteral("Liste"));
        for (const char *v : {"Rennes", "Brest", "Vannes"}) {
            liste->append();
            liste->setValue(QStringLiteral("Nom"), QString::fromUtf8(v));
            liste->post();
        }
        liste->close();
    }
    void TearDown() override { ui::setListEditor({}); }
    std::unique_ptr<Table> liste;
};

TEST_F(ComboTest, ItemsComeFromTheReferenceListInStoredOrderAfterTheLeadingOnes)
{
    ui::FieldComboBox ville(personnes.get(), QStringLiteral("Ville"));
    ville.setReferenceTable(liste.get(), {QString(), QStringLiteral("Aucun")});
    QStringList items;
    for (int i = 0; i < ville.count(); ++i)
        items << ville.itemText(i);
    EXPECT_EQ(items, (QStringList{QString(), QStringLiteral("Aucun"), QStringLiteral("Rennes"),
                                  QStringLiteral("Brest"), QStringLiteral("Vannes")}));
    EXPECT_FALSE(liste->isActive()) << "the reference table is left closed as it was";
    EXPECT_EQ(ville.currentText(), QStringLiteral("Rennes")); // the default value of Ville

    // Typing chooses nothing; a choice in the list is a change.
    ville.show();
    ville.setFocus();
    QTest::keyClicks(&ville, QStringLiteral("Brest"));
    EXPECT_EQ(personnes->state(), Table::State::Browse);
    ville.setCurrentIndex(3);
    emit ville.activated(3);
    EXPECT_EQ(personnes->state(), Table::State::Edit);
    EXPECT_EQ(personnes->asString(QStringLiteral("Ville")), QStringLiteral("Brest"));
}

TEST_F(ComboTest, DoubleClickOpensTheListEditorThenRefillsKeepingTheValue)
{
    int opened = 0;
    ui::setListEditor([&](Table &t, QWidget *) {
        ++opened;
        EXPECT_EQ(t.tableName(), QStringLiteral("Liste"));
        data::OpenedTable open(&t);
        t.first();
        t.edit();
        t.setValue(0, QStringLiteral("Rennes-Ouest"));
        t.post();
        return true;
    });
    ui::FieldComboBox ville(personnes.get(), QStringLiteral("Ville"));
    ville.setReferenceTable(liste.get());
    ville.show();
    QTest::mouseDClick(ville.lineEdit(), Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(ville.itemText(0), QStringLiteral("Rennes-Ouest"));
    // The record still says "Rennes", and the list shows it.
    EXPECT_EQ(ville.currentText(), QStringLiteral("Rennes"));
    EXPECT_EQ(personnes->state(), Table::State::Browse);
}

TEST_F(FieldWidgetsTest, DateButtonOpensThePickerAndStoresTheChosenDate)
{
    ui::FieldDateEdit naissance(personnes.get(), QStringLiteral("Naissance"));
    naissance.show();
    EXPECT_TRUE(naissance.lineEdit()->isReadOnly());
    ui::ScriptedModals modals;
    QDate shownOnOpen;
    modals.push([&](QDialog &d) {
        auto &form = dynamic_cast<ui::TDateForm &>(d);
        shownOnOpen = form.date();
        form.setDate(QDate(2001, 3, 14));
        form.chooseButton()->click();
    });
    naissance.button()->click();
    EXPECT_EQ(shownOnOpen, QDate::currentDate()) << "an empty date opens on today";
    EXPECT_EQ(personnes->state(), Table::State::Edit);
    EXPECT_EQ(personnes->asDate(QStringLiteral("Naissance")), QDate(2001, 3, 14));
    EXPECT_EQ(naissance.lineEdit()->text(), QStringLiteral("14/03/2001"));

    // Cancelled: nothing changes; a double click opens it too.
    modals.push([](QDialog &d) { dynamic_cast<ui::TDateForm &>(d).cancelButton()->click(); });
    QTest::mouseDClick(naissance.lineEdit(), Qt::LeftButton);
    EXPECT_EQ(modals.shown().size(), 2);
    EXPECT_EQ(personnes->asDate(QStringLiteral("Naissance")), QDate(2001, 3, 14));

    naissance.setReadOnly(true);
    QTest::mouseDClick(naissance.lineEdit(), Qt::LeftButton);
    EXPECT_EQ(modals.shown().size(), 2);
}

TEST_F(FieldWidgetsTest, PictureLoadsScalesAndClears)
{
    db.session().createTable(data::TableBuilder(QStringLiteral("Photos"))
                                 .text(QStringLiteral("Nom"))
                                 .picture(QStringLiteral("Photo")));
    auto photos = db.open(QStringLiteral("Photos"));
    ui::FieldPicture photo(photos.get(), QStringLiteral("Photo"));
    photo.resize(100, 100);
    EXPECT_FALSE(photo.hasPicture());

    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("pas-une-image.png"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    EXPECT_FALSE(photo.loadFromFile(bad));
    EXPECT_FALSE(photos->isEditing());

    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString good = dir.filePath(QStringLiteral("rouge.png"));
    ASSERT_TRUE(red.save(good));
    EXPECT_TRUE(photo.loadFromFile(good));
    EXPECT_TRUE(photos->isEditing());
    photos->post();
    EXPECT_EQ(photo.image().size(), QSize(40, 20));
    const QImage shown = photo.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(50, 50)), QColor(Qt::red)) << "scaled into the frame, centred";

    EXPECT_TRUE(photo.clearPicture());
    photos->post();
    EXPECT_TRUE(photos->isNull(QStringLiteral("Photo")));
    EXPECT_FALSE(photo.hasPicture());
}

} // namespace
