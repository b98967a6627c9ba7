#include "tests/ui/KitFixture.h"

#include "ui/DataGrid.h"
#include "ui/Messages.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace corvane;
using corvane::test::KitTest;
using data::Table;
using ui::TableModel;

namespace {

class DataGridTest : public KitTest {
protected:
    void SetUp() override
    {
        KitTest::SetUp();
        test::TempSession::addPerson(*personnes, QStringLiteral("Arnaud"), QStringLiteral("Marc"), 50);
        personnes->first(); // Arnaud, Bernard, Durand, Martin
        grid = std::make_unique<ui::DataGrid>(
            personnes.get(), QList<ui::GridColumn>{{QStringLiteral("Nom"), QStringLiteral("Nom"), 120},
                                                   {QStringLiteral("Prenom"), {}, 100},
                                                   {QStringLiteral("Age"), QStringLiteral("Âge"), 60}});
        grid->resize(400, 300);
        grid->show();
    }

    QColor background(int row) const
    {
        return grid->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>();
    }
    QString nomAt(int row) const { return grid->model()->index(row, 0).data().toString(); }
    void clickTitle(int column)
    {
        QHeaderView *h = grid->horizontalHeader();
        const int x = h->sectionViewportPosition(column) + h->sectionSize(column) / 2;
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
    }
    void wheel(int delta)
    {
        const QPointF at = grid->viewport()->rect().center();
        QWheelEvent e(at, grid->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &e);
    }

    std::unique_ptr<ui::DataGrid> grid;
};

TEST_F(DataGridTest, RowsAlternateAndTheCurrentRecordIsTheSelectedRow)
{
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Prénom")); // the label
    EXPECT_EQ(background(0), TableModel::SelectedRowColor);
    EXPECT_EQ(grid->model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(),
              TableModel::SelectedTextColor);
    EXPECT_EQ(background(1), TableModel::EvenRowColor); // record 2
    EXPECT_EQ(background(2), TableModel::OddRowColor);  // record 3
    EXPECT_EQ(background(3), TableModel::EvenRowColor);
    EXPECT_EQ(TableModel::EvenRowColor, QColor(225, 255, 244));
    EXPECT_EQ(TableModel::SelectedRowColor, QColor(197, 209, 248));

    personnes->next();
    EXPECT_EQ(background(0), TableModel::OddRowColor);
    EXPECT_FALSE(grid->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
    EXPECT_EQ(background(1), TableModel::SelectedRowColor);
    EXPECT_EQ(grid->currentIndex().row(), 1);
    // Alignment by type when the column does not say: numbers on the right.
    EXPECT_EQ(grid->model()->index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              int(Qt::AlignRight));
}

TEST_F(DataGridTest, ClickingARowMovesTheCursorAndDoubleClickActivates)
{
    QSignalSpy activated(grid.get(), &ui::DataGrid::rowActivated);
    const QPoint third = grid->visualRect(grid->model()->index(2, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(personnes->recNo(), 3);
    EXPECT_EQ(personnes->asString(QStringLiteral("Nom")), QStringLiteral("Durand"));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(activated.count(), 1);
    // Below the last row: nothing.
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, grid->viewport()->height() - 3));
    EXPECT_EQ(activated.count(), 1);
}

TEST_F(DataGridTest, TitleClickSortsASecondClickReversesAnotherTitleKeepsTheDirection)
{
    clickTitle(2); // Âge ascending: Durand 8, Martin 12, Bernard 35, Arnaud 50
    EXPECT_EQ(personnes->orderField(), QStringLiteral("Age"));
    EXPECT_FALSE(personnes->orderDescending());
    EXPECT_EQ(nomAt(0), QStringLiteral("Durand"));
    clickTitle(2);
    EXPECT_TRUE(personnes->orderDescending());
    EXPECT_EQ(nomAt(0), QStringLiteral("Arnaud"));
    clickTitle(1); // Prénom, still descending
    EXPECT_EQ(personnes->orderField(), QStringLiteral("Prenom"));
    EXPECT_TRUE(personnes->orderDescending());
    EXPECT_EQ(nomAt(0), QStringLiteral("Durand")); // Zoé
    // The current record stays current and selected through the sorts.
    EXPECT_EQ(personnes->asString(QStringLiteral("Nom")), QStringLiteral("Arnaud"));
    EXPECT_EQ(background(personnes->recNo() - 1), TableModel::SelectedRowColor);

    grid->restoreOrder();
    EXPECT_TRUE(personnes->orderField().isEmpty());
    EXPECT_EQ(nomAt(0), QStringLiteral("Arnaud"));
}

TEST_F(DataGridTest, WheelMovesOneRecordPerStep)
{
    wheel(-120);
    EXPECT_EQ(personnes->recNo(), 2);
    wheel(-120);
    EXPECT_EQ(personnes->recNo(), 3);
    wheel(120);
    EXPECT_EQ(personnes->recNo(), 2);
    wheel(-60); // half a step: nothing yet
    EXPECT_EQ(personnes->recNo(), 2);
    wheel(-60);
    EXPECT_EQ(personnes->recNo(), 3);
    wheel(120 * 5); // past the first record: stops there
    EXPECT_EQ(personnes->recNo(), 1);
}

TEST_F(DataGridTest, AnEditInProgressIsPostedBeforeTheCursorMovesAndARefusalKeepsIt)
{
    personnes->edit();
    personnes->setValue(QStringLiteral("Prenom"), QStringLiteral("Hugo")); // Arnaud Hugo: fine
    wheel(-120);
    EXPECT_EQ(personnes->state(), Table::State::Browse);
    EXPECT_EQ(personnes->recNo(), 2);

    ui::ScriptedMessages messages;
    personnes->edit();
    personnes->setValue(QStringLiteral("Prenom"), QStringLiteral("Zoé"));
    personnes->setValue(QStringLiteral("Nom"), QStringLiteral("Durand")); // the key of another person
    wheel(-120);
    EXPECT_EQ(personnes->state(), Table::State::Edit);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown().front().kind, ui::MessageKind::Warning);
}

TEST(DataGridLarge, FortyThousandRowsAreShownWithoutWalkingTheCursor)
{
    test::TempSession db;
    db.session().exec(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
                       "INSERT INTO \"Liste\"(\"Nom\", \"_ordre\") SELECT 'Ligne ' || i, i FROM n"));
    auto liste = db.open(QStringLiteral("Liste"));
    ASSERT_EQ(liste->recordCount(), 40000);
    QSignalSpy moved(liste.get(), &Table::currentChanged);
    ui::DataGrid grid(liste.get(), {{QStringLiteral("Nom"), QStringLiteral("Nom"), 200}});
    grid.resize(300, 400);
    grid.show();
    grid.grab();
    grid.scrollToBottom();
    grid.grab();
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(liste->recNo(), 1);
    EXPECT_EQ(grid.model()->rowCount(), 40000);
    EXPECT_EQ(grid.model()->index(39999, 0).data().toString(), QStringLiteral("Ligne 40000"));
    EXPECT_EQ(grid.model()->index(39999, 0).data().toString(), liste->displayAt(39999, 0));

    liste->last();
    EXPECT_EQ(grid.currentIndex().row(), 39999);
    EXPECT_EQ(grid.verticalScrollBar()->value(), grid.verticalScrollBar()->maximum());
}

} // namespace
