// The "Parametros comerciais" dialogs: their lists, what each caller's rows
// write, and the loop's dialog driven offscreen from its "..." button.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "framework/pick_list_dialog.h"
#include "framework/window_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

struct WriteCase {
    const char* caller;
    int row;
    int index;
    Writes writes;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.caller << " row " << c.row << " item " << c.index; }

class PickWrites : public ::testing::TestWithParam<WriteCase> {};

TEST_P(PickWrites, GoToTheCallersOwnFields)
{
    const PickCaller* caller = pickCallerFor(GetParam().caller);
    ASSERT_NE(caller, nullptr);
    EXPECT_EQ(pickWrites(*caller, GetParam().row, GetParam().index), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    Callers, PickWrites,
    ::testing::Values(WriteCase{"TForm10", 0, 0, {{"input4", "39600000"}}},
                      WriteCase{"TForm10", 0, 3, {{"input4", "61000000"}}},
                      WriteCase{"TForm10", 0, 4, {}},   // outside the list
                      WriteCase{"TForm10", 0, -1, {}},  // nothing selected
                      WriteCase{"TForm10", 1, 0, {}}, WriteCase{"TForm4", 0, 2, {{"input4", "57600000"}}},
                      WriteCase{"TForm4", 2, 0, {}}, WriteCase{"TForm14", 2, 1, {{"input3", "0.00133"}}},
                      WriteCase{"TForm15", 1, 9, {{"input4", "0.964"}, {"input5", "0.178"}}},
                      WriteCase{"TForm16", 0, 4, {{"constdiel", "6.15"}, {"Tangente", "0.0019"}}},
                      WriteCase{"TForm16", 0, 12, {{"constdiel", "6.15"}, {"Tangente", "0.0025"}}},
                      WriteCase{"TForm16", 2, 0, {{"condut", "39600000"}}},
                      WriteCase{"TForm17", 0, 5, {{"constdiel2", "10.2"}, {"TanPerda2", "0.0023"}}},
                      WriteCase{"TForm17", 1, 11, {{"altura2", "0.254"}}}, WriteCase{"TForm18", 2, 1, {}},
                      WriteCase{"TForm20", 0, 13, {{"constdiel", "10.2"}}},  // no loss tangent
                      WriteCase{"TForm21", 0, 15, {{"constdiel", "3.48"}, {"Tangente", "0.0040"}}},
                      WriteCase{"TForm19", 0, 0, {{"fator", "0.760"}, {"espaco", "0.130"}}},
                      WriteCase{"TForm19", 1, 0, {{"constdiel", "2.20"}}},
                      WriteCase{"TForm19", 2, 6, {{"altura", "0.079"}}}));

TEST(PickLists, HoldTheCommercialValues)
{
    EXPECT_EQ(pickItems(PickList::Substrates).size(), 16u);
    EXPECT_EQ(pickItems(PickList::Substrates)[5].text, "10.2 - RT/duroid® 6010LM");
    EXPECT_EQ(pickItems(PickList::Heights).size(), 12u);
    EXPECT_EQ(pickItems(PickList::Conductors)[2].text, "57600000 - Cu: Cobre");
    EXPECT_EQ(pickItems(PickList::ScaleFactors)[5].text, "0.916 para 10.0 dB");
    EXPECT_EQ(pickItems(PickList::Radii).size(), 6u);
    EXPECT_EQ(pickCallerFor("TForm2"), nullptr);
    EXPECT_EQ(pickDialog("TDialogMenu3")->rows[0].labelName, "Label2");
}

class LoopPickList : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    CalculatorWindow* w = openCalculator("TForm10");

    // Clicks "..." and, inside the modal dialog, runs `interact`; the dialog
    // must be closed by then. Returns whether it appeared.
    bool throughDialog(const std::function<void(PickListDialog*)>& interact)
    {
        bool appeared = false;
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto* dialog = qobject_cast<PickListDialog*>(WindowRegistry::instance().find("TDialogMenu1"));
            if (!dialog) return;
            appeared = true;
            interact(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                dialog->close();
            }
        });
        w->findChild<QPushButton*>("Button1")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(WindowRegistry::instance().find("TDialogMenu1"), nullptr);  // freed on close
        return appeared;
    }
};

TEST_F(LoopPickList, ShowsOnlyTheConductivityRowAtTheTop)
{
    EXPECT_TRUE(throughDialog([&](PickListDialog* d) {
        EXPECT_EQ(WindowRegistry::instance().windowCode(), 10);
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->windowTitle(), "Parametros comerciais");
        EXPECT_EQ(d->label(0)->text(), "Condutividade do material (S/m):");
        EXPECT_EQ(d->label(0)->pos(), QPoint(34, 33));
        EXPECT_EQ(d->combo(0)->pos(), QPoint(34, 55));
        EXPECT_TRUE(d->combo(0)->isVisible());
        for (int row : {1, 2}) {
            EXPECT_FALSE(d->label(row)->isVisible()) << row;
            EXPECT_FALSE(d->combo(row)->isVisible()) << row;
            EXPECT_FALSE(d->combo(row)->isEnabled()) << row;
        }
        ASSERT_EQ(d->combo(0)->count(), 4);
        EXPECT_EQ(d->combo(0)->itemText(3), "61000000 - Ag: Prata");
        EXPECT_EQ(d->combo(0)->currentIndex(), 0);
        EXPECT_EQ(text(w, "input4"), "");  // creating it writes nothing
        d->OKClick();
    }));
    EXPECT_EQ(text(w, "input4"), "39600000");  // "OK" writes the first item
    EXPECT_TRUE(seam.messages.empty());
}

// Each change writes at once, replacing the whole text, into the loop that
// opened the dialog even when another window has changed the code since.
TEST_F(LoopPickList, WritesOnChangeIntoItsCaller)
{
    type(w, "input4", "123");
    EXPECT_TRUE(throughDialog([&](PickListDialog* d) {
        d->combo(0)->setCurrentIndex(2);
        EXPECT_EQ(text(w, "input4"), "57600000");
        WindowRegistry::instance().setWindowCode(2);
        d->combo(0)->setCurrentIndex(1);
        EXPECT_EQ(text(w, "input4"), "41000000");
        d->close();  // the close box writes nothing more
    }));
    EXPECT_EQ(text(w, "input4"), "41000000");
    // The next "..." starts again at the first item.
    EXPECT_TRUE(throughDialog([&](PickListDialog* d) {
        EXPECT_EQ(d->combo(0)->currentIndex(), 0);
        d->findChild<QPushButton*>("OKBtn")->click();
    }));
    EXPECT_EQ(text(w, "input4"), "39600000");
    // A written text is checked like a typed one, so it serves the computation.
    for (const auto& [field, keys] : std::vector<std::pair<const char*, const char*>>{
             {"input1", "300"}, {"input5", "1"}, {"input2", "0.05"}, {"input3", "0.001"}})
        type(w, field, keys);
    trigger(w, "Calcular1");
    EXPECT_EQ(text(w, "output3"), "0.273");  // (a/b)·Rs for aluminium
}

// The patch arrays leave their dialog open beside them: it keeps writing into
// the array that opened it after another calculator has set its own code.
TEST(ArrayPickList, KeepsWritingIntoTheArrayThatOpenedIt)
{
    SeamScope scope;
    CalculatorWindow* array = openCalculator("TForm18");
    array->findChild<QPushButton*>("Button1")->click();
    auto* d = qobject_cast<PickListDialog*>(WindowRegistry::instance().find("TDialogMenu2"));
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 18);
    EXPECT_EQ(d->label(1)->text(), "Altura do dielétrico (cm):");
    EXPECT_FALSE(d->combo(2)->isVisible());              // no conductor row
    CalculatorWindow* yagi = openCalculator("TForm20");  // writes code 20 on creation
    EXPECT_EQ(WindowRegistry::instance().windowCode(), 20);
    d->combo(0)->setCurrentIndex(13);
    d->combo(1)->setCurrentIndex(11);
    EXPECT_EQ(text(array, "constdiel"), "10.2");
    EXPECT_EQ(text(array, "Tangente"), "0.0035");
    EXPECT_EQ(text(array, "altura"), "0.254");
    EXPECT_EQ(text(yagi, "constdiel"), "");
    EXPECT_EQ(text(yagi, "altura"), "");
    d->OKClick();
    EXPECT_EQ(text(array, "constdiel"), "10.2");
    EXPECT_TRUE(scope.seam().messages.empty());
}

}  // namespace
}  // namespace ondarel::test
