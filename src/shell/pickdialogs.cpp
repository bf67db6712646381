#include "pickdialogs.h"

#include "picklogic.h"
#include "platform/dataset.h"
#include "texts/languagehook.h"
#include "shell/dialogbutton.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPointer<TSelectDate> g_calendar;
const QString kDateFormat = QStringLiteral("dd/MM/yyyy");


QToolButton *arrow(QWidget *owner, const char *name, Qt::ArrowType type, const QString &hint)
{
    auto *b = new QToolButton(owner);
    b->setObjectName(QLatin1String(name));
    b->setArrowType(type);
    b->setAutoRaise(true);
    b->setToolTip(hint);
    return b;
}
} // namespace

// --- TEnterStr -------------------------------------------------------------

TEnterStr::TEnterStr(const QString &label, const QString &start, QWidget *parent)
    : QDialog(parent)
    , Lab_Title(new QLabel(label, this))
    , Ed_Str(new QLineEdit(start, this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
{
    setObjectName(QStringLiteral("TEnterStr"));
    setWindowTitle(QStringLiteral("Saisie d'une chaine de caractère"));
    setModal(true);
    Lab_Title->setObjectName(QStringLiteral("Lab_Title"));
    Ed_Str->setObjectName(QStringLiteral("Ed_Str"));
    Ed_Str->setMinimumWidth(320);
    Btn_Ok->setDefault(true);
    const auto update = [this] { Btn_Ok->setEnabled(!Ed_Str->text().isEmpty()); };
    connect(Ed_Str, &QLineEdit::textChanged, this, update);
    update();
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { done(1); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { done(2); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(Lab_Title);
    layout->addWidget(Ed_Str);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Btn_Ok);
    row->addWidget(Btn_Cancel);
    layout->addLayout(row);
    texts::translateWindow(this, QStringLiteral("EnterStr"));
}

QString TEnterStr::text() const { return Ed_Str->text().left(255); }

bool EnterString(QWidget *parent, const QString &label, QString &value)
{
    TEnterStr d(label, value, parent);
    if (d.exec() != 1)
        return false;
    value = d.text();
    return true;
}

// --- TSelectDate -----------------------------------------------------------

TSelectDate::TSelectDate(QLineEdit *box, Dataset *dataset, const QString &field)
    : QFrame(nullptr, Qt::Popup | Qt::FramelessWindowHint)
    , Lab_Month(new QLabel(this))
    , Lab_Year(new QLabel(this))
    , Btn_PrevYear(arrow(this, "Btn_PrevYear", Qt::LeftArrow, QStringLiteral("Année précédente")))
    , Btn_NextYear(arrow(this, "Btn_NextYear", Qt::RightArrow, QStringLiteral("Année suivante")))
    , Btn_PrevMonth(arrow(this, "Btn_PrevMonth", Qt::LeftArrow, QStringLiteral("Mois précédent")))
    , Btn_NextMonth(arrow(this, "Btn_NextMonth", Qt::RightArrow, QStringLiteral("Mois suivant")))
    , Calendar(new QCalendarWidget(this))
    , Btn_Clear(new QToolButton(this))
    , Btn_Ok(dialogButton(this, "Btn_Ok", QStringLiteral(" &Ok")))
    , Btn_Cancel(dialogButton(this, "Btn_Cancel", QStringLiteral(" &Annuler")))
    , m_box(box)
    , m_dataset(dataset)
    , m_field(field)
{
    setObjectName(QStringLiteral("TSelectDate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Box);
    const QString bg = picklist::colour();
    setStyleSheet(QStringLiteral("TSelectDate { background: %1; border: 1px solid %2; }"
                                 "QLabel { font-weight: bold; color: #7a1f35; }")
                      .arg(bg, QColor(bg).darker(125).name()));
    Lab_Month->setObjectName(QStringLiteral("Lab_Month"));
    Lab_Year->setObjectName(QStringLiteral("Lab_Year"));
    Lab_Month->setAlignment(Qt::AlignCenter);
    Lab_Year->setAlignment(Qt::AlignCenter);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setNavigationBarVisible(false);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setLocale(QLocale(QLocale::French, QLocale::France));
    Calendar->setFirstDayOfWeek(Qt::Monday);
    Btn_Clear->setObjectName(QStringLiteral("Btn_Clear"));
    Btn_Clear->setToolTip(QStringLiteral("Effacer la date"));
    Btn_Clear->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    Btn_Clear->setAutoRaise(true);
    Btn_Ok->setDefault(true);

    connect(Btn_PrevYear, &QToolButton::clicked, this, [this] { setDate(m_date.addYears(-1)); });
    connect(Btn_NextYear, &QToolButton::clicked, this, [this] { setDate(m_date.addYears(1)); });
    connect(Btn_PrevMonth, &QToolButton::clicked, this, [this] { setDate(m_date.addMonths(-1)); });
    connect(Btn_NextMonth, &QToolButton::clicked, this, [this] { setDate(m_date.addMonths(1)); });
    connect(Calendar, &QCalendarWidget::clicked, this, [this](QDate d) { setDate(d); });
    connect(Calendar, &QCalendarWidget::activated, this, [this](QDate d) {
        setDate(d);
        write(m_date.toString(kDateFormat));
    });
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { write(m_date.toString(kDateFormat)); });
    connect(Btn_Clear, &QToolButton::clicked, this, [this] { write({}); });
    connect(Btn_Cancel, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    // Arrows hug their label so that year and month read as one control each.
    auto *head = new QGridLayout;
    head->setHorizontalSpacing(2);
    head->setVerticalSpacing(0);
    head->setColumnStretch(0, 1);
    head->setColumnStretch(4, 1);
    for (QLabel *l : {Lab_Year, Lab_Month})
        l->setMinimumWidth(110);
    head->addWidget(Btn_PrevYear, 0, 1);
    head->addWidget(Lab_Year, 0, 2);
    head->addWidget(Btn_NextYear, 0, 3);
    head->addWidget(Btn_PrevMonth, 1, 1);
    head->addWidget(Lab_Month, 1, 2);
    head->addWidget(Btn_NextMonth, 1, 3);
    layout->addLayout(head);
    layout->addWidget(Calendar);
    auto *row = new QHBoxLayout;
    row->addWidget(Btn_Clear);
    row->addStretch();
    row->addWidget(Btn_Ok);
    row->addWidget(Btn_Cancel);
    layout->addLayout(row);
    texts::translateWindow(this, QStringLiteral("SelectDate"));

    const QDate start = QDate::fromString(box->text(), kDateFormat);
    setDate(start.isValid() ? start : QDate::currentDate());
}

TSelectDate *TSelectDate::current() { return g_calendar; }

void TSelectDate::setDate(const QDate &date)
{
    if (!date.isValid())
        return;
    m_date = date; // addMonths/addYears already clip the day to the month
    Calendar->setCurrentPage(date.year(), date.month());
    Calendar->setSelectedDate(date);
    Lab_Year->setText(QString::number(date.year()));
    Lab_Month->setText(Calendar->locale().standaloneMonthName(date.month()).toUpper());
}

void TSelectDate::write(const QString &text)
{
    if (m_dataset && !m_field.isEmpty()) {
        m_dataset->ensureEditing();
        m_dataset->setValue(m_field, text.isEmpty() ? QVariant() : QVariant(m_date));
    }
    QLineEdit *box = m_box;
    close();
    if (box) {
        box->setText(text);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void TSelectDate::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QFrame::keyPressEvent(event);
}

void TSelectDate::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    if (g_calendar == this)
        g_calendar = nullptr;
}

TSelectDate *PickDate(QLineEdit *box, Dataset *dataset, const QString &field)
{
    if (g_calendar)
        g_calendar->close();
    if (dataset)
        dataset->ensureEditing();
    auto *w = new TSelectDate(box, dataset, field);
    w->adjustSize();
    const QPoint origin = box->mapToGlobal(QPoint(0, 0));
    QScreen *screen = box->screen() ? box->screen() : QGuiApplication::primaryScreen();
    const int screenHeight = screen->geometry().height();
    int top = origin.y() + 15;
    if (origin.y() + w->height() + 15 >= screenHeight - 30)
        top = screenHeight - 30 - w->height();
    w->move(origin.x(), top);
    g_calendar = w;
    w->show();
    w->activateWindow();
    w->Calendar->setFocus(Qt::PopupFocusReason);
    return w;
}
