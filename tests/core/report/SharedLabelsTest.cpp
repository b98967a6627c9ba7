#include "core/report/Report.h"
#include "core/report/StandardFrame.h"
#include "data/AppFolders.h"
#include "data/DataFolder.h"
#include "data/ModuleData.h"
#include "data/OpenedTable.h"
#include "data/Parametres.h"
#include "data/Session.h"
#include "tests/support/Printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::core::report;

namespace {

struct FooterCase {
    const char *name;
    const char *agrement;
    const char *affiliation;
    const char *expected;
};

void PrintTo(const FooterCase &c, std::ostream *os)
{
    *os << c.name;
}

// The settings are loaded from a real data folder, so the footer line is the
// one the settings snapshot derives.
class SettingsFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        opened =
            new data::OpenedData(data::openDataFolder(QDir(dir->path()).filePath(QStringLiteral("Club"))));
        md = new data::ModuleData(*opened->session);
    }
    static void TearDownTestSuite()
    {
        delete md;
        delete opened;
        delete dir;
    }

    data::Parametres load(const QString &agrement, const QString &affiliation)
    {
        {
            data::OpenedTable param(md->table(QStringLiteral("Param")));
            param->first();
            param->edit();
            param->setValue(QStringLiteral("Proprietaire"), QStringLiteral("Volant Club de Rennes"));
            param->setValue(QStringLiteral("Num agrement DDJS"), agrement);
            param->setValue(QStringLiteral("Num affiliation DDJS"), affiliation);
            param->post();
        }
        data::Parametres p;
        data::chargeParametres(*md, p);
        return p;
    }

    static Document layOut(const data::Parametres &p)
    {
        Report r(QStringLiteral("Liste des clubs"));
        addStandardFrame(r, p);
        r.setPrintedAt(QDateTime(QDate(2010, 3, 14), QTime(9, 5)));
        return r.layout();
    }

    static inline QTemporaryDir *dir = nullptr;
    static inline data::OpenedData *opened = nullptr;
    static inline data::ModuleData *md = nullptr;
};

class SharedLabels : public SettingsFolder, public ::testing::WithParamInterface<FooterCase> {};

} // namespace

TEST_P(SharedLabels, theRegistrationLineOfTheFooterHoldsTheNumbersThatAreSet)
{
    const FooterCase c = GetParam();
    const data::Parametres p = load(QString::fromUtf8(c.agrement), QString::fromUtf8(c.affiliation));
    const Document doc = layOut(p);
    const PageItem *ddjs = doc.pages[0].item(DdjsLabel);
    ASSERT_NE(ddjs, nullptr);
    EXPECT_EQ(ddjs->text, QString::fromUtf8(c.expected));
    EXPECT_EQ(ddjs->band, BandKind::PageFooter);
    EXPECT_TRUE(ddjs->style->alignment & Qt::AlignHCenter);
}

INSTANTIATE_TEST_SUITE_P(
    Footer, SharedLabels,
    ::testing::Values(FooterCase{"both", "35-S-123", "0512",
                                 "N° agrément DDJS: 35-S-123       N° affiliation FFBA: 0512"},
                      FooterCase{"affiliationOnly", "", "0512", "       N° affiliation FFBA: 0512"},
                      FooterCase{"agrementOnly", "35-S-123", "", "N° agrément DDJS: 35-S-123"},
                      FooterCase{"none", "", "", ""}),
    [](const ::testing::TestParamInfo<FooterCase> &info) { return std::string(info.param.name); });

TEST_F(SettingsFolder, titleBandAndFooterCarryTheClubTheSeasonTheVersionAndTheDate)
{
    data::Parametres p = load(QStringLiteral("1"), QStringLiteral("2"));
    p.saison = QStringLiteral("2009-2010"); // a new folder has no season before the first-run wizard
    const Document doc = layOut(p);
    const Page &page = doc.pages[0];
    EXPECT_EQ(page.text(SaisonLabel), QStringLiteral("Volant Club de Rennes  -  Saison: 2009-2010"));
    EXPECT_EQ(page.text(EditionLabel), QStringLiteral("Edition du 14/03/2010 09:05"));
    EXPECT_TRUE(page.item(EditionLabel)->style->font.italic());
    EXPECT_EQ(page.item(EditionLabel)->band, BandKind::Title);
    EXPECT_EQ(page.text(VersionLabel), QStringLiteral("Corvane 3.07"));
    EXPECT_TRUE(page.item(VersionLabel)->style->font.bold());
    EXPECT_TRUE(page.item(VersionLabel)->style->font.italic());
    EXPECT_EQ(page.text(PageLabel), QStringLiteral("Page: 1"));
    EXPECT_TRUE(page.item(PageLabel)->style->font.bold());
    EXPECT_TRUE(page.item(PageLabel)->style->alignment & Qt::AlignRight);
    EXPECT_EQ(page.text(TitreLabel), QStringLiteral("Liste des clubs"));
    // Date on the left, season on the right, version left of the page number.
    EXPECT_LT(page.item(EditionLabel)->rect.left(), page.item(SaisonLabel)->rect.left());
    EXPECT_LT(page.item(VersionLabel)->rect.left(), page.item(DdjsLabel)->rect.left());
    EXPECT_LT(page.item(DdjsLabel)->rect.left(), page.item(PageLabel)->rect.left());
}

TEST(SharedLabelsSet, theCommonLabelsFollowTheSettingsWhenSetAgain)
{
    data::Parametres before;
    before.proprietaire = QStringLiteral("Ancien nom");
    before.saison = QStringLiteral("2008-2009");
    Report r(QStringLiteral("Liste"));
    addStandardFrame(r, before);

    data::Parametres now;
    now.proprietaire = QStringLiteral("BC Vannes");
    now.saison = QStringLiteral("2009-2010");
    now.ligneEnregistrement = QStringLiteral("N° agrément DDJS: 9");
    r.setTitle(QStringLiteral("Liste des équipes du club"));
    setSharedLabels(r, now);
    const Page page = r.layout().pages[0];
    EXPECT_EQ(page.text(SaisonLabel), QStringLiteral("BC Vannes  -  Saison: 2009-2010"));
    EXPECT_EQ(page.text(DdjsLabel), QStringLiteral("N° agrément DDJS: 9"));
    EXPECT_EQ(page.text(TitreLabel), QStringLiteral("Liste des équipes du club"));
}
