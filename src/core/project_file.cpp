#include "core/project_file.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "core/fault.h"
#include "core/real48.h"

namespace ondarel {

namespace {

std::size_t utf8Length(std::string_view s)
{
    std::size_t n = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace

std::string bareFileName(std::string_view path)
{
    const std::size_t cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string withDefaultExtension(std::string_view path, std::string_view extension)
{
    std::string named(path);
    if (bareFileName(path).find('.') == std::string::npos) named += "." + std::string(extension);
    return named;
}

bool extensionAccepted(std::string_view path, std::string_view extension)
{
    if (utf8Length(bareFileName(path)) < 4) return false;
    if (path.size() < 4 || extension.size() != 3) return false;
    const std::string_view tail = path.substr(path.size() - 4);
    if (tail[0] != '.') return false;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto a = static_cast<unsigned char>(tail[i + 1]);
        const auto b = static_cast<unsigned char>(extension[i]);
        if (std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}

std::string encodeProjectValues(const std::vector<long double>& values)
{
    std::string image;
    image.reserve(values.size() * 6);
    for (const long double v : values) {
        const Real48Bytes bytes = encodeReal48(v);
        image.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    return image;
}

std::vector<long double> readProjectFile(const std::string& path, std::size_t count)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) raiseFileFault();
    std::vector<long double> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Real48Bytes bytes{};
        if (!in.read(reinterpret_cast<char*>(bytes.data()), bytes.size())) raiseFileFault();
        values.push_back(decodeReal48(bytes));
    }
    return values;
}

void writeFileReplacing(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) raiseFileFault();
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            raiseFileFault();
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        raiseFileFault();
    }
}

void writeProjectFile(const std::string& path, const std::vector<long double>& values)
{
    writeFileReplacing(path, encodeProjectValues(values));
}

}  // namespace ondarel
