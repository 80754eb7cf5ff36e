// ondarel-calc's argument handling: any argument vector ends in one of the
// four exit statuses, with no crash and no exception escaping.
//
// The input is split into arguments at NUL bytes and newlines. Files are
// written and read in a scratch folder that is the working directory; "/" in
// an argument becomes "_" so that "save" never writes outside it. Give the
// corpus and artifact paths as absolute paths (scripts/fuzz.sh does): the
// harness changes the working directory before libFuzzer reads them.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "fuzz_check.h"

namespace {

std::filesystem::path scratch;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/ondarel-cli-fuzz-XXXXXX";
    FUZZ_CHECK(mkdtemp(pattern) != nullptr);
    scratch = pattern;
    FUZZ_CHECK(chdir(pattern) == 0);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\0' || c == '\n')
            args.emplace_back();
        else
            args.back().push_back(c == '/' ? '_' : c);
    }
    if (size == 0) args.clear();

    std::ostringstream out, err;
    const int status = ondarel::cli::run(args, out, err);
    FUZZ_CHECK(status >= 0 && status <= 3);
    // A usage error says why on the error stream.
    if (status == ondarel::cli::kUsage) FUZZ_CHECK(!err.str().empty());

    // Leave the scratch folder empty for the next input.
    if (!std::filesystem::is_empty(scratch))
        for (const auto& entry : std::filesystem::directory_iterator(scratch)) std::filesystem::remove_all(entry);
    return 0;
}
