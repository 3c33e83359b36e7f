// Language names from ICU's C interface, which Linux distributions ship as libicu and
// Windows (10 version 1903 on) as its own icu.dll.
#include "platform/platform.h"

#ifdef Q_OS_WIN
#include <icu.h>
#else
#include <unicode/uloc.h>
#endif

namespace {

constexpr int32_t nameCapacity = 256;

// ICU's locale ID ("pt_BR") for a whole, well-formed language tag ("pt-BR"); else empty.
QByteArray localeId(const QString &tag)
{
    const QByteArray given = tag.toLatin1();
    char id[ULOC_FULLNAME_CAPACITY] = {};
    int32_t parsed = 0;
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        uloc_forLanguageTag(given.constData(), id, ULOC_FULLNAME_CAPACITY, &parsed, &status);
    if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING || length <= 0 ||
        parsed != given.size())
        return QByteArray();
    char language[ULOC_LANG_CAPACITY] = {};
    status = U_ZERO_ERROR;
    if (uloc_getLanguage(id, language, ULOC_LANG_CAPACITY, &status) <= 0 || U_FAILURE(status))
        return QByteArray();
    return QByteArray(id, length);
}

} // namespace

namespace Platform {

QString languageDisplayName(const QString &tag, const QString &displayTag)
{
    const QByteArray language = localeId(tag);
    if (language.isEmpty())
        return QString();
    const QByteArray display = localeId(displayTag);
    UChar name[nameCapacity] = {};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        uloc_getDisplayName(language.constData(), display.constData(), name, nameCapacity, &status);
    if (U_FAILURE(status) || length <= 0)
        return QString();
    return QString(reinterpret_cast<const QChar *>(name), qMin(length, nameCapacity));
}

} // namespace Platform
