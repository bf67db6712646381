#pragma once
#include <QString>

namespace bench {

struct GenerateOptions {
    QString dataFolder;   // a user data folder; laid out from the template when new
    int wines = 1000;
    int linesPerWine = 3; // on average
    int pictures = 0;     // wine pictures of about 200 KB
    unsigned seed = 1;
};

// What a run added, for the report line.
struct GenerateCounts {
    qint64 wines = 0;
    qint64 bottleLines = 0;
    qint64 bottles = 0;   // bottles left in stock
    qint64 movements = 0; // HISTORIC rows, entries and exits
    qint64 pictures = 0;
};

// Adds a dossier of synthetic wines; returns its id, or -1 with error set.
// The same seed on the same reference data gives the same cellar.
qint64 generate(const GenerateOptions &options, QString *error, GenerateCounts *counts = nullptr);

} // namespace bench
