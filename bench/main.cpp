// tonnel-bench: the synthetic cellar generator and the speed measurements.
#include "generate.h"
#include "measure.h"

#include <QApplication>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: tonnel-bench generate --data DIR --wines N --lines M [--pictures P] [--seed S]\n"
                         "       tonnel-bench run --data DIR [NAME...]   (open_dossier, refresh_card, scroll, backup, restore)\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Measurements paint real windows, offscreen when there is no display.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const auto option = [&](const QString &name, const QString &fallback) {
        const qsizetype i = args.indexOf(name);
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };
    if (args[0] == u"generate") {
        bench::GenerateOptions o;
        o.dataFolder = option(QStringLiteral("--data"), {});
        o.wines = option(QStringLiteral("--wines"), QStringLiteral("1000")).toInt();
        o.linesPerWine = option(QStringLiteral("--lines"), QStringLiteral("3")).toInt();
        o.pictures = option(QStringLiteral("--pictures"), QStringLiteral("0")).toInt();
        o.seed = option(QStringLiteral("--seed"), QStringLiteral("1")).toUInt();
        if (o.dataFolder.isEmpty())
            return usage();
        QElapsedTimer timer;
        timer.start();
        QString error;
        bench::GenerateCounts counts;
        const qint64 dossier = bench::generate(o, &error, &counts);
        if (dossier < 0) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("{\"name\":\"generate\",\"dossier\":%lld,\"wines\":%d,\"lines\":%lld,\"bottles\":%lld,"
                    "\"movements\":%lld,\"pictures\":%lld,\"ms\":%lld}\n",
                    dossier, o.wines, counts.bottleLines, counts.bottles, counts.movements, counts.pictures,
                    timer.elapsed());
        return 0;
    }
    if (args[0] == u"run") {
        const QString data = option(QStringLiteral("--data"), {});
        if (data.isEmpty())
            return usage();
        QStringList names = args.mid(1);
        const qsizetype at = names.indexOf(QStringLiteral("--data"));
        names.remove(at, 2);
        return bench::run(data, names);
    }
    return usage();
}
