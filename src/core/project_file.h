#pragma once
// Project files: a flat sequence of 6-byte reals, one per input, no header.
#include <string>
#include <string_view>
#include <vector>

namespace ondarel {

// True when the path ends in "." plus the three extension letters, each in
// either case, and its final component (after "/" or "\") has at least four
// characters. Nothing else of the name is examined.
bool extensionAccepted(std::string_view path, std::string_view extension);

// The final component of a path, as shown in the status bar.
std::string bareFileName(std::string_view path);

// A name typed in the save dialog: with ".extension" appended when its bare
// file name has no extension, as typed otherwise.
std::string withDefaultExtension(std::string_view path, std::string_view extension);

// The file image of the given values, each rounded to a 6-byte real (an
// overflow raises the floating-point fault before anything is written).
std::string encodeProjectValues(const std::vector<long double>& values);

// Reads the first `count` values. Extra values are ignored; a missing,
// unreadable or short file raises the file fault.
std::vector<long double> readProjectFile(const std::string& path, std::size_t count);

// Writes beside the target and renames over it, so that a failed save leaves
// the previous file intact. Any failure raises the file fault.
void writeProjectFile(const std::string& path, const std::vector<long double>& values);
// The same for any file's bytes (a solver deck, say).
void writeFileReplacing(const std::string& path, const std::string& bytes);

}  // namespace ondarel
