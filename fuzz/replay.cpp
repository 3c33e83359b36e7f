// Replays the committed corpus through every fuzz target, as part of the test suite.
// Usage: replay <corpus folder>, which holds one folder per target.
#include "fuzz/fuzztarget.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

QList<FuzzTarget *> &targets()
{
    static QList<FuzzTarget *> list;
    return list;
}

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

FuzzTarget::FuzzTarget(const char *name_, FuzzEntry entry_)
    : name(name_)
    , entry(entry_)
{
    targets().append(this);
}

void fuzzFailure(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    qInstallMessageHandler(quiet);
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    int inputs = 0;
    for (FuzzTarget *target : targets()) {
        const QDir folder(corpus.filePath(QLatin1String(target->name)));
        const QStringList files = folder.entryList(QDir::Files, QDir::Name);
        if (files.isEmpty()) {
            std::fprintf(stderr, "no corpus for %s\n", target->name);
            return 1;
        }
        for (const QString &name : files) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            const QByteArray data = file.readAll();
            target->entry(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
            ++inputs;
        }
        std::printf("%s: %lld inputs\n", target->name, static_cast<long long>(files.size()));
    }
    std::printf("replayed %d inputs\n", inputs);
    return 0;
}
