// Every calculator of the catalogue, built or not yet, has its page in the
// user manual, and the page computes a worked design with that calculator.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "catalogue/catalogue.h"

namespace ondarel {
namespace {

namespace fs = std::filesystem;

// window class -> page text, from each page's "window-class:" line.
std::map<std::string, std::string> pagesByWindowClass()
{
    std::map<std::string, std::string> pages;
    for (const auto& entry : fs::directory_iterator(ONDAREL_MANUAL_SOURCES)) {
        if (entry.path().extension() != ".md") continue;
        std::ifstream in(entry.path());
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        const auto at = text.find("\nwindow-class: ");
        if (at == std::string::npos) continue;
        const auto from = at + 15;
        pages[text.substr(from, text.find('\n', from) - from)] = text;
    }
    return pages;
}

TEST(ManualPages, EveryCalculatorHasAPageWithAWorkedDesign)
{
    const auto pages = pagesByWindowClass();
    ASSERT_EQ(catalogue().size(), 27u);
    for (const CalculatorDescriptor& d : catalogue()) {
        const auto page = pages.find(d.windowClass);
        ASSERT_NE(page, pages.end()) << "no manual page for " << d.windowClass << " " << d.title;
        EXPECT_NE(page->second.find("\nrun " + d.file.extension + " "), std::string::npos)
            << d.windowClass << "'s page has no worked design for ." << d.file.extension;
        EXPECT_NE(page->second.find("](img/" + d.windowClass + ".png)"), std::string::npos)
            << d.windowClass << "'s page shows no picture of its window";
    }
}

}  // namespace
}  // namespace ondarel
