#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "framework/window_driver.h"
#include "support/fake_seam.h"

namespace ondarel::test {
namespace {

class DipoleProjectFiles : public ::testing::Test {
protected:
    SeamScope scope;
    FakeSeam& seam = scope.seam();
    QTemporaryDir dir;
    CalculatorWindow* w = openCalculator("TForm2");

    QString path(const QString& name) const { return dir.filePath(name); }
    static QByteArray bytes(const QString& p)
    {
        QFile f(p);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    static void write(const QString& p, const QByteArray& b)
    {
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(b);
    }
    void enter(const QString& f, const QString& L)
    {
        type(w, "input1", f);
        type(w, "input2", L);
    }
};

const QByteArray kOneAndAHalfAnd300("\x81\0\0\0\0\x40\x89\0\0\0\0\x16", 12);

TEST_F(DipoleProjectFiles, SaveAsPresetsTheDefaultNameAndWritesTheSixByteReals)
{
    enter("1.5", "300");
    seam.saveAnswers.push_back(path("proj.dip"));
    trigger(w, "SalvarComo1");
    EXPECT_EQ(seam.savePresets, std::vector<QString>{"DipElem1.dip"});
    EXPECT_EQ(seam.saveFilters, std::vector<QString>{"Projetos de antenas|*.dip|Todos os arquivos [*.*]|*.*"});
    EXPECT_EQ(bytes(path("proj.dip")), kOneAndAHalfAnd300);
    EXPECT_EQ(statusText(w), "proj.dip");
    EXPECT_EQ(w->windowTitle(), "Antena Dipolo Elementar ou Infinitesimal");
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(DipoleProjectFiles, ANameTypedWithoutExtensionTakesTheCalculatorsAndReopens)
{
    struct Case {
        const char* typed;
        const char* saved;
    };
    enter("1.5", "300");
    for (const Case& c : {Case{"semext", "semext.dip"}, Case{"dados.v2/projeto", "dados.v2/projeto.dip"},
                          Case{"outro.txt", "outro.txt"}, Case{"MAIUSC.DIP", "MAIUSC.DIP"}}) {
        SCOPED_TRACE(c.typed);
        QDir(dir.path()).mkpath("dados.v2");
        seam.saveAnswers.push_back(path(c.typed));
        trigger(w, "SalvarComo1");
        EXPECT_EQ(bytes(path(c.saved)), kOneAndAHalfAnd300);
        EXPECT_EQ(statusText(w), QFileInfo(c.saved).fileName());
    }
    // The file the user named without an extension opens in its calculator.
    type(w, "input1", "2");
    seam.openAnswers.push_back(path("semext.dip"));
    trigger(w, "Abrir1");
    EXPECT_EQ(text(w, "input1"), "1.500");
    for (const Message& m : seam.messages) EXPECT_NE(m.kind, MessageKind::Warning) << m.text.toStdString();
}

TEST_F(DipoleProjectFiles, SaveUsesTheNameUntilAKeyIsPressed)
{
    enter("100", "0.015");
    seam.saveAnswers.push_back(path("a.dip"));
    trigger(w, "Salvar1");  // no name yet: asks
    EXPECT_EQ(bytes(path("a.dip")).size(), 12);
    trigger(w, "Salvar1");  // has a name: writes without asking
    EXPECT_EQ(seam.savePresets.size(), 1u);
    type(w, "input1", "0");  // any key forgets the name
    seam.saveAnswers.push_back(std::nullopt);
    trigger(w, "Salvar1");
    EXPECT_EQ(seam.savePresets.size(), 2u);
    EXPECT_EQ(w->fileName(), " ");
}

TEST_F(DipoleProjectFiles, EmptyFieldsAreSavedAsZero)
{
    type(w, "input1", "1");
    w->field("input1")->clear();
    seam.saveAnswers.push_back(path("z.dip"));
    trigger(w, "SalvarComo1");
    EXPECT_EQ(bytes(path("z.dip")), QByteArray(12, '\0'));
}

TEST_F(DipoleProjectFiles, OpeningShowsTheRoundedTextsAndRecomputes)
{
    enter("100", "0.0125");
    seam.saveAnswers.push_back(path("PROJ.DIP"));
    trigger(w, "SalvarComo1");
    trigger(w, "Novo1");
    seam.openAnswers.push_back(path("PROJ.DIP"));
    trigger(w, "Abrir1");
    EXPECT_EQ(seam.openFilters, std::vector<QString>{"Projetos de antenas|*.dip|Todos os  arquivos [*.*]|*.*"});
    EXPECT_EQ(text(w, "input1"), "100.000");
    EXPECT_EQ(text(w, "input2"), "0.013");
    EXPECT_EQ(text(w, "output2"), "0.133");  // computed with 0.013, not 0.0125
    EXPECT_EQ(statusText(w), "PROJ.DIP");
    EXPECT_EQ(w->fileName(), path("PROJ.DIP"));
    EXPECT_EQ(speedButtonStates(w), "111111111");
    EXPECT_TRUE(seam.messages.empty());
}

struct BadOpenCase {
    const char* name;
    QByteArray content;
    bool create;
    MessageKind kind;
    const char* message;
};

void PrintTo(const BadOpenCase& c, std::ostream* os) { *os << c.name; }

class BadProjectFiles : public DipoleProjectFiles, public ::testing::WithParamInterface<BadOpenCase> {};

TEST_P(BadProjectFiles, AreRefusedBeforeAnythingChanges)
{
    enter("7", "0.01");
    trigger(w, "Calcular1");
    const auto& c = GetParam();
    if (c.create) write(path(c.name), c.content);
    seam.openAnswers.push_back(path(c.name));
    trigger(w, "Abrir1");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0], (Message{c.kind, c.message}));
    EXPECT_EQ(text(w, "input1"), "7");
    EXPECT_EQ(text(w, "input2"), "0.01");
    EXPECT_EQ(text(w, "output3"), "0.429");
    EXPECT_EQ(w->fileName(), " ");
    EXPECT_TRUE(statusText(w).isEmpty());
}

const char* kRefusal = "Este programa não pode abrir este arquivo";
const char* kFileError = "Há erro no progrma !";

INSTANTIATE_TEST_SUITE_P(
    Files, BadProjectFiles,
    ::testing::Values(BadOpenCase{"proj.dip.bak", kOneAndAHalfAnd300, true, MessageKind::Warning, kRefusal},
                      BadOpenCase{"ip", kOneAndAHalfAnd300, true, MessageKind::Warning, kRefusal},
                      BadOpenCase{"proj.lin", kOneAndAHalfAnd300, true, MessageKind::Warning, kRefusal},
                      BadOpenCase{"empty.dip", QByteArray(), true, MessageKind::Plain, kFileError},
                      BadOpenCase{"short.dip", QByteArray("\x81\0\0\0\0\x40\x89", 7), true, MessageKind::Plain,
                                  kFileError},
                      BadOpenCase{"missing.dip", QByteArray(), false, MessageKind::Plain, kFileError}));

TEST_F(DipoleProjectFiles, ALongerFileHasItsExtraValuesIgnored)
{
    write(path("long.DiP"), kOneAndAHalfAnd300 + QByteArray("\x81\0\0\0\0\0", 6));
    seam.openAnswers.push_back(path("long.DiP"));
    trigger(w, "Abrir1");
    EXPECT_EQ(text(w, "input1"), "1.500");
    EXPECT_EQ(text(w, "input2"), "300.000");
    // Recomputed: L = 300 is outside the model.
    EXPECT_EQ(seam.messageTexts(), std::vector<QString>{"Parametro fora das especificações, veja condição de L<0.02!"});
}

TEST_F(DipoleProjectFiles, CancelledDialogsDoNothing)
{
    enter("100", "0.01");
    seam.openAnswers.push_back(std::nullopt);
    trigger(w, "Abrir1");
    seam.saveAnswers.push_back(std::nullopt);
    trigger(w, "SalvarComo1");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(text(w, "input1"), "100");
    EXPECT_EQ(w->fileName(), " ");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(DipoleProjectFiles, AFailedSaveKeepsThePreviousFileAndSaysSo)
{
    enter("1.5", "300");
    seam.saveAnswers.push_back(path("keep.dip"));
    trigger(w, "SalvarComo1");
    paste(w, "input1", "1e39");  // beyond the 6-byte range
    trigger(w, "Salvar1");
    EXPECT_EQ(bytes(path("keep.dip")), kOneAndAHalfAnd300);
    paste(w, "input1", "2");
    seam.saveAnswers.push_back(path("no/such/folder/x.dip"));
    trigger(w, "SalvarComo1");
    EXPECT_EQ(seam.messageTexts(),
              (std::vector<QString>{"Erro de operação com dados do tipo real !", "Há erro no progrma !"}));
}

}  // namespace
}  // namespace ondarel::test
