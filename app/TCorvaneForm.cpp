#include "app/TCorvaneForm.h"

#include "app/MainBackground.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace corvane::app {

TCorvaneForm::TCorvaneForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setFixedSize(200, 279);
    setCursor(Qt::WaitCursor);
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto *picture = new QLabel(panel);
    picture->setPixmap(programPicture(SplashPictureSize));
    auto *label = new QLabel(QStringLiteral("Chargement en cours ..."), panel);
    QFont f = label->font();
    f.setBold(true);
    f.setItalic(true);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    auto *inner = new QVBoxLayout(panel);
    inner->setContentsMargins(4, 4, 4, 4);
    inner->addWidget(picture);
    inner->addWidget(label);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
    if (QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
}

} // namespace corvane::app
