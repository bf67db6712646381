#include "jetsql.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <vector>

namespace jetsql {
namespace {

enum class Kind { Space, Word, Number, String, Ident, Date, Op, LParen, RParen, Comma, Other };

struct Token {
    Kind kind;
    QString text; // already in SQLite form
};

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// #3/5/2005#, #3/5/2005 14:30:00#, #2005-03-05# -> 'yyyy-mm-dd[ hh:mm:ss]'
QString dateToIso(const QString &body)
{
    static const QRegularExpression us(
        QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{2,4})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm])?)?\s*$)"));
    static const QRegularExpression iso(
        QStringLiteral(R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    int y = 0, m = 0, d = 0, hh = -1, mm = 0, ss = 0;
    if (const auto u = us.match(body); u.hasMatch()) {
        m = u.captured(1).toInt();
        d = u.captured(2).toInt();
        y = u.captured(3).toInt();
        if (u.captured(3).size() == 2)
            y += y < 30 ? 2000 : 1900;
        if (!u.captured(4).isEmpty()) {
            hh = u.captured(4).toInt();
            mm = u.captured(5).toInt();
            ss = u.captured(6).toInt();
            const QString ampm = u.captured(7).toLower();
            if (ampm == u"pm" && hh < 12)
                hh += 12;
            if (ampm == u"am" && hh == 12)
                hh = 0;
        }
    } else if (const auto i = iso.match(body); i.hasMatch()) {
        y = i.captured(1).toInt();
        m = i.captured(2).toInt();
        d = i.captured(3).toInt();
        if (!i.captured(4).isEmpty()) {
            hh = i.captured(4).toInt();
            mm = i.captured(5).toInt();
            ss = i.captured(6).toInt();
        }
    } else {
        return {};
    }
    if (!QDate::isValid(y, m, d))
        return {};
    QString out = QStringLiteral("'%1-%2-%3").arg(y, 4, 10, QChar(u'0')).arg(m, 2, 10, QChar(u'0')).arg(d, 2, 10, QChar(u'0'));
    if (hh >= 0)
        out += QStringLiteral(" %1:%2:%3").arg(hh, 2, 10, QChar(u'0')).arg(mm, 2, 10, QChar(u'0')).arg(ss, 2, 10, QChar(u'0'));
    return out + u'\'';
}

std::vector<Token> tokenize(const QString &s)
{
    std::vector<Token> out;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            while (i < n && s[i].isSpace())
                ++i;
            out.push_back({Kind::Space, s.mid(start, i - start)});
        } else if (c == u'\'' || c == u'"') {
            // Jet takes both quote kinds for text; SQLite wants single quotes.
            QString body;
            ++i;
            while (i < n) {
                if (s[i] == c) {
                    if (i + 1 < n && s[i + 1] == c) {
                        body += c;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                body += s[i++];
            }
            out.push_back({Kind::String, quote(body)});
        } else if (c == u'[') {
            const qsizetype close = s.indexOf(u']', i + 1);
            const qsizetype end = close < 0 ? n : close;
            QString name = s.mid(i + 1, end - i - 1);
            name.replace(u'"', QStringLiteral("\"\""));
            out.push_back({Kind::Ident, u'"' + name + u'"'});
            i = close < 0 ? n : close + 1;
        } else if (c == u'#') {
            const qsizetype close = s.indexOf(u'#', i + 1);
            const QString iso = close < 0 ? QString() : dateToIso(s.mid(i + 1, close - i - 1));
            if (iso.isEmpty()) {
                out.push_back({Kind::Other, QString(c)});
                ++i;
            } else {
                out.push_back({Kind::Date, iso});
                i = close + 1;
            }
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && s[i + 1].isDigit()
                                   && (out.empty() || out.back().kind != Kind::Word))) {
            while (i < n && (s[i].isDigit() || s[i] == u'.'))
                ++i;
            if (i < n && (s[i] == u'e' || s[i] == u'E') && i + 1 < n
                && (s[i + 1].isDigit() || ((s[i + 1] == u'-' || s[i + 1] == u'+') && i + 2 < n && s[i + 2].isDigit()))) {
                i += 2;
                while (i < n && s[i].isDigit())
                    ++i;
            }
            out.push_back({Kind::Number, s.mid(start, i - start)});
        } else if (isWordChar(c)) {
            while (i < n && isWordChar(s[i]))
                ++i;
            out.push_back({Kind::Word, s.mid(start, i - start)});
        } else if (c == u'(') {
            out.push_back({Kind::LParen, QStringLiteral("(")});
            ++i;
        } else if (c == u')') {
            out.push_back({Kind::RParen, QStringLiteral(")")});
            ++i;
        } else if (c == u',') {
            out.push_back({Kind::Comma, QStringLiteral(",")});
            ++i;
        } else if (c == u'<' || c == u'>' || c == u'=' || c == u'!') {
            ++i;
            if (i < n && (s[i] == u'=' || (c == u'<' && s[i] == u'>')))
                ++i;
            QString op = s.mid(start, i - start);
            if (op == u"!=")
                op = QStringLiteral("<>");
            out.push_back({Kind::Op, op});
        } else if (c == u'&') {
            out.push_back({Kind::Op, QStringLiteral("||")});
            ++i;
        } else {
            out.push_back({Kind::Other, QString(c)});
            ++i;
        }
    }
    return out;
}

bool isComparison(const Token &t)
{
    if (t.kind != Kind::Op)
        return false;
    return t.text == u"=" || t.text == u"<>" || t.text == u"<" || t.text == u">" || t.text == u"<=" || t.text == u">=";
}

bool isWord(const Token &t, QStringView w)
{
    return t.kind == Kind::Word && t.text.compare(w, Qt::CaseInsensitive) == 0;
}

class Translator
{
public:
    Translator(std::vector<Token> tokens, Dialect dialect, const ColumnKinds *columns)
        : m_t(std::move(tokens))
        , m_columns(columns)
        , m_collate(dialect == Dialect::Native ? QStringLiteral(" COLLATE FR") : QStringLiteral(" COLLATE NOCASE"))
        , m_dialect(dialect)
    {
    }

    QString run()
    {
        rewriteDelete();
        const QString limit = takeTop();
        QString out = render(0, m_t.size());
        if (!limit.isEmpty()) {
            // Keep a trailing semicolon last.
            const qsizetype semi = out.lastIndexOf(u';');
            if (semi >= 0 && out.mid(semi + 1).trimmed().isEmpty())
                out.insert(semi, limit);
            else
                out += limit;
        }
        return out;
    }

private:
    size_t nextSolid(size_t i, size_t end) const
    {
        while (i < end && m_t[i].kind == Kind::Space)
            ++i;
        return i;
    }

    static bool isName(const Token &t) { return t.kind == Kind::Word || t.kind == Kind::Ident; }
    static bool isDot(const Token &t) { return t.kind == Kind::Other && t.text == u"."; }

    static QString nameOf(const Token &t)
    {
        return (t.kind == Kind::Ident ? t.text.mid(1, t.text.size() - 2) : t.text).toLower();
    }

    bool isTextColumn(const Token &t) const
    {
        return m_columns && isName(t) && m_columns->text.contains(nameOf(t));
    }

    // Whether a sort term [t.]c between begin and end holds text: true or
    // false when known, unknown otherwise.
    std::optional<bool> holdsText(size_t begin, size_t end) const
    {
        const size_t first = nextSolid(begin, end);
        const size_t last = columnEnd(first, end);
        if (!m_columns || last >= end || nextSolid(last + 1, end) < end)
            return std::nullopt;
        if (m_columns->text.contains(nameOf(m_t[last])))
            return true;
        if (m_columns->other.contains(nameOf(m_t[last])))
            return false;
        return std::nullopt;
    }

    // Last token of the column reference [t.]c starting at i, or end.
    size_t columnEnd(size_t i, size_t end) const
    {
        if (i >= end || !isName(m_t[i]) || isWord(m_t[i], u"True") || isWord(m_t[i], u"False"))
            return end;
        while (i + 2 < end && isDot(m_t[i + 1]) && isName(m_t[i + 2]))
            i += 2;
        const size_t after = nextSolid(i + 1, end);
        return after < end && m_t[after].kind == Kind::LParen ? end : i;
    }

    // DELETE * FROM t / DELETE t.* FROM t -> DELETE FROM t
    void rewriteDelete()
    {
        const size_t first = nextSolid(0, m_t.size());
        if (first >= m_t.size() || !isWord(m_t[first], u"DELETE"))
            return;
        size_t from = first + 1;
        while (from < m_t.size() && !isWord(m_t[from], u"FROM"))
            ++from;
        if (from >= m_t.size())
            return;
        m_t.erase(m_t.begin() + first + 1, m_t.begin() + from);
        m_t.insert(m_t.begin() + first + 1, Token{Kind::Space, QStringLiteral(" ")});
    }

    // SELECT [DISTINCT] TOP n ... -> ... LIMIT n
    QString takeTop()
    {
        size_t i = nextSolid(0, m_t.size());
        if (i >= m_t.size() || !isWord(m_t[i], u"SELECT"))
            return {};
        i = nextSolid(i + 1, m_t.size());
        if (i < m_t.size() && (isWord(m_t[i], u"DISTINCT") || isWord(m_t[i], u"DISTINCTROW")))
            i = nextSolid(i + 1, m_t.size());
        if (i >= m_t.size() || !isWord(m_t[i], u"TOP"))
            return {};
        const size_t num = nextSolid(i + 1, m_t.size());
        if (num >= m_t.size() || m_t[num].kind != Kind::Number)
            return {};
        const QString limit = QStringLiteral(" LIMIT ") + m_t[num].text;
        const size_t after = num + 1 < m_t.size() && m_t[num + 1].kind == Kind::Space ? num + 2 : num + 1;
        m_t.erase(m_t.begin() + i, m_t.begin() + after);
        return limit;
    }

    size_t matchingParen(size_t open, size_t end) const
    {
        int depth = 0;
        for (size_t i = open; i < end; ++i) {
            if (m_t[i].kind == Kind::LParen)
                ++depth;
            else if (m_t[i].kind == Kind::RParen && --depth == 0)
                return i;
        }
        return end;
    }

    // Translated arguments of the call whose "(" is at open and ")" at close.
    QStringList arguments(size_t open, size_t close)
    {
        QStringList args;
        int depth = 0;
        size_t start = open + 1;
        for (size_t i = open + 1; i < close; ++i) {
            if (m_t[i].kind == Kind::LParen)
                ++depth;
            else if (m_t[i].kind == Kind::RParen)
                --depth;
            else if (m_t[i].kind == Kind::Comma && depth == 0) {
                args << render(start, i).trimmed();
                start = i + 1;
            }
        }
        const QString last = render(start, close).trimmed();
        if (!last.isEmpty() || !args.isEmpty())
            args << last;
        return args;
    }

    // Rewrites a Jet function call; empty when the name is not one to rewrite.
    QString rewriteCall(const QString &name, const QStringList &a)
    {
        const QString f = name.toLower();
        const auto arg = [&](int i) { return i < a.size() ? a[i] : QString(); };
        if (f == u"left" && a.size() == 2)
            return QStringLiteral("substr(%1, 1, %2)").arg(a[0], a[1]);
        if (f == u"right" && a.size() == 2)
            return QStringLiteral("substr(%1, -(%2), %2)").arg(a[0], a[1]);
        if (f == u"mid")
            return QStringLiteral("substr(") + a.join(QStringLiteral(", ")) + u')';
        if (f == u"len")
            return QStringLiteral("length(%1)").arg(arg(0));
        if (f == u"ucase")
            return QStringLiteral("upper(%1)").arg(arg(0));
        if (f == u"lcase")
            return QStringLiteral("lower(%1)").arg(arg(0));
        if (f == u"nz")
            return QStringLiteral("ifnull(%1, %2)").arg(arg(0), a.size() > 1 ? a[1] : QStringLiteral("''"));
        if (f == u"instr" && a.size() == 2)
            return QStringLiteral("instr(%1, %2)").arg(a[0], a[1]);
        if (f == u"iif" && a.size() == 3)
            return QStringLiteral("(CASE WHEN %1 THEN %2 ELSE %3 END)").arg(a[0], a[1], a[2]);
        if (f == u"cstr")
            return QStringLiteral("CAST(%1 AS TEXT)").arg(arg(0));
        if (f == u"cint" || f == u"clng")
            return QStringLiteral("CAST(%1 AS INTEGER)").arg(arg(0));
        if (f == u"cdbl" || f == u"val")
            return QStringLiteral("CAST(%1 AS REAL)").arg(arg(0));
        if (a.isEmpty()) {
            if (f == u"now")
                return QStringLiteral("datetime('now', 'localtime')");
            if (f == u"date")
                return QStringLiteral("date('now', 'localtime')");
            if (f == u"time")
                return QStringLiteral("time('now', 'localtime')");
        }
        if (m_dialect == Dialect::Builtin && a.size() == 1) {
            if (f == u"year")
                return QStringLiteral("CAST(strftime('%Y', %1) AS INTEGER)").arg(a[0]);
            if (f == u"month")
                return QStringLiteral("CAST(strftime('%m', %1) AS INTEGER)").arg(a[0]);
            if (f == u"day")
                return QStringLiteral("CAST(strftime('%d', %1) AS INTEGER)").arg(a[0]);
        }
        return {};
    }

    // End of an ORDER BY / GROUP BY clause starting at i.
    size_t clauseEnd(size_t i, size_t end) const
    {
        int depth = 0;
        for (; i < end; ++i) {
            const Token &t = m_t[i];
            if (t.kind == Kind::LParen)
                ++depth;
            else if (t.kind == Kind::RParen && --depth < 0)
                return i;
            else if (depth == 0
                     && ((t.kind == Kind::Other && t.text == u";") || isWord(t, u"HAVING") || isWord(t, u"ORDER")
                         || isWord(t, u"LIMIT") || isWord(t, u"UNION")))
                return i;
        }
        return end;
    }

    // ORDER BY terms get the French collation unless they are known not to
    // hold text; GROUP BY terms only when they are known to.
    QString emitSortTerms(size_t begin, size_t end, bool grouping)
    {
        QStringList terms;
        int depth = 0;
        size_t start = begin;
        const auto flush = [&](size_t stop) {
            size_t last = stop;
            while (last > start && m_t[last - 1].kind == Kind::Space)
                --last;
            QString direction;
            if (last > start && (isWord(m_t[last - 1], u"ASC") || isWord(m_t[last - 1], u"DESC"))) {
                direction = u' ' + m_t[last - 1].text;
                --last;
            }
            const QString term = render(start, last).trimmed();
            const size_t solid = nextSolid(start, last);
            const bool position = solid + 1 == last && m_t[solid].kind == Kind::Number;
            const bool collated = std::any_of(m_t.begin() + start, m_t.begin() + last, [](const Token &t) { return isWord(t, u"COLLATE"); });
            const std::optional<bool> text = holdsText(start, last);
            const bool wanted = grouping ? text.value_or(false) : text.value_or(true);
            terms << (position || collated || term.isEmpty() || !wanted ? term : term + m_collate) + direction;
        };
        for (size_t i = begin; i < end; ++i) {
            if (m_t[i].kind == Kind::LParen)
                ++depth;
            else if (m_t[i].kind == Kind::RParen)
                --depth;
            else if (m_t[i].kind == Kind::Comma && depth == 0) {
                flush(i);
                start = i + 1;
            }
        }
        flush(end);
        QString trailing;
        for (size_t i = end; i > begin && m_t[i - 1].kind == Kind::Space; --i)
            trailing.prepend(m_t[i - 1].text);
        return u' ' + terms.join(QStringLiteral(", ")) + trailing;
    }

    QString render(size_t begin, size_t end)
    {
        QString out;
        for (size_t i = begin; i < end; ++i) {
            const Token &t = m_t[i];
            if (t.kind == Kind::Word) {
                const size_t next = nextSolid(i + 1, end);
                const bool call = next < end && m_t[next].kind == Kind::LParen;
                const bool qualified = i > begin && m_t[i - 1].kind == Kind::Other && m_t[i - 1].text == u".";
                if (call && !qualified) {
                    const size_t close = matchingParen(next, end);
                    const QString rewritten = close < end ? rewriteCall(t.text, arguments(next, close)) : QString();
                    if (!rewritten.isEmpty()) {
                        out += rewritten;
                        i = close;
                        continue;
                    }
                }
                if (!qualified && !call && isWord(t, u"True")) {
                    out += u'1';
                    continue;
                }
                if (!qualified && !call && isWord(t, u"False")) {
                    out += u'0';
                    continue;
                }
                if (isWord(t, u"Mod")) {
                    out += u'%';
                    continue;
                }
                if (isWord(t, u"DISTINCTROW")) {
                    out += QStringLiteral("DISTINCT");
                    continue;
                }
                if ((isWord(t, u"ORDER") || isWord(t, u"GROUP")) && next < end && isWord(m_t[next], u"BY")) {
                    const size_t stop = clauseEnd(next + 1, end);
                    out += t.text + u' ' + m_t[next].text + emitSortTerms(next + 1, stop, isWord(t, u"GROUP"));
                    i = stop - 1;
                    continue;
                }
                out += t.text;
                continue;
            }
            if (isComparison(t)) {
                const size_t next = nextSolid(i + 1, end);
                if (next < end && isWord(m_t[next], u"NULL") && (t.text == u"=" || t.text == u"<>")) {
                    if (!out.isEmpty() && !out.back().isSpace())
                        out += u' ';
                    out += t.text == u"=" ? QStringLiteral("IS") : QStringLiteral("IS NOT");
                    if (m_t[i + 1].kind != Kind::Space)
                        out += u' ';
                    continue;
                }
                size_t prev = i;
                while (prev > begin && m_t[prev - 1].kind == Kind::Space)
                    --prev;
                if (prev > begin && m_t[prev - 1].kind == Kind::String) {
                    // 'text' = column: collate the literal on the left.
                    int trail = 0;
                    while (trail < out.size() && out[out.size() - 1 - trail].isSpace())
                        ++trail;
                    out.insert(out.size() - trail, m_collate);
                    out += t.text;
                    continue;
                }
                out += t.text;
                if (next < end && m_t[next].kind == Kind::String) {
                    for (size_t k = i + 1; k < next; ++k)
                        out += m_t[k].text;
                    out += m_t[next].text + m_collate;
                    i = next;
                    continue;
                }
                // column = column: collated only when one of them holds text.
                const size_t right = columnEnd(next, end);
                const bool leftText = prev > begin && isTextColumn(m_t[prev - 1]);
                if (right < end && (leftText || isTextColumn(m_t[right]))) {
                    for (size_t k = i + 1; k <= right; ++k)
                        out += m_t[k].text;
                    out += m_collate;
                    i = right;
                }
                continue;
            }
            out += t.text;
        }
        return out;
    }

    std::vector<Token> m_t;
    const ColumnKinds *m_columns;
    QString m_collate;
    Dialect m_dialect;
};

} // namespace

QString translate(const QString &jet, Dialect dialect, const ColumnKinds *columns)
{
    return Translator(tokenize(jet), dialect, columns).run();
}

QString quote(const QString &text)
{
    QString q = text;
    q.replace(u'\'', QStringLiteral("''"));
    return u'\'' + q + u'\'';
}

QString dateLiteral(int year, int month, int day)
{
    return QStringLiteral("#%1/%2/%3#").arg(month).arg(day).arg(year);
}

} // namespace jetsql
