#include "support/fake_seam.h"

#include <gtest/gtest.h>

#include "framework/window_registry.h"

namespace ondarel::test {

namespace {

template <class T>
std::optional<T> next(std::deque<std::optional<T>>& answers, const char* dialog)
{
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << dialog << " dialog";
        return std::nullopt;
    }
    std::optional<T> answer;
    answer.swap(answers.front());
    answers.pop_front();
    return answer;
}

class FakePrintJob : public PrintJob {
public:
    explicit FakePrintJob(std::vector<RecordingCanvas>& pages) : pages_(pages) {}
    Canvas& canvas() override { return canvas_; }
    void end() override
    {
        if (!ended_) pages_.push_back(canvas_);
        ended_ = true;
    }

private:
    std::vector<RecordingCanvas>& pages_;
    RecordingCanvas canvas_;
    bool ended_ = false;
};

}  // namespace

void FakeSeam::message(QWidget*, MessageKind kind, const QString& text) { messages.push_back({kind, text}); }

std::optional<QString> FakeSeam::openFileName(QWidget*, const QString& filter)
{
    openFilters.push_back(filter);
    return next(openAnswers, "open");
}

std::optional<QString> FakeSeam::saveFileName(QWidget*, const QString& filter, const QString& preset)
{
    saveFilters.push_back(filter);
    savePresets.push_back(preset);
    return next(saveAnswers, "save");
}

std::optional<int> FakeSeam::printDialog(QWidget*)
{
    ++printDialogs;
    return next(printAnswers, "print");
}

std::unique_ptr<PrintJob> FakeSeam::beginPrintJob() { return std::make_unique<FakePrintJob>(pages); }

std::optional<QColor> FakeSeam::chooseColor(QWidget*, const QColor&) { return next(colorAnswers, "colour"); }

void FakeSeam::shellOpen(const QString& document) { shellOpened.push_back(document); }

void FakeSeam::chartPrintPreview(QWidget*, QWidget* chartView) { previews.push_back(chartView); }

std::vector<QString> FakeSeam::messageTexts() const
{
    std::vector<QString> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}

SeamScope::SeamScope()
{
    auto fake = std::make_unique<FakeSeam>();
    seam_ = fake.get();
    previous_ = WindowRegistry::instance().setSeam(std::move(fake));
    // No manual anywhere unless a test puts one somewhere.
    WindowRegistry::instance().setManualLocations(QStringList{});
}

SeamScope::~SeamScope()
{
    WindowRegistry::instance().closeAll();
    WindowRegistry::instance().setSeam(std::move(previous_));
    WindowRegistry::instance().setManualLocations(std::nullopt);
}

}  // namespace ondarel::test
