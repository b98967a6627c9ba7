#include "ui/TDateForm.h"

#include "ui/Help.h"
#include "ui/Modal.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTextCharFormat>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane::ui {

namespace {

QToolButton *arrowButton(const QString &text, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumSize(30, 26);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

} // namespace

TDateForm::TDateForm(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Choisir une date"));
    setObjectName(QStringLiteral("TDateForm"));

    yearBack_ = arrowButton(QStringLiteral("«"), QStringLiteral("Année précédente"), this);
    monthBack_ = arrowButton(QStringLiteral("‹"), QStringLiteral("Mois précédent"), this);
    monthForward_ = arrowButton(QStringLiteral("›"), QStringLiteral("Mois suivant"), this);
    yearForward_ = arrowButton(QStringLiteral("»"), QStringLiteral("Année suivante"), this);

    title_ = new QLabel(this);
    title_->setAlignment(Qt::AlignCenter);
    QFont tf = title_->font();
    tf.setBold(true);
    tf.setPointSizeF(tf.pointSizeF() * 1.15);
    title_->setFont(tf);
    title_->setMinimumWidth(150);

    auto *head = new QHBoxLayout;
    head->addWidget(yearBack_);
    head->addWidget(monthBack_);
    head->addWidget(title_, 1);
    head->addWidget(monthForward_);
    head->addWidget(yearForward_);

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("Calendrier"));
    calendar_->setLocale(QLocale(QLocale::French, QLocale::France));
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setNavigationBarVisible(false);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    calendar_->setGridVisible(true);
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0xb0, 0x30, 0x30));
    calendar_->setWeekdayTextFormat(Qt::Saturday, weekend);
    calendar_->setWeekdayTextFormat(Qt::Sunday, weekend);

    choose_ = new QPushButton(QStringLiteral("&Choisir"), this);
    choose_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Annuler"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(choose_);
    buttons->addWidget(cancel_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(calendar_, 1);
    layout->addLayout(buttons);

    connect(yearBack_, &QToolButton::clicked, this, [this] { moveBy(-12); });
    connect(monthBack_, &QToolButton::clicked, this, [this] { moveBy(-1); });
    connect(monthForward_, &QToolButton::clicked, this, [this] { moveBy(1); });
    connect(yearForward_, &QToolButton::clicked, this, [this] { moveBy(12); });
    connect(calendar_, &QCalendarWidget::currentPageChanged, this, [this] { updateTitle(); });
    connect(calendar_, &QCalendarWidget::selectionChanged, this, [this] { updateTitle(); });
    // A double click (or Enter) on a day chooses it.
    connect(calendar_, &QCalendarWidget::activated, this, [this] { accept(); });
    connect(choose_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    setDate(QDate::currentDate());
}

void TDateForm::setDate(const QDate &date)
{
    const QDate d = date.isValid() ? date : QDate::currentDate();
    calendar_->setSelectedDate(d);
    calendar_->setCurrentPage(d.year(), d.month());
    updateTitle();
}

QDate TDateForm::date() const
{
    return calendar_->selectedDate();
}

void TDateForm::moveBy(int months)
{
    // The day stays when the target month has it, else the month's last day.
    setDate(calendar_->selectedDate().addMonths(months));
}

void TDateForm::updateTitle()
{
    const QDate d(calendar_->yearShown(), calendar_->monthShown(), 1);
    QString text = QLocale(QLocale::French, QLocale::France).toString(d, QStringLiteral("MMMM yyyy"));
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    title_->setText(text);
}

void TDateForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1) {
        showHelp(HelpContext, this);
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<QDate> TDateForm::choose(const QDate &initial, QWidget *parent)
{
    TDateForm form(parent);
    form.setDate(initial);
    if (runModal(form) != QDialog::Accepted)
        return std::nullopt;
    return form.date();
}

} // namespace corvane::ui
