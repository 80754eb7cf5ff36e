#include "framework/help_document.h"

#include <gtest/gtest.h>

#include "framework/window_driver.h"
#include "framework/window_registry.h"
#include "support/fake_seam.h"
#include "support/help_folder.h"

namespace ondarel::test {
namespace {

struct TutorialCase {
    const char* name;
    bool chm, manual, manualListed;
    const char* opens;  // "chm", "manual" or "" (a message instead)
};

class Tutorial : public ::testing::TestWithParam<TutorialCase> {};

TEST_P(Tutorial, OpensTheHelpDocumentOrTheManualOrSaysNeitherIsThere)
{
    const TutorialCase& c = GetParam();
    SeamScope scope;
    HelpFolder folder(c.chm, c.manual);
    // A missing location first: the search goes on past it.
    QStringList locations{folder.path("nowhere/index.html")};
    if (c.manualListed) locations << folder.path("manual/index.html");
    WindowRegistry::instance().setManualLocations(locations);

    // The main window's entry and every calculator's share this command.
    CalculatorWindow* w = openCalculator("TForm2");
    trigger(w, "Tutorial1");

    const QString expected = QString(c.opens) == "chm" ? "Ondarel.chm" : folder.manualPage();
    if (QString(c.opens).isEmpty()) {
        EXPECT_TRUE(scope.seam().shellOpened.empty());
        ASSERT_EQ(scope.seam().messages.size(), 1u);
        EXPECT_EQ(scope.seam().messages[0].kind, MessageKind::Information);
        EXPECT_TRUE(scope.seam().messages[0].text.contains("manual"));
    } else {
        EXPECT_EQ(scope.seam().shellOpened, std::vector<QString>{expected});
        EXPECT_TRUE(scope.seam().messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    HelpDocument, Tutorial,
    ::testing::Values(TutorialCase{"ChmAlone", true, false, false, "chm"},
                      TutorialCase{"ChmWinsOverTheManual", true, true, true, "chm"},
                      TutorialCase{"ManualWhenNoChm", false, true, true, "manual"},
                      TutorialCase{"ManualNotWhereLooked", false, true, false, ""},
                      TutorialCase{"Nothing", false, false, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstalledManualLocations, LookBesideTheProgramFirst)
{
    const QStringList locations = installedManualLocations();
    ASSERT_FALSE(locations.isEmpty());
    EXPECT_EQ(locations.first(),
              QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../share/doc/ondarel/manual/index.html"));
}

}  // namespace
}  // namespace ondarel::test
