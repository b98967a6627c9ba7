#include "ui/BaseWindow.h"

#include "ui/Calculator.h"
#include "ui/Help.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/ToolButton.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace corvane::ui {

StatusLine::StatusLine(QWidget *parent)
    : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

BaseWindow::BaseWindow(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setAutoFillBackground(true);
    toolLayout_ = new QHBoxLayout(bar);
    toolLayout_->setContentsMargins(4, 2, 4, 2);
    toolLayout_->setSpacing(2);

    calculator_ = makeToolButton(QStringLiteral("Calculatrice"), icon(Icon::Calculator),
                                 QStringLiteral("Ouvrir la calculatrice"));
    quit_ =
        makeToolButton(QStringLiteral("&Quitter"), icon(Icon::Quit), QStringLiteral("Fermer cette fenêtre"));
    help_ = makeToolButton(QStringLiteral("Aide"), icon(Icon::Help), QStringLiteral("Obtenir de l'aide"));
    toolLayout_->addWidget(calculator_);
    toolLayout_->addWidget(quit_);
    toolLayout_->addWidget(help_);
    toolLayout_->addStretch(1);
    // No calculator on this desktop: no button, rather than a dead one.
    calculator_->setVisible(!calculatorProgram().isEmpty());

    connect(calculator_, &QToolButton::clicked, this, [] { launchCalculator(); });
    connect(quit_, &QToolButton::clicked, this, [this] { quit(); });
    connect(help_, &QToolButton::clicked, this, [this] { help(); });

    status_ = new StatusLine(this);

    main_ = new QVBoxLayout(this);
    main_->setContentsMargins(0, 0, 0, 0);
    main_->setSpacing(0);
    main_->addWidget(bar);
    main_->addWidget(status_);
}

QToolButton *BaseWindow::makeToolButton(const QString &text, const QIcon &icon, const QString &hint)
{
    return ui::makeToolButton(this, text, icon, hint);
}

void BaseWindow::insertToolButton(QWidget *button, QWidget *before)
{
    button->setParent(toolLayout_->parentWidget());
    int at = before ? toolLayout_->indexOf(before) : -1;
    if (at < 0)
        at = toolLayout_->indexOf(calculator_);
    toolLayout_->insertWidget(at, button);
}

int BaseWindow::showModal()
{
    return runModal(*this);
}

void BaseWindow::reject()
{
    if (quit_->isEnabled())
        quit_->click();
    else
        Messages::warning(PendingEditWarning, this);
}

void BaseWindow::quit()
{
    done(QDialog::Accepted);
}

void BaseWindow::help()
{
    showHelp(helpContext_, this);
}

void BaseWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        help();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace corvane::ui
