#include "core/report/Layouter.h"
#include "tests/core/report/ReportFixture.h"

using namespace corvane::core::report;
using corvane::test::ReportFixture;

namespace {

// The detail texts of every page, in order: one entry per record ("Nom").
QStringList detailNames(const Document &doc)
{
    QStringList out;
    for (const Page &p : doc.pages)
        for (const PageItem &i : p.items)
            if (i.band == BandKind::Detail && i.text.startsWith(QStringLiteral("Nom")))
                out << i.text;
    return out;
}

} // namespace

class Layout : public ReportFixture {};

TEST_F(Layout, aLongListRunsOverSeveralPagesWithTheFrameOnEach)
{
    fill(180);
    auto report = listReport();
    const Document doc = report->layout();

    ASSERT_GE(doc.pageCount(), 3);
    for (const Page &page : doc.pages) {
        SCOPED_TRACE(page.number);
        EXPECT_EQ(page.bandCount(BandKind::Title), page.number == 1 ? 1 : 0);
        EXPECT_EQ(page.bandCount(BandKind::ColumnHeader), 1);
        EXPECT_EQ(page.bandCount(BandKind::PageFooter), 1);
        EXPECT_EQ(page.text(PageLabel), QStringLiteral("Page: %1").arg(page.number));
        EXPECT_EQ(page.text(TitreLabel).isEmpty(), page.number != 1);
        EXPECT_EQ(page.bandCount(BandKind::Summary), page.number == doc.pageCount() ? 1 : 0);

        // Bands follow each other without overlapping, and the footer sits at
        // the bottom margin with everything above it.
        const QRectF area = doc.setup.printableMm();
        double y = area.top();
        for (const PlacedBand &b : page.bands) {
            if (b.kind == BandKind::PageFooter) {
                EXPECT_NEAR(b.top + b.height, area.bottom(), 1e-9);
                EXPECT_LE(y, b.top + 1e-9);
            } else {
                EXPECT_NEAR(b.top, y, 1e-9);
                y = b.top + b.height;
            }
        }
        // A group header is never left alone at the foot of a page.
        std::vector<BandKind> content;
        for (const PlacedBand &b : page.bands)
            if (b.kind != BandKind::PageFooter)
                content.push_back(b.kind);
        EXPECT_NE(content.back(), BandKind::GroupHeader);
    }
    EXPECT_EQ(doc.pages.back().texts(BandKind::Summary), QStringList{QStringLiteral("Total: 180 personnes")});
}

TEST_F(Layout, everyRecordOnceInTheSourcesOrderWithAGroupHeaderAtEachChange)
{
    fill(180);
    QStringList expected;
    for (people->first(); !people->eof(); people->next())
        expected << people->asString("Nom");
    auto report = listReport();
    const Document doc = report->layout();

    EXPECT_EQ(detailNames(doc), expected);
    QStringList headers;
    for (const Page &p : doc.pages)
        headers << p.texts(BandKind::GroupHeader);
    EXPECT_EQ(headers, Villes);
}

TEST_F(Layout, nestedGroupsRepeatTheInnerHeaderWhenTheOuterKeyChanges)
{
    fill(40);
    auto report = listReport();
    // Inner key: the first letter of the age: unchanged across the town change.
    report->addGroup([this] { return people->asString("Age").left(1); }, 5)
        .computed([this] { return QStringLiteral("Age %1x").arg(people->asString("Age").left(1)); },
                  QRectF(0, 0, 40, 5));
    const Document doc = report->layout();
    QStringList headers;
    for (const Page &p : doc.pages)
        headers << p.texts(BandKind::GroupHeader);
    // Every town restarts the inner group even where the inner key is the same.
    int towns = 0;
    for (int i = 0; i < headers.size(); ++i)
        if (Villes.contains(headers[i])) {
            ++towns;
            ASSERT_LT(i + 1, headers.size());
            EXPECT_TRUE(headers[i + 1].startsWith(QStringLiteral("Age "))) << headers.join('|').toStdString();
        }
    EXPECT_EQ(towns, Villes.size());
}

TEST_F(Layout, theWalkFollowsTheFilterAndLeavesTheCursorWhereItWas)
{
    fill(60);
    people->setFilterPredicate([](const corvane::data::RecordView &r) { return r.asInt("Age") < 30; });
    people->setFiltered(true);
    const int expected = people->recordCount();
    people->setRecNo(4);
    const QString current = people->asString("Nom");

    auto report = listReport();
    bool quietDuringWalk = true;
    report->detail().computed(
        [&] {
            quietDuringWalk = quietDuringWalk && people->controlsDisabled();
            return QString();
        },
        QRectF(150, 0, 10, 5));
    int currentSignals = 0;
    QObject::connect(people.get(), &corvane::data::Table::currentChanged, [&] { ++currentSignals; });
    const Document doc = report->layout();

    EXPECT_EQ(detailNames(doc).size(), expected);
    EXPECT_TRUE(quietDuringWalk);
    EXPECT_FALSE(people->controlsDisabled());
    EXPECT_EQ(people->asString("Nom"), current);
    EXPECT_LE(currentSignals, 1); // bound widgets hear of the walk at most once, at its end
}

TEST_F(Layout, anEmptySourceStillPrintsTheFrame)
{
    auto report = listReport();
    const Document doc = report->layout();
    ASSERT_EQ(doc.pageCount(), 1);
    const Page &page = doc.pages[0];
    EXPECT_EQ(page.text(TitreLabel), QStringLiteral("Liste des personnes"));
    EXPECT_EQ(page.texts(BandKind::ColumnHeader),
              (QStringList{QStringLiteral("Nom"), QString::fromUtf8("Prénom"), QStringLiteral("Age")}));
    EXPECT_EQ(page.bandCount(BandKind::PageFooter), 1);
    EXPECT_EQ(page.bandCount(BandKind::Detail), 0);
    EXPECT_EQ(page.bandCount(BandKind::GroupHeader), 0);
    EXPECT_EQ(page.texts(BandKind::Summary), QStringList{QStringLiteral("Total: 0 personnes")});
}

TEST_F(Layout, aSheetWithoutSourceLaysItsDetailOnce)
{
    Report sheet(QStringLiteral("Fiche"));
    sheet.detail(30).label(QStringLiteral("Nom : Martin"), QRectF(0, 0, 60, 6));
    sheet.pageFooter(8).pageNumber(QRectF(0, 0, 40, 6), QString());
    const Document doc = sheet.layout();
    ASSERT_EQ(doc.pageCount(), 1);
    EXPECT_EQ(doc.pages[0].texts(), (QStringList{QStringLiteral("Nom : Martin"), QStringLiteral("1")}));
}

TEST_F(Layout, aSummaryThatDoesNotFitGoesToANewPageWithItsHeaders)
{
    fill(20);
    auto report = listReport();
    report->summary().setHeight(200);
    const Document doc = report->layout();
    ASSERT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.pages[1].bandCount(BandKind::Detail), 0);
    EXPECT_EQ(doc.pages[1].bandCount(BandKind::ColumnHeader), 1);
    EXPECT_EQ(doc.pages[1].bandCount(BandKind::Summary), 1);
}

TEST_F(Layout, bandsCanBeLeftOutRecordByRecord)
{
    fill(20);
    auto report = listReport();
    report->detail().setPrintIf([this] { return people->asInt("Age") % 2 == 0; });
    const Document doc = report->layout();
    EXPECT_EQ(detailNames(doc).size(), 10);
}

TEST_F(Layout, wrappedTextsStretchTheirBandAndLongOneLineTextsAreMarked)
{
    Report r(QStringLiteral("Notes"));
    const QString longText = QString::fromUtf8("Une observation assez longue pour tenir sur plusieurs lignes "
                                               "dans une colonne étroite de quarante millimètres.");
    Band &d = r.detail(5);
    d.setStretch(true);
    d.label(longText, QRectF(0, 0, 40, 5)).wrapped();
    d.label(longText, QRectF(50, 0, 40, 5)).named(QStringLiteral("cut"));
    d.label(QStringLiteral("court"), QRectF(100, 0, 40, 5)).named(QStringLiteral("short"));
    // Amounts carry characters beyond Latin-1 (the euro sign, no-break spaces).
    d.label(QString::fromUtf8("1\u202f250,00\u00a0€"), QRectF(0, 20, 8, 5))
        .named(QStringLiteral("narrowAmount"));
    d.label(QString::fromUtf8("1\u202f250,00\u00a0€"), QRectF(0, 30, 30, 5)).named(QStringLiteral("amount"));
    // "iiii" and "MMMM" have the same length and very different widths.
    d.label(QStringLiteral("iiiiiiii"), QRectF(0, 40, 10, 5)).named(QStringLiteral("thin"));
    d.label(QStringLiteral("MMMMMMMM"), QRectF(0, 50, 10, 5)).named(QStringLiteral("wide"));
    const Document doc = r.layout();
    const Page &page = doc.pages[0];
    ASSERT_EQ(page.bands.size(), 1u);
    EXPECT_GT(page.bands[0].height, 10.0);
    EXPECT_FALSE(page.items[0].overflows);
    EXPECT_TRUE(page.item(QStringLiteral("cut"))->overflows);
    EXPECT_FALSE(page.item(QStringLiteral("short"))->overflows);
    EXPECT_TRUE(page.item(QStringLiteral("narrowAmount"))->overflows);
    EXPECT_FALSE(page.item(QStringLiteral("amount"))->overflows);
    EXPECT_FALSE(page.item(QStringLiteral("thin"))->overflows);
    EXPECT_TRUE(page.item(QStringLiteral("wide"))->overflows);
}

TEST_F(Layout, pageSetUpGivesThePaperAndTheMarginsInMillimetres)
{
    EXPECT_EQ(PageSetup::portrait().paperMm(), QSizeF(210, 297));
    EXPECT_EQ(PageSetup::landscape().paperMm(), QSizeF(297, 210));
    EXPECT_EQ(PageSetup::landscape().narrow().printableMm(), QRectF(8, 10, 281, 190));
    EXPECT_EQ(PageSetup().margins(300, 300, 300, 300).printableMm(), QRectF(30, 30, 150, 237));
    EXPECT_EQ(PageSetup().customSize(210, 148).paperMm(), QSizeF(210, 148));

    Report cle(QStringLiteral("FICHE DE CLE"), PageSetup().customSize(210, 148));
    cle.detail(10).label(QStringLiteral("Clé"), QRectF(0, 0, 30, 5));
    const Document doc = cle.layout();
    EXPECT_EQ(doc.pages[0].items[0].rect, QRectF(10, 10, 30, 5));
}

TEST_F(Layout, aLayouterStoppedHalfWayLeavesTheSourceAsItFoundIt)
{
    fill(500);
    people->setRecNo(7);
    const QString current = people->asString("Nom");
    auto report = listReport();
    {
        Layouter l(*report);
        EXPECT_FALSE(l.step(100));
        EXPECT_FALSE(l.finishedPages().empty());
        EXPECT_TRUE(people->controlsDisabled());
    }
    EXPECT_FALSE(people->controlsDisabled());
    EXPECT_EQ(people->asString("Nom"), current);
}

TEST_F(Layout, aGroupHeaderCanBeRepeatedWhereItsGroupGoesOnOverAPageBreak)
{
    fill(180);
    auto report = listReport();
    report->groups().front()->header.setRepeatOnNewPage(true);
    const Document doc = report->layout();
    ASSERT_GE(doc.pageCount(), 3);
    for (const Page &page : doc.pages) {
        // Right after the column header comes the header of the town the
        // page's first record belongs to.
        ASSERT_GE(page.bands.size(), 3u);
        const size_t first = page.number == 1 ? 2 : 1;
        EXPECT_EQ(page.bands[first].kind, BandKind::GroupHeader) << page.number;
    }
    QStringList headers;
    for (const Page &p : doc.pages)
        headers << p.texts(BandKind::GroupHeader);
    EXPECT_GT(headers.size(), Villes.size());
    headers.removeDuplicates();
    EXPECT_EQ(headers, Villes);
}
