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

// Adds a dossier of synthetic wines; returns its id, or -1 with error set.
qint64 generate(const GenerateOptions &options, QString *error);

} // namespace bench
