#include "sqlfunctions.h"

#include <QVarLengthArray>
#include <cstring>
#include <sqlite3.h>

namespace sqlfunctions {
namespace {

using Buffer = QVarLengthArray<char32_t, 128>;

// Base letters of U+00C0..U+00FF; '*' marks the ligatures expanded below.
constexpr char16_t kLatin1Base[64] = {
    u'a', u'a', u'a', u'a', u'a', u'a', u'*', u'c', u'e', u'e', u'e', u'e', u'i', u'i', u'i', u'i',
    u'd', u'n', u'o', u'o', u'o', u'o', u'o', 0xD7, u'o', u'u', u'u', u'u', u'u', u'y', 0xFE, u'*',
    u'a', u'a', u'a', u'a', u'a', u'a', u'*', u'c', u'e', u'e', u'e', u'e', u'i', u'i', u'i', u'i',
    u'd', u'n', u'o', u'o', u'o', u'o', u'o', 0xF7, u'o', u'u', u'u', u'u', u'u', u'y', 0xFE, u'y'};

char32_t lowerOf(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    return QChar::toLower(c);
}

// Appends the primary key of c: lower case, accents dropped, ligatures split.
void appendBase(char32_t c, Buffer &out)
{
    if (c < 0x80) {
        out.append(lowerOf(c));
        return;
    }
    switch (c) {
    case 0xC6: case 0xE6: out.append('a'); out.append('e'); return;
    case 0xDF: out.append('s'); out.append('s'); return;
    case 0x152: case 0x153: out.append('o'); out.append('e'); return;
    default: break;
    }
    if (c >= 0xC0 && c <= 0xFF) {
        out.append(kLatin1Base[c - 0xC0]);
        return;
    }
    const char32_t lower = QChar::toLower(c);
    const QString decomposed = QChar::decomposition(lower);
    if (!decomposed.isEmpty() && QChar::decompositionTag(lower) == QChar::Canonical)
        out.append(decomposed.at(0).unicode());
    else
        out.append(lower);
}

template <typename Next>
void keys(Next next, Buffer &base, Buffer &lower)
{
    for (char32_t c; next(c);) {
        appendBase(c, base);
        lower.append(lowerOf(c));
    }
}

// UTF-8 and UTF-16 readers yielding code points.
struct Utf8Reader {
    const unsigned char *p, *end;
    bool operator()(char32_t &c)
    {
        if (p >= end)
            return false;
        const unsigned char b = *p++;
        int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
        c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : extra == 1 ? b & 0x1F : b;
        while (extra-- > 0 && p < end)
            c = (c << 6) | (*p++ & 0x3F);
        return true;
    }
};

struct Utf16Reader {
    const QChar *p, *end;
    bool operator()(char32_t &c)
    {
        if (p >= end)
            return false;
        c = p->unicode();
        ++p;
        if (QChar::isHighSurrogate(c) && p < end && p->isLowSurrogate()) {
            c = QChar::surrogateToUcs4(char16_t(c), p->unicode());
            ++p;
        }
        return true;
    }
};

int compareBuffers(const Buffer &a, const Buffer &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename Reader>
int compareWith(Reader a, Reader b)
{
    Buffer baseA, baseB, lowerA, lowerB;
    keys(a, baseA, lowerA);
    keys(b, baseB, lowerB);
    if (const int primary = compareBuffers(baseA, baseB))
        return primary;
    // Same letters: accents decide; letter case never does.
    return compareBuffers(lowerA, lowerB);
}

// Plain ASCII texts, by far the most common, compare without decoding; the
// answer is "unknown" (2) as soon as an accented letter shows.
int compareAscii(const unsigned char *a, int lenA, const unsigned char *b, int lenB)
{
    const int n = std::min(lenA, lenB);
    for (int i = 0; i < n; ++i) {
        const unsigned char ca = a[i], cb = b[i];
        if ((ca | cb) & 0x80)
            return 2;
        const unsigned char la = ca >= 'A' && ca <= 'Z' ? ca + 32 : ca;
        const unsigned char lb = cb >= 'A' && cb <= 'Z' ? cb + 32 : cb;
        if (la != lb)
            return la < lb ? -1 : 1;
    }
    const unsigned char *rest = lenA > lenB ? a + n : b + n;
    for (int i = 0; i < std::abs(lenA - lenB); ++i)
        if (rest[i] & 0x80)
            return 2;
    return lenA == lenB ? 0 : (lenA < lenB ? -1 : 1);
}

int collateFr(void *, int lenA, const void *a, int lenB, const void *b)
{
    const auto *pa = static_cast<const unsigned char *>(a);
    const auto *pb = static_cast<const unsigned char *>(b);
    if (lenA == lenB && std::memcmp(pa, pb, size_t(lenA)) == 0)
        return 0;
    if (const int quick = compareAscii(pa, lenA, pb, lenB); quick != 2)
        return quick;
    return compareWith(Utf8Reader{pa, pa + lenA}, Utf8Reader{pb, pb + lenB});
}

bool likeMatch(const char32_t *p, const char32_t *pend, const char32_t *t, const char32_t *tend, char32_t escape)
{
    while (p < pend) {
        const char32_t c = *p;
        if (c == '%') {
            while (p < pend && *p == '%')
                ++p;
            if (p == pend)
                return true;
            for (const char32_t *s = t; s <= tend; ++s)
                if (likeMatch(p, pend, s, tend, escape))
                    return true;
            return false;
        }
        if (t == tend)
            return false;
        if (c == '_') {
            ++p;
            ++t;
            continue;
        }
        char32_t literal = c;
        if (escape && c == escape && p + 1 < pend)
            literal = *++p;
        if (lowerOf(literal) != lowerOf(*t))
            return false;
        ++p;
        ++t;
    }
    return t == tend;
}

template <typename Reader>
Buffer codePoints(Reader r)
{
    Buffer out;
    for (char32_t c; r(c);)
        out.append(c);
    return out;
}

Utf8Reader textArg(sqlite3_value *v)
{
    const auto *p = sqlite3_value_text(v);
    return Utf8Reader{p, p + (p ? sqlite3_value_bytes(v) : 0)};
}

void likeFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    char32_t escape = 0;
    if (argc == 3) {
        const Buffer e = codePoints(textArg(argv[2]));
        if (e.size() != 1)
            return sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
        escape = e[0];
    }
    const Buffer pattern = codePoints(textArg(argv[0]));
    const Buffer text = codePoints(textArg(argv[1]));
    sqlite3_result_int(ctx, likeMatch(pattern.begin(), pattern.end(), text.begin(), text.end(), escape));
}

void caseFunction(sqlite3_context *ctx, sqlite3_value **argv, bool upper)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const QString s = QString::fromUtf8(p, sqlite3_value_bytes(argv[0]));
    const QByteArray r = (upper ? s.toUpper() : s.toLower()).toUtf8();
    sqlite3_result_text(ctx, r.constData(), int(r.size()), SQLITE_TRANSIENT);
}

// Year/Month/Day of an ISO date text "yyyy-mm-dd[ ...]"; NULL otherwise.
void datePart(sqlite3_context *ctx, sqlite3_value **argv, int part)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int n = p ? sqlite3_value_bytes(argv[0]) : 0;
    if (n < 10 || p[4] != '-' || p[7] != '-')
        return sqlite3_result_null(ctx);
    const int offset = part == 0 ? 0 : part == 1 ? 5 : 8;
    const int width = part == 0 ? 4 : 2;
    int value = 0;
    for (int i = offset; i < offset + width; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return sqlite3_result_null(ctx);
        value = value * 10 + (p[i] - '0');
    }
    sqlite3_result_int(ctx, value);
}

} // namespace

int frenchCompare(QStringView a, QStringView b)
{
    return compareWith(Utf16Reader{a.begin(), a.end()}, Utf16Reader{b.begin(), b.end()});
}

bool like(QStringView pattern, QStringView text, QChar escape)
{
    const Buffer p = codePoints(Utf16Reader{pattern.begin(), pattern.end()});
    const Buffer t = codePoints(Utf16Reader{text.begin(), text.end()});
    return likeMatch(p.begin(), p.end(), t.begin(), t.end(), escape.unicode());
}

bool registerAll(sqlite3 *db)
{
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    const auto fn = [db](const char *name, int argc, void (*f)(sqlite3_context *, int, sqlite3_value **)) {
        return sqlite3_create_function_v2(db, name, argc, flags, nullptr, f, nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    bool ok = sqlite3_create_collation_v2(db, "FR", SQLITE_UTF8, nullptr, collateFr, nullptr) == SQLITE_OK;
    ok &= fn("like", 2, likeFunction);
    ok &= fn("like", 3, likeFunction);
    ok &= fn("upper", 1, [](sqlite3_context *c, int, sqlite3_value **v) { caseFunction(c, v, true); });
    ok &= fn("lower", 1, [](sqlite3_context *c, int, sqlite3_value **v) { caseFunction(c, v, false); });
    ok &= fn("Year", 1, [](sqlite3_context *c, int, sqlite3_value **v) { datePart(c, v, 0); });
    ok &= fn("Month", 1, [](sqlite3_context *c, int, sqlite3_value **v) { datePart(c, v, 1); });
    ok &= fn("Day", 1, [](sqlite3_context *c, int, sqlite3_value **v) { datePart(c, v, 2); });
    return ok;
}

} // namespace sqlfunctions
