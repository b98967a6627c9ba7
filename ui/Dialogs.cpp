#include "ui/Dialogs.h"

#include <QFileDialog>

namespace corvane::ui {

namespace {

Dialogs::Handler &handler()
{
    static Dialogs::Handler h;
    return h;
}

} // namespace

QString Dialogs::openFile(const QString &caption, const QString &dir, const QString &filter, QWidget *parent)
{
    if (handler())
        return handler()({FileRequest::Kind::Open, caption, dir, filter});
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Dialogs::saveFile(const QString &caption, const QString &dir, const QString &filter, QWidget *parent)
{
    if (handler())
        return handler()({FileRequest::Kind::Save, caption, dir, filter});
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString Dialogs::directory(const QString &caption, const QString &dir, QWidget *parent)
{
    if (handler())
        return handler()({FileRequest::Kind::Directory, caption, dir, {}});
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

void Dialogs::setHandler(Handler h)
{
    handler() = std::move(h);
}

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::setHandler([this](const FileRequest &r) {
        asked_.push_back(r);
        if (answers_.empty())
            return QString();
        QString a = answers_.front();
        answers_.erase(answers_.begin());
        return a;
    });
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::setHandler({});
}

} // namespace corvane::ui
