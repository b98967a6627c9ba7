#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace corvane::ui {

// The information box shown while a long piece of work runs (the workbook
// exports): no title-bar buttons, centred on the desktop, hourglass cursor,
// a bold first line and a red second line. It is shown without blocking and
// painted at once; the work updates its lines and closes it when done.
//
//   TRenseignement info;
//   info.setWindowTitle("Génération du fichier Joueurs.xlsx");
//   info.setSecondLine("Il sera placé dans le répertoire\r" + folder);
//   info.showNow();
//   ...
//   info.close();
class TRenseignement : public QDialog {
    Q_OBJECT
public:
    static inline const QString DefaultFirstLine = QStringLiteral("Génération du fichier Excel en cours");

    explicit TRenseignement(QWidget *parent = nullptr);

    // "\r" in the texts breaks the line. Each change is painted at once.
    void setFirstLine(const QString &text);
    void setSecondLine(const QString &text);
    QString firstLine() const;
    QString secondLine() const;

    QLabel *firstLabel() const { return first_; }
    QLabel *secondLabel() const { return second_; }

    // Shows the box (not modal), centred on the desktop, and paints it.
    void showNow();

protected:
    // The box goes away when the work ends, not on Escape.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintNow();

    QLabel *first_;
    QLabel *second_;
};

} // namespace corvane::ui
