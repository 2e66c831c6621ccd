// printf-style templates: the template, then NUL-separated arguments (integers as %d takes
// them, anything else as text).
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "l10n/L10n.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList pieces = FuzzInput::pieces(data, size);
    const QString& templateText = pieces.first();
    L10n::Args args;
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        bool isNumber = false;
        const qint64 number = pieces.at(i).toLongLong(&isNumber);
        if (isNumber) {
            args.append(number);
        } else {
            args.append(pieces.at(i));
        }
    }
    const QString formatted = L10n::format(templateText, args);
    FUZZ_CHECK(templateText.contains(u'%') || formatted == templateText);
    for (const QString& specifier : L10n::specifiers(templateText)) FUZZ_CHECK(specifier.startsWith(u'%'));
    return 0;
}
