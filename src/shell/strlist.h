#pragma once
#include <QListWidget>
#include <QPointer>

class QLineEdit;
class Dataset;

// The drop-down pick list shown under a box: a borderless list that takes
// the focus, puts the chosen entry into the box (and its position, as
// shown, into the box's "tag" property) and closes on a choice, Escape or
// when it loses the focus. Never blocks the caller; one exists at a time.
class TStrList : public QListWidget
{
    Q_OBJECT
public:
    struct Options {
        bool sorted = false;
        bool shrinkable = false; // follows the shrink flag
        int offset = -1;         // below the box's top edge; -1: at its bottom edge
    };
    static TStrList *popup(QLineEdit *box, QStringList entries, const Options &options);
    static TStrList *current();

    QLineEdit *box() const { return m_box; }
    QString startText() const { return m_start; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TStrList(QLineEdit *box);
    void choose(int row);
    void keyboardSearch(const QString &search) override;

    QPointer<QLineEdit> m_box;
    QString m_start;
    bool m_sorted = false;
};

// Lines of text (or, with a dataset, the column's lines after an empty
// entry) offered under the box, as wide as the box and just under it.
TStrList *PickValue(QLineEdit *box, bool sorted, const QString &text);
TStrList *PickValue(QLineEdit *box, bool sorted, Dataset &comboItems, const QString &column,
                    Dataset *dataAware = nullptr);
