#include "fields/PhaseSupport.h"

#include "fields/FieldAccess.h"
#include "model/Session.h"

namespace quorl {

const LabelFieldClass& Definition(Session& s, int field) {
    static const LabelFieldClass kNone = [] {
        LabelFieldClass d;
        d.Minimum = 0;
        d.Maximum = 0;
        return d;
    }();
    const LabelFieldClass* d = FindFieldDefinition(s, field);
    return d ? *d : kNone;
}

int FoundLineOf(Session& s, int field) {
    const LabelFieldClass* d = FindFieldDefinition(s, field);
    return d ? d->FoundLine : 0;
}

void SetFoundLine(Session& s, int field, int line) {
    if (LabelFieldClass* d = FindFieldDefinition(s, field)) d->FoundLine = line;
}

}  // namespace quorl
