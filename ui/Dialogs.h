#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace corvane::ui {

struct FileRequest {
    enum class Kind { Open, Save, Directory };
    Kind kind;
    QString caption;
    QString directory;
    QString filter;
};

// Every file and directory chooser of the program goes through here, so that
// tests answer them instead of blocking. An empty answer means "Annuler".
class Dialogs {
public:
    static QString openFile(const QString &caption, const QString &directory, const QString &filter,
                            QWidget *parent = nullptr);
    static QString saveFile(const QString &caption, const QString &directory, const QString &filter,
                            QWidget *parent = nullptr);
    static QString directory(const QString &caption, const QString &directory, QWidget *parent = nullptr);

    using Handler = std::function<QString(const FileRequest &)>;
    static void setHandler(Handler handler);
};

// Test seam: answers the choosers from a queue (empty once it is used up) and
// records what was asked.
class ScriptedDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs &) = delete;
    ScriptedDialogs &operator=(const ScriptedDialogs &) = delete;

    void answer(const QString &path) { answers_.push_back(path); }
    const std::vector<FileRequest> &asked() const { return asked_; }

private:
    std::vector<QString> answers_;
    std::vector<FileRequest> asked_;
};

} // namespace corvane::ui
