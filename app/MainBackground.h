#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace corvane::app {

// The main window's background: the program's picture, the version label,
// the two contact pictures and the hidden credits panel (Shift + right
// click).
class MainBackground : public QWidget {
    Q_OBJECT
public:
    explicit MainBackground(QWidget *parent = nullptr);

    void setVersionText(const QString &text);
    void setClubName(const QString &name);

signals:
    void statusText(const QString &text);
    void contactClicked();
    void mailClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void showCredits();

    QLabel *version_;
    QLabel *club_;
    QLabel *contact_;
    QLabel *mail_;
    QWidget *credits_;
    QLabel *creditsVersion_;
};

// The program's picture (splash window, About box), drawn by the program.
QPixmap programPicture(const QSize &size);
inline constexpr QSize SplashPictureSize(188, 236);

} // namespace corvane::app
