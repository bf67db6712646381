#include "generate.h"

namespace bench {

qint64 generate(const GenerateOptions &, QString *error)
{
    *error = QStringLiteral("not yet");
    return -1;
}

} // namespace bench
