#include "codepage.h"

#include <QStringDecoder>

namespace codepage {
namespace {

// 0x80..0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

} // namespace

QString fromWindows1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80])
            out += QChar(kHigh[b - 0x80]);
        else
            out += QChar(b);
    }
    return out;
}

QByteArray toWindows1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += char(u);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == u)
                mapped = char(0x80 + i);
        out += mapped;
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

} // namespace codepage
