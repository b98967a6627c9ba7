#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

namespace corvane::ui {

enum class MessageKind { Information, Warning, Error, Confirmation };

enum class Button {
    None = 0,
    Ok = 0x1,
    Yes = 0x2,
    No = 0x4,
    Cancel = 0x8,
    Abort = 0x10,
    Retry = 0x20,
    Ignore = 0x40,
};
Q_DECLARE_FLAGS(Buttons, Button)
Q_DECLARE_OPERATORS_FOR_FLAGS(Buttons)

struct Message {
    MessageKind kind;
    QString text; // "\r" already turned into line breaks
    Buttons buttons;
    Button defaultButton;
    QString title;
};

// Every message box of the program goes through here: French buttons
// ("Oui", "Non", "OK", "Annuler"), the program's "\r" line breaks, and a seam
// so that tests read the texts and script the answers.
class Messages {
public:
    static Button show(MessageKind kind, const QString &text, Buttons buttons, Button defaultButton = Button::None,
                       QWidget *parent = nullptr, const QString &title = {});

    static void information(const QString &text, QWidget *parent = nullptr);
    static void warning(const QString &text, QWidget *parent = nullptr);
    static void error(const QString &text, QWidget *parent = nullptr);
    // Single-button messages that show "Oui" rather than "OK".
    static void informationYes(const QString &text, QWidget *parent = nullptr);
    static void warningYes(const QString &text, QWidget *parent = nullptr);
    static void errorYes(const QString &text, QWidget *parent = nullptr);
    // A question with "Oui" and "Non"; true for "Oui".
    static bool confirm(const QString &text, QWidget *parent = nullptr, Button defaultButton = Button::Yes);

    using Handler = std::function<Button(const Message &)>;
    static void setHandler(Handler handler); // empty: real message boxes
};

// Test seam: while alive, messages are recorded and answered from a queue
// (the default button, else the first button, once the queue is empty).
class ScriptedMessages {
public:
    ScriptedMessages();
    ~ScriptedMessages();
    ScriptedMessages(const ScriptedMessages &) = delete;
    ScriptedMessages &operator=(const ScriptedMessages &) = delete;

    void answer(Button button) { answers_.push_back(button); }
    const std::vector<Message> &shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

private:
    std::vector<Button> answers_;
    std::vector<Message> shown_;
};

// "\r" and "\r\n" of the program's texts as line breaks.
QString withLineBreaks(const QString &text);

} // namespace corvane::ui
