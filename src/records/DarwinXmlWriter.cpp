#include "records/DarwinXmlWriter.h"

#include <filesystem>
#include <system_error>

#include "base/Encoding.h"
#include "base/LineNumbers.h"
#include "base/Text.h"
#include "fields/FieldAccess.h"
#include "fields/FieldValues.h"
#include "model/Files.h"
#include "model/Log.h"
#include "model/Session.h"
#include "records/OutputColumns.h"
#include "records/RecordFileEncoding.h"
#include "records/RecordFileLock.h"
#include "records/RecordTakenOutCopy.h"
#include "records/RecordValues.h"
#include "records/WriterGuard.h"

namespace quorl {

namespace fs = std::filesystem;

namespace {

const char* const kClosingLabelData = "\t</labelData>\r\n";
constexpr std::string_view kClosingRoot = "</QUORL>";

// The whole fields written as elements of their own, before and after elevation and coordinates.
constexpr int kFieldElementsFirst[] = {fCollectionDate, fFamily, fGenus, fScientificName, fRank, fSubSp,
                                       fDescription, fLocation, fHabitat, fCountry, fState, fCounty};
constexpr int kFieldElementsLast[] = {fHerbarium, fPhenology, fDeterminer, fDeterminedDate, fAccession, fNotes};

// Where the last closing labelData line of the file starts; npos when it has none. Everything
// before it stays, so a file holding the line twice (two record files joined) keeps the records
// after the first. A UTF-16 file is searched in its own units, at unit boundaries, so that its
// bytes are kept without being decoded.
size_t LastClosingLine(const std::string& bytes) {
    if (!IsUtf16(bytes)) return bytes.rfind(kClosingLabelData);
    const std::string line = Utf8ToUtf16(kClosingLabelData, bytes[0] == '\xFE');
    for (size_t from = bytes.size();;) {
        const size_t at = bytes.rfind(line, from);
        if (at == std::string::npos || at % 2 == 0) return at;
        from = at - 1;  // a match at an odd offset straddles two units
    }
}

// A power cut or a failing disk leaves zero bytes at a file's end, and in a UTF-16 file they need
// not end on a unit boundary: an odd last zero byte after the closing labelData line is half a NUL.
// It goes with the rest of that tail, which an add never writes back, so the file stays in step.
void DropHalfNul(std::string& bytes) {
    if (IsUtf16(bytes) && bytes.size() % 2 != 0 && bytes.back() == '\0' && LastClosingLine(bytes) != std::string::npos)
        bytes.pop_back();
}

// The line of the first text after the last closing labelData line that is neither blank nor the
// closing root element (a second record file joined on and cut short leaves its records there);
// 0 when there is none. An add keeps only what comes before that line, so such text would be lost.
// NULs count as blanks there: they are what a power cut leaves, not records.
size_t LineAfterClosingLine(const std::string& bytes) {
    const std::string text = DecodeFileBytes(bytes);
    size_t at = text.rfind(kClosingLabelData);
    if (at == std::string::npos) return 0;
    at += std::string_view(kClosingLabelData).size();
    auto skipBlanks = [&] {
        constexpr std::string_view blanks(" \t\r\n\0", 5);
        while (at < text.size() && blanks.find(text[at]) != std::string_view::npos) ++at;
    };
    skipBlanks();
    if (text.compare(at, kClosingRoot.size(), kClosingRoot) == 0) {
        at += kClosingRoot.size();
        skipBlanks();
    }
    return at == text.size() ? 0 : LineNumbers(text).At(at);
}

std::string ElementLine(const std::string& name, const std::string& text) {
    return "\t\t\t<" + name + ">" + XmlText(text) + "</" + name + ">\r\n";
}

std::string CollectorElement(Session& s) {
    OutputFormatClass c = FindOutputFormat(s, fCollector, 0);
    if (!c.Enabled) return {};
    std::string text = GetFieldText(s, fCollector);
    std::string others = GetFieldText(s, fOtherCollectors);
    if (FindOutputFormat(s, fOtherCollectors, 0).Enabled && !others.empty())
        text += (text.empty() ? "" : ", ") + others;
    return text.empty() ? std::string() : ElementLine(c.DatabaseName, text);
}

std::string ElevationElement(Session& s, int sub, const char* metersBox, const char* feetBox) {
    OutputFormatClass c = FindOutputFormat(s, fElevation, sub);
    if (!c.Enabled) return {};
    std::string meters = BoxText(s, metersBox), feet = BoxText(s, feetBox);
    if (meters.empty() && !feet.empty())
        if (const std::optional<long long> m = MetersFromFeet(feet)) meters = IntToStr(*m);
    return meters.empty() ? std::string() : ElementLine(c.DatabaseName, meters);
}

std::string DegreesElement(Session& s, int sub, const CoordinateBoxes& boxes) {
    OutputFormatClass c = FindOutputFormat(s, fLatLong, sub);
    if (!c.Enabled || !CoordinateGiven(s, boxes)) return {};
    return ElementLine(c.DatabaseName, DecimalDegrees(s, boxes, DegreeForm::General));
}

std::string LabelElement(Session& s) {
    std::string accession = GetFieldText(s, fAccession);
    std::string t = "\t\t<label>\r\n";
    t += ElementLine("GlobalUniqueIdentifier", "QZV:Plants:" + accession);
    t += ElementLine("CatalogNumber", accession);
    t += CollectorElement(s);
    for (int f : kFieldElementsFirst) t += XmlFieldElement(s, f);
    t += ElevationElement(s, 1, "ElevMetersLowEdit", "ElevFeetLowEdit");
    t += ElevationElement(s, 2, "ElevMetersHighEdit", "ElevFeetHighEdit");
    t += DegreesElement(s, 5, kLatitudeBoxes);
    t += DegreesElement(s, 10, kLongitudeBoxes);
    for (int f : kFieldElementsLast) t += XmlFieldElement(s, f);
    t += "\t\t</label>\r\n";
    return t;
}

}  // namespace

std::string XmlText(const std::string& text) {
    std::string r;
    r.reserve(text.size());
    for (char ch : text) {
        unsigned char u = static_cast<unsigned char>(ch);
        if (ch == '&') r += "&amp;";
        else if (ch == '<') r += "&lt;";
        else if (ch == '>') r += "&gt;";
        else if (u < 0x20 && ch != '\t' && ch != '\r' && ch != '\n') continue;
        else r += ch;
    }
    return r;
}

std::string XmlFieldElement(Session& s, int field) {
    OutputFormatClass c = FindOutputFormat(s, field, 0);
    std::string text = GetFieldText(s, field);
    if (!c.Enabled || text.empty()) return {};
    return ReplaceAll(ElementLine(c.DatabaseName, text), "'", "`");
}

bool IsXmlName(std::string_view name) {
    if (name.empty()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool start = IsAsciiLetter(c) || c == '_' || c >= 0x80;
        const bool inner = IsDigit(c) || c == '-' || c == '.';
        if (!start && (i == 0 || !inner)) return false;
    }
    return true;
}

bool NamesXmlElement(int field, int subField) {
    if (subField == 0) {
        if (field == fCollector) return true;
        for (int f : kFieldElementsFirst)
            if (f == field) return true;
        for (int f : kFieldElementsLast)
            if (f == field) return true;
        return false;
    }
    return (field == fElevation && (subField == 1 || subField == 2)) ||
           (field == fLatLong && (subField == 5 || subField == 10));
}

std::string XmlElementNameFor(std::string_view name, int field) {
    std::string out;
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsAsciiLetter(c) || IsDigit(c) || c == '_' || c == '-' || c == '.' || c >= 0x80) out += ch;
    }
    if (!out.empty() && !IsXmlName(out)) out.insert(0, "_");
    return out.empty() ? "Field" + IntToStr(field) : out;
}

std::string XmlNameProblem(const Session& s) {
    // Only the first column of a pair names its element, and only when it is enabled.
    for (size_t i = 0; i < s.OutputColumns.size(); ++i) {
        const OutputFormatClass& c = s.OutputColumns[i];
        if (!NamesXmlElement(c.FieldIndex, c.SubIndex)) continue;
        bool first = true;
        for (size_t j = 0; j < i && first; ++j)
            first = s.OutputColumns[j].FieldIndex != c.FieldIndex || s.OutputColumns[j].SubIndex != c.SubIndex;
        if (first && c.Enabled && !IsXmlName(c.DatabaseName))
            return "The element name \"" + c.DatabaseName + "\" of " + c.Label +
                   " is no XML name (a letter or _ first, then letters, digits, _ - or .).";
    }
    return {};
}

bool AddDarwinXML(Session& s) {
    return RunRecordWriter(s, "Darwin XML", [&] {
        if (const std::string problem = XmlNameProblem(s); !problem.empty()) {
            s.dialogs.ShowMessage(problem + "  Correct it with Format Output; the record was not written.");
            WriteToLog(s, "Darwin XML not written: " + problem);
            return false;
        }
        fs::path path = s.ProgramFile(s.OutputFileName);
        std::string shownPath = path.string();
        // Held from the read to the replace: another copy adding at the same time waits.
        const std::unique_ptr<FileLock> lock = LockRecordFile(s, path, "The record was not added.");
        if (!lock) return false;
        std::error_code ec;
        std::string existing;
        bool exists = fs::exists(path, ec);
        if (exists && !ReadFileBytes(path, existing)) {
            s.dialogs.ShowMessage("Unable to open file: " + shownPath);
            return false;
        }
        DropHalfNul(existing);
        if (!RecordFileInStep(s, s.OutputFileName, existing)) return false;
        // The old part is copied byte for byte and the new label element is written in the
        // file's encoding (a legacy single-byte file is converted only when the user agrees).
        std::string added = LabelElement(s) + kClosingLabelData + std::string(kClosingRoot);
        if (existing.size() > (IsUtf16(existing) ? 2u : 0u)) {
            const size_t end = LastClosingLine(existing);
            if (end == std::string::npos) {
                s.dialogs.ShowMessage("The record file " + shownPath +
                                      " has no closing labelData line, so the record cannot be added to it. "
                                      "The file was left unchanged.");
                return false;
            }
            if (const size_t line = LineAfterClosingLine(existing); line != 0) {
                s.dialogs.ShowMessage("The record file " + shownPath + " holds text after its closing labelData line, at line " +
                                      IntToStr(static_cast<long long>(line)) + ", that adding a record would drop. "
                                      "The record was not added and the file was left unchanged.");
                return false;
            }
            existing.resize(end);
        } else {  // a new document; a UTF-16 file that holds only its byte-order mark stays UTF-16
            added = "<QUORL>\r\n\t<header>\r\n\t\t<version>" + XmlText(GetFileVersion()) +
                    "</version>\r\n\t</header>\r\n\t<labelData>\r\n" + added;
        }
        RecordFileText t{std::move(existing), std::move(added)};
        if (!EncodeForRecordFile(s, s.OutputFileName, t)) return false;
        NoteRecordFileAfterAdd(s, t.existing, t.added);
        const std::string bytes = t.existing + t.added;
        const WriteResult written = ReplaceFileAtomically(path, bytes);
        ShowWriteFailure(s, path, written);
        return written.ok();
    });
}

}  // namespace quorl
