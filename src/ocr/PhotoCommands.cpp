#include "ocr/PhotoCommands.h"

#include "fields/DoubleSpacing.h"
#include "fields/FieldAccess.h"
#include "model/AutoCorrect.h"
#include "model/Session.h"
#include "parser/FillLabelChunks.h"
#include "records/RecordTakenOut.h"

namespace quorl {

namespace {

constexpr const char* kLabelWindow = "RichEdit1";

void ParseAsLabel(Session& s, const std::string& text) {
    s.form.SetText(kLabelWindow, text);
    s.LabelText = s.form.Get(kLabelWindow).text;
    FillLabelChunks(s);
}

}  // namespace

std::string PrepareOcrText(const Session& s, const std::string& ocrText) {
    std::string text = AutoCorrectText(s, ocrText);
    if (s.DoubleSpace) text = DoubleSpaceText(text);
    return text;
}

void ParseOcrText(Session& s, const std::string& ocrText) {
    if (!OfferRecordTakenOutBack(s)) return;
    ClearFields(s);
    ParseAsLabel(s, PrepareOcrText(s, ocrText));
}

void ParsePhotoText(Session& s, const std::string& photoText) {
    const std::string text = photoText;  // the caller's text may be the label window's own
    if (!OfferRecordTakenOutBack(s)) return;
    ClearFields(s);
    ParseAsLabel(s, text);
}

}  // namespace quorl
