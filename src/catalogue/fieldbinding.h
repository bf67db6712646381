#pragma once
#include <QList>
#include <QObject>
#include <functional>

class Dataset;
class QLineEdit;
class QPlainTextEdit;

// Boxes bound to columns of a dataset's current row: what is typed is
// written into the row (put in edit mode when needed) and saved when the
// row is posted. Numbers show the edit format; an unreadable text is NULL.
class FieldBinding : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Text, Whole, Number, Date };

    FieldBinding(Dataset &dataset, QObject *parent);

    // decimals: for Number, the digits shown after the point.
    void bind(QLineEdit *box, const QString &field, Kind kind, int decimals = 0);
    void bind(QPlainTextEdit *memo, const QString &field);
    // Fills every box from the current row, writing nothing back.
    void load();

    // Runs action, which may rewrite stored values of this row behind the
    // dataset's back (the characteristics organiser renames values in every
    // wine and line): a text box still showing the value stored before takes
    // the one stored after.
    void followStoredChanges(const std::function<void()> &action);

    // After a typed value was written into the row.
    std::function<void()> changed;

private:
    struct Box {
        QLineEdit *box;
        QString field;
        Kind kind;
        int decimals;
    };
    QVariant valueOf(const Box &b) const;
    QString textOf(const Box &b, const QVariant &value) const;
    void written();

    Dataset &m_ds;
    QList<Box> m_boxes;
    QList<std::pair<QPlainTextEdit *, QString>> m_memos;
    bool m_loading = false;
};
