#include "tests/support/language.h"

#include "translations/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool speak(const QString &language)
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    const QLocale locale(language == QLatin1String("en") ? QStringLiteral("en_US") : language);
    QLocale::setDefault(locale);
    return language == QLatin1String("en") || Translations::install(locale);
}
