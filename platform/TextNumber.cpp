#include "platform/TextNumber.h"

#include "platform/Trunc.h"

#include <QString>

namespace platform {

double LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto digitAt = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    while (digitAt(i)) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == u'.') {
        qsizetype k = i + 1;
        while (digitAt(k)) {
            ++k;
            digits = true;
        }
        if (digits)
            i = k;
    }
    if (!digits)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype k = i + 1;
        if (k < n && (text[k] == u'+' || text[k] == u'-'))
            ++k;
        if (digitAt(k)) {
            while (digitAt(k))
                ++k;
            i = k;
        }
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toString().toDouble(&ok);
    return ok ? value : 0.0;
}

std::int32_t LeadingInteger(QStringView text)
{
    return trunc(LeadingNumber(text));
}

} // namespace platform
