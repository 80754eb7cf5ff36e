#pragma once
// A scripted seam: tests queue the answers of the dialogs they expect and
// read back the messages and printed pages. Any dialog not scripted fails the
// test instead of blocking.
#include <QString>
#include <deque>
#include <optional>
#include <ostream>
#include <vector>

#include "framework/seam.h"
#include "plots/pure/recording_canvas.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace ondarel::test {

struct Message {
    MessageKind kind;
    QString text;
    bool operator==(const Message&) const = default;
};

inline void PrintTo(const Message& m, std::ostream* os)
{
    static const char* kinds[] = {"Information", "Warning", "Error", "Plain"};
    *os << kinds[static_cast<int>(m.kind)] << " \"" << m.text.toStdString() << "\"";
}

class FakeSeam : public Seam {
public:
    // Answers, consumed in order; nullopt scripts a cancelled dialog.
    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<int>> printAnswers;
    std::deque<std::optional<QColor>> colorAnswers;

    // What happened.
    std::vector<Message> messages;
    std::vector<QString> saveFilters, savePresets, openFilters;
    std::vector<RecordingCanvas> pages;  // one per ended print job
    std::vector<QString> shellOpened;
    std::vector<QWidget*> previews;
    int printDialogs = 0;

    void message(QWidget* parent, MessageKind kind, const QString& text) override;
    std::optional<QString> openFileName(QWidget* parent, const QString& filter) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter, const QString& preset) override;
    std::optional<int> printDialog(QWidget* parent) override;
    std::unique_ptr<PrintJob> beginPrintJob() override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void shellOpen(const QString& document) override;
    void chartPrintPreview(QWidget* parent, QWidget* chartView) override;

    std::vector<QString> messageTexts() const;
};

// Installs a fresh FakeSeam for the life of a test and restores the registry
// afterwards: every window closed, window code 0.
class SeamScope {
public:
    SeamScope();
    ~SeamScope();
    FakeSeam& seam() { return *seam_; }

private:
    FakeSeam* seam_;
    std::unique_ptr<Seam> previous_;
};

}  // namespace ondarel::test
