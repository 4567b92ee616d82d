#include "model/Files.h"

#include <fstream>
#include <system_error>

#include "base/Encoding.h"
#include "base/Text.h"
#include "model/Session.h"

namespace quorl {

namespace fs = std::filesystem;

std::string LoadFileToString(Session& s, const fs::path& path, bool report) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        if (!report) return {};
        std::string p = path.string();
        if (ContainsNoCase(p, "WordStats") || ContainsNoCase(p, "NameStats.txt")) {
            s.dialogs.ShowMessage("Learning file not found. A new one will be created with next data export.");
            return {};
        }
        s.dialogs.ShowMessage("Unable to open file: " + Utf8ToCp1252(p));
        s.dialogs.EndProgram(1);
    }
    size_t zero = bytes.find('\0');
    if (zero != std::string::npos) bytes.resize(zero);
    return DecodeFileBytes(bytes);
}

bool WriteStringToFile(Session& s, const std::string& text, const fs::path& path, bool replace) {
    std::string bytes = Cp1252ToUtf8(text);
    bool ok;
    std::error_code ec;
    if (replace || !fs::exists(path, ec)) {
        ok = ReplaceFileAtomically(path, bytes);
    } else {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        ok = static_cast<bool>(out);
        if (ok) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            ok = static_cast<bool>(out);
        }
    }
    if (!ok) s.dialogs.ShowMessage("Unable to create or open file " + Utf8ToCp1252(path.string()));
    return ok;
}

}  // namespace quorl
