#include "tests/support/testdata.h"

#include <QFile>
#include <QTest>

QString testData(const QString &relativePath)
{
    QFile file(QStringLiteral(CLIPMOOR_TEST_DATA_DIR "/") + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read test data %s", qPrintable(file.fileName()));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QLatin1String("# source:")))
        text.remove(0, text.indexOf(QLatin1Char('\n')) + 1);
    return text;
}
