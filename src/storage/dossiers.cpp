#include "dossiers.h"

#include "storage/datamodule.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace dossiers {

namespace {

const QString kPrefix = QStringLiteral("$pbkdf2-sha256$");
constexpr int kIterations = 60000;
constexpr int kSaltBytes = 16;
constexpr int kMaxIterations = 10'000'000; // a stored value cannot make checking hang

// PBKDF2-HMAC-SHA256 (RFC 8018), one 32-byte block.
QByteArray pbkdf2(const QByteArray &password, const QByteArray &salt, int iterations)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    mac.addData(salt);
    mac.addData(QByteArray("\x00\x00\x00\x01", 4));
    QByteArray u = mac.result();
    QByteArray out = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (qsizetype j = 0; j < out.size(); ++j)
            out[j] = char(out[j] ^ u[j]);
    }
    return out;
}

// Same time whatever the position of the first difference.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

struct Parsed {
    int iterations = 0;
    QByteArray salt, hash;
    bool valid = false;
};

Parsed parse(const QString &stored)
{
    Parsed p;
    if (!stored.startsWith(kPrefix))
        return p;
    const QStringList parts = stored.mid(kPrefix.size()).split(u'$');
    if (parts.size() != 3)
        return p;
    bool ok = false;
    p.iterations = parts[0].toInt(&ok);
    const auto decode = [](const QString &s, QByteArray &to) {
        const auto r = QByteArray::fromBase64Encoding(s.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        to = r.decoded;
        return bool(r) && !to.isEmpty();
    };
    p.valid = ok && p.iterations > 0 && p.iterations <= kMaxIterations && decode(parts[1], p.salt) && decode(parts[2], p.hash);
    return p;
}

// Keeps the SQL of MainFile and puts it back whatever happens.
class DossierRow
{
public:
    DossierRow(Dataset &ds, qint64 id) : m_ds(ds), m_sql(ds.sql())
    {
        m_ds.close();
        m_ds.setSql(m_sql + QStringList{QStringLiteral("WHERE Id=%1").arg(id)});
        try {
            m_ds.open();
        } catch (...) {
            m_ds.setSql(m_sql);
            throw;
        }
    }
    ~DossierRow()
    {
        m_ds.close();
        m_ds.setSql(m_sql);
    }
    Dataset &operator*() { return m_ds; }
    Dataset *operator->() { return &m_ds; }

private:
    Dataset &m_ds;
    QStringList m_sql;
};

} // namespace

QString hashPassword(const QString &password)
{
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    const QByteArray hash = pbkdf2(password.toUtf8(), salt, kIterations);
    return kPrefix + QString::number(kIterations) + u'$' + QString::fromLatin1(salt.toBase64()) + u'$'
           + QString::fromLatin1(hash.toBase64());
}

bool isHashed(const QString &stored)
{
    return parse(stored).valid;
}

bool checkPassword(const QString &stored, const QString &typed)
{
    if (stored.isEmpty())
        return true;
    const Parsed p = parse(stored);
    if (!p.valid)
        return sameBytes(stored.toUtf8(), typed.toUtf8());
    return sameBytes(pbkdf2(typed.toUtf8(), p.salt, p.iterations), p.hash);
}

bool needsUpgrade(const QString &stored)
{
    return !stored.isEmpty() && !isHashed(stored);
}

QList<Entry> list(TDataModule1 &data)
{
    QList<Entry> entries;
    Dataset &ds = data.MainFile;
    ds.close();
    ds.open();
    for (ds.first(); !ds.eof(); ds.next())
        entries.append({ds.integer(QStringLiteral("ID")), ds.text(QStringLiteral("LoginName"))});
    ds.close();
    return entries;
}

QString storedPassword(TDataModule1 &data, qint64 id)
{
    DossierRow row(data.MainFile, id);
    return row->isEmpty() ? QString() : row->text(QStringLiteral("LoginPassword"));
}

void setStoredPassword(TDataModule1 &data, qint64 id, const QString &stored)
{
    DossierRow row(data.MainFile, id);
    if (row->isEmpty())
        return;
    row->edit();
    row->setValue(QStringLiteral("LoginPassword"), stored);
    row->post();
}

} // namespace dossiers
