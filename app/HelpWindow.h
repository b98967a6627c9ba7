#pragma once

#include <QDialog>

class QTextBrowser;

namespace corvane::app {

// The program's help: French pages, one per context number, shown beside
// the windows (not modal), with the table of contents always one click away.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    void showContext(int context);
    QString currentSource() const;
    static bool hasPage(int context);

private:
    QTextBrowser *browser_;
};

} // namespace corvane::app
