// Opening a project file of any bytes, for every calculator of the catalogue.
//
// The first byte picks the calculator, the rest is the file. A calculator
// that is built is driven through its window's real "Abrir" command,
// offscreen, with the fake seam answering the open dialog; one that is not
// yet built through the project-file reader alone. Either way the open must
// end in one of two states, never a crash, a hang or anything in between:
//  - refused: the file is shorter than the calculator's values; the one
//    message is the file-error report and the window is exactly as before;
//  - loaded: each input shows its stored value formatted with its decimals,
//    the file name is taken and the status bar shows it.
#include <unistd.h>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtGlobal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "app/window_factories.h"
#include "core/fault.h"
#include "core/number_text.h"
#include "core/project_file.h"
#include "core/real48.h"
#include "framework/calculator_window.h"
#include "framework/command_guard.h"
#include "framework/window_registry.h"
#include "fuzz_check.h"
#include "support/fake_seam.h"

// The catalogue's header: the only line here that names where it lives.
#include "catalogue/catalogue.h"

using namespace ondarel;
using ondarel::test::FakeSeam;

namespace {

std::string scratchFile;  // the folder's "p" prefix; the extension is added per input
test::SeamScope* scope = nullptr;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Everything an open may change, read back from the window.
struct WindowState {
    std::map<QString, QString> texts;
    std::map<QString, bool> enabled;
    QString status, title, fileName;
    bool operator==(const WindowState&) const = default;
};

WindowState stateOf(CalculatorWindow* w)
{
    WindowState s;
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) s.texts[e->objectName()] = e->text();
    for (QAction* a : w->findChildren<QAction*>()) s.enabled[a->objectName()] = a->isEnabled();
    s.status = w->findChild<QLabel*>("StatusPanel1")->text();
    s.title = w->windowTitle();
    s.fileName = w->fileName();
    return s;
}

std::vector<long double> valuesIn(const std::string& bytes, std::size_t count)
{
    std::vector<long double> values;
    for (std::size_t i = 0; i < count; ++i) {
        Real48Bytes b;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(6 * i), 6, b.begin());
        values.push_back(decodeReal48(b));
    }
    return values;
}

void openInReader(const CalculatorDescriptor& d, const std::string& path, const std::string& bytes)
{
    const std::size_t count = d.file.valueCount();
    try {
        const std::vector<long double> values = readProjectFile(path, count);
        FUZZ_CHECK(bytes.size() >= 6 * count);
        FUZZ_CHECK(values == valuesIn(bytes, count));
        for (std::size_t i = 0; i < count; ++i) FUZZ_CHECK(!formatFixed(values[i], d.file.decimals[i]).empty());
    } catch (const Fault& fault) {
        FUZZ_CHECK(fault.kind() == FaultKind::Other);
        FUZZ_CHECK(bytes.size() < 6 * count);
    }
}

void openInWindow(const CalculatorDescriptor& d, const std::string& path, const std::string& bytes, std::uint8_t how)
{
    auto* w =
        qobject_cast<CalculatorWindow*>(WindowRegistry::instance().openOrShow(QString::fromStdString(d.windowClass)));
    FUZZ_CHECK(w != nullptr);
    FakeSeam& seam = scope->seam();
    // A window in some state of use: fresh, or with typed inputs.
    w->findChild<QAction*>("Novo1")->trigger();
    if (how & 1)
        for (const InputRow& row : d.inputs) w->field(QString::fromStdString(row.name))->setText("12.5");
    seam.messages.clear();
    seam.openFilters.clear();

    const WindowState before = stateOf(w);
    seam.openAnswers.push_back(QString::fromStdString(path));
    w->findChild<QAction*>("Abrir1")->trigger();
    FUZZ_CHECK(seam.openAnswers.empty());

    const std::size_t count = d.file.valueCount();
    // The file fault is reported with the "other" message.
    const QString fileError = QString::fromStdString(faultMessage(FaultKind::Other));
    if (bytes.size() < 6 * count) {
        FUZZ_CHECK(seam.messages.size() == 1);
        FUZZ_CHECK(seam.messages[0].text == fileError);
        FUZZ_CHECK(stateOf(w) == before);
        return;
    }
    for (const auto& m : seam.messages) FUZZ_CHECK(m.text != fileError);
    const std::vector<long double> values = valuesIn(bytes, count);
    for (std::size_t i = 0; i < count && i < d.inputs.size(); ++i) {
        const QString shown = w->field(QString::fromStdString(d.inputs[i].name))->text();
        FUZZ_CHECK(shown.toStdString() == formatFixed(values[i], d.file.decimals[i]));
    }
    FUZZ_CHECK(w->fileName() == QString::fromStdString(path));
    FUZZ_CHECK(w->findChild<QLabel*>("StatusPanel1")->text().contains(QString::fromStdString(bareFileName(path))));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    new OndarelApplication(*argc, *argv);  // lives as long as the process
    std::setlocale(LC_NUMERIC, "C");
    registerWindows();
    scope = new test::SeamScope;
    char pattern[] = "/tmp/ondarel-open-fuzz-XXXXXX";
    FUZZ_CHECK(mkdtemp(pattern) != nullptr);
    scratchFile = std::string(pattern) + "/p";
    static const std::string folder = pattern;
    std::atexit([] { rmdir(folder.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) return 0;
    const auto& calculators = catalogue();
    const CalculatorDescriptor& d = calculators[data[0] % calculators.size()];
    FUZZ_CHECK(findByExtension(d.file.extension) == &d);
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string path = scratchFile + "." + d.file.extension;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        FUZZ_CHECK(out.good());
    }
    if (d.implemented())
        openInWindow(d, path, bytes, data[0] / static_cast<std::uint8_t>(calculators.size()));
    else
        openInReader(d, path, bytes);
    std::remove(path.c_str());
    return 0;
}
