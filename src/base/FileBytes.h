#pragma once
// Raw file bytes: reading a whole file, and replacing a file through a temporary file beside it.
#include <filesystem>
#include <string>

namespace quorl {

// Reads raw bytes; false when the file cannot be opened.
bool ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// Writes bytes to a temporary file beside path and renames it over path. No message.
bool ReplaceFileAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace quorl
