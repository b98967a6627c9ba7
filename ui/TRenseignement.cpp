#include "ui/TRenseignement.h"

#include "ui/Messages.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace corvane::ui {

TRenseignement::TRenseignement(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TRenseignement"));
    setModal(false);
    setCursor(Qt::WaitCursor);

    first_ = new QLabel(DefaultFirstLine, this);
    QFont bold = first_->font();
    bold.setBold(true);
    first_->setFont(bold);
    second_ = new QLabel(this);
    QPalette red = second_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    second_->setPalette(red);
    for (QLabel *l : {first_, second_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(14);
    layout->addWidget(first_);
    layout->addWidget(second_);
    setMinimumWidth(380);
}

void TRenseignement::setFirstLine(const QString &text)
{
    first_->setText(withLineBreaks(text));
    paintNow();
}

void TRenseignement::setSecondLine(const QString &text)
{
    second_->setText(withLineBreaks(text));
    paintNow();
}

QString TRenseignement::firstLine() const
{
    return first_->text();
}

QString TRenseignement::secondLine() const
{
    return second_->text();
}

void TRenseignement::showNow()
{
    adjustSize();
    show();
    // Centred once shown, when the frame around the box is known.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    raise();
    paintNow();
}

void TRenseignement::paintNow()
{
    if (!isVisible())
        return;
    // The work runs on the interface thread: paint now, leave the user's
    // clicks and keys for later.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TRenseignement::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace corvane::ui
