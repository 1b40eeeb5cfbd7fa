// Feeds every seed of a folder to the harness once, as libFuzzer does when
// it starts on its corpus; a broken invariant aborts on the seed named last.

#include <QDir>
#include <QFile>

#include <csignal>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

QByteArray currentSeed;

extern "C" void nameTheSeed(int)
{
    std::fprintf(stderr, "seed: %s\n", currentSeed.constData());
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER\n", argv[0]);
        return 2;
    }
    std::signal(SIGABRT, nameTheSeed);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QStringList seeds = folder.entryList(QDir::Files, QDir::Name);
    for (const QString &name : seeds) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        currentSeed = name.toLocal8Bit();
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%lld seeds\n", static_cast<long long>(seeds.size()));
    return seeds.isEmpty() ? 1 : 0;
}
