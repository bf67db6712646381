#include "fieldbinding.h"

#include "bottlelogic.h"
#include "platform/connection.h"
#include "platform/dataset.h"

#include <QLineEdit>
#include <QPlainTextEdit>

FieldBinding::FieldBinding(Dataset &dataset, QObject *parent)
    : QObject(parent)
    , m_ds(dataset)
{
}

void FieldBinding::bind(QLineEdit *box, const QString &field, Kind kind, int decimals)
{
    m_boxes.append({box, field, kind, decimals});
    const int i = int(m_boxes.size()) - 1;
    connect(box, &QLineEdit::textChanged, this, [this, i] {
        if (m_loading)
            return;
        const Box &b = m_boxes.at(i);
        m_ds.ensureEditing();
        m_ds.setValue(b.field, valueOf(b));
        written();
    });
    if (kind != Kind::Number)
        return;
    // A number typed with a comma or without its decimals is shown back in
    // the edit format once the box is left.
    connect(box, &QLineEdit::editingFinished, this, [this, i] {
        const Box &b = m_boxes.at(i);
        const QString shown = textOf(b, valueOf(b));
        if (shown.isEmpty() || shown == b.box->text())
            return;
        m_loading = true;
        b.box->setText(shown);
        m_loading = false;
    });
}

void FieldBinding::followStoredChanges(const std::function<void()> &action)
{
    QList<const Box *> texts;
    QStringList fields;
    for (const Box &b : m_boxes)
        if (b.kind == Kind::Text) {
            texts << &b;
            fields << b.field;
        }
    const QString stored = QStringLiteral("SELECT %1 FROM %2 WHERE Id=%3")
                               .arg(fields.join(QStringLiteral(", ")), m_ds.tableName())
                               .arg(m_ds.integer(QStringLiteral("Id"), -1));
    const ResultSet before = m_ds.connection().select(stored);
    action();
    const ResultSet after = m_ds.connection().select(stored);
    if (fields.isEmpty() || before.rowCount() == 0 || after.rowCount() == 0)
        return;
    for (int c = 0; c < texts.size(); ++c) {
        const QString was = before.at(0, c).toString(), now = after.at(0, c).toString();
        if (was != now && texts[c]->box->text() == was)
            texts[c]->box->setText(now);
    }
}

void FieldBinding::bind(QPlainTextEdit *memo, const QString &field)
{
    m_memos.append({memo, field});
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo, field] {
        if (m_loading)
            return;
        m_ds.ensureEditing();
        m_ds.setValue(field, memo->toPlainText());
        written();
    });
}

void FieldBinding::load()
{
    m_loading = true;
    for (const Box &b : m_boxes)
        b.box->setText(textOf(b, m_ds.value(b.field)));
    for (const auto &[memo, field] : m_memos)
        memo->setPlainText(m_ds.text(field));
    m_loading = false;
}

QVariant FieldBinding::valueOf(const Box &b) const
{
    const QString text = b.box->text();
    switch (b.kind) {
    case Kind::Text: return text;
    case Kind::Whole: return bottle::wholeNumber(text);
    case Kind::Number: return bottle::amount(text);
    case Kind::Date: return bottle::date(text);
    }
    return {};
}

QString FieldBinding::textOf(const Box &b, const QVariant &v) const
{
    if (v.isNull() || (b.kind != Kind::Text && v.toString().isEmpty()))
        return {};
    switch (b.kind) {
    case Kind::Text: return v.toString();
    case Kind::Whole: return QString::number(v.toLongLong());
    case Kind::Number: return QString::number(v.toDouble(), 'f', b.decimals);
    case Kind::Date: return bottle::dateText(v);
    }
    return {};
}

void FieldBinding::written()
{
    if (changed)
        changed();
}
