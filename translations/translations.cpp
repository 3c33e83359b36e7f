#include "translations/translations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

constexpr char catalogueFolder[] = ":/i18n";

bool load(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool Translations::install(const QLocale &locale)
{
    // Qt's catalogue translates its own dialog buttons and edit menus.
    load(locale, QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const bool found = load(locale, QStringLiteral("clipmoor"), QLatin1String(catalogueFolder));
    if (!found)
        qDebug().noquote() << "No translation for" << locale.uiLanguages().join(QLatin1Char(','));
    return found;
}
