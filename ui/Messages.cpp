#include "ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace corvane::ui {

namespace {

Messages::Handler &handler()
{
    static Messages::Handler h;
    return h;
}

struct ButtonText {
    Button button;
    QMessageBox::StandardButton standard;
    const char *text;
};

constexpr ButtonText ButtonTexts[] = {
    {Button::Ok, QMessageBox::Ok, "OK"},
    {Button::Yes, QMessageBox::Yes, "&Oui"},
    {Button::No, QMessageBox::No, "&Non"},
    {Button::Cancel, QMessageBox::Cancel, "Annuler"},
    {Button::Abort, QMessageBox::Abort, "Abandonner"},
    {Button::Retry, QMessageBox::Retry, "&Réessayer"},
    {Button::Ignore, QMessageBox::Ignore, "&Ignorer"},
};

Button showBox(const Message &m, QWidget *parent)
{
    QMessageBox box(parent ? parent : QApplication::activeWindow());
    switch (m.kind) {
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Confirmation:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.setWindowTitle(m.title.isEmpty() ? QStringLiteral("Corvane") : m.title);
    box.setText(m.text);
    for (const ButtonText &b : ButtonTexts) {
        if (!m.buttons.testFlag(b.button))
            continue;
        QPushButton *pb = box.addButton(b.standard);
        pb->setText(QString::fromUtf8(b.text));
        if (b.button == m.defaultButton)
            box.setDefaultButton(pb);
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonText &b : ButtonTexts) {
        if (b.standard == clicked)
            return b.button;
    }
    // Closed with Escape or the title bar: the safest answer.
    if (m.buttons.testFlag(Button::Cancel))
        return Button::Cancel;
    if (m.buttons.testFlag(Button::No))
        return Button::No;
    return m.defaultButton != Button::None ? m.defaultButton : Button::Ok;
}

} // namespace

QString withLineBreaks(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

Button Messages::show(MessageKind kind, const QString &text, Buttons buttons, Button defaultButton, QWidget *parent,
                      const QString &title)
{
    if (!buttons)
        buttons = Button::Ok;
    const Message m{kind, withLineBreaks(text), buttons, defaultButton, title};
    if (handler())
        return handler()(m);
    return showBox(m, parent);
}

void Messages::information(const QString &text, QWidget *parent)
{
    show(MessageKind::Information, text, Button::Ok, Button::Ok, parent);
}

void Messages::warning(const QString &text, QWidget *parent)
{
    show(MessageKind::Warning, text, Button::Ok, Button::Ok, parent);
}

void Messages::error(const QString &text, QWidget *parent)
{
    show(MessageKind::Error, text, Button::Ok, Button::Ok, parent);
}

void Messages::informationYes(const QString &text, QWidget *parent)
{
    show(MessageKind::Information, text, Button::Yes, Button::Yes, parent);
}

void Messages::warningYes(const QString &text, QWidget *parent)
{
    show(MessageKind::Warning, text, Button::Yes, Button::Yes, parent);
}

void Messages::errorYes(const QString &text, QWidget *parent)
{
    show(MessageKind::Error, text, Button::Yes, Button::Yes, parent);
}

bool Messages::confirm(const QString &text, QWidget *parent, Button defaultButton)
{
    return show(MessageKind::Confirmation, text, Button::Yes | Button::No, defaultButton, parent) == Button::Yes;
}

void Messages::setHandler(Handler h)
{
    handler() = std::move(h);
}

ScriptedMessages::ScriptedMessages()
{
    Messages::setHandler([this](const Message &m) {
        shown_.push_back(m);
        if (!answers_.empty()) {
            const Button b = answers_.front();
            answers_.erase(answers_.begin());
            return b;
        }
        if (m.defaultButton != Button::None)
            return m.defaultButton;
        for (Button b : {Button::Ok, Button::Yes, Button::No, Button::Cancel}) {
            if (m.buttons.testFlag(b))
                return b;
        }
        return Button::Ok;
    });
}

ScriptedMessages::~ScriptedMessages()
{
    Messages::setHandler({});
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Message &m : shown_)
        out << m.text;
    return out;
}

} // namespace corvane::ui
