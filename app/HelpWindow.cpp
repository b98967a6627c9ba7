#include "app/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace corvane::app {

namespace {

QUrl pageUrl(int context)
{
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(context));
}

} // namespace

bool HelpWindow::hasPage(int context)
{
    return QFile::exists(QStringLiteral(":/help/%1.html").arg(context));
}

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent)
    , browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Aide de Corvane"));
    setModal(false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    auto *home = new QPushButton(QStringLiteral("&Sommaire"), this);
    auto *back = new QPushButton(QStringLiteral("&Précédent"), this);
    auto *close = new QPushButton(QStringLiteral("&Fermer"), this);
    connect(home, &QPushButton::clicked, this, [this] { showContext(1); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
}

void HelpWindow::showContext(int context)
{
    browser_->setSource(hasPage(context) ? pageUrl(context) : pageUrl(1));
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentSource() const
{
    return browser_->source().toString();
}

} // namespace corvane::app
