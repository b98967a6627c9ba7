#pragma once

#include "core/params/WizardPages.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace corvane::data {
class ModuleData;
}

namespace corvane::core {

class LogoBox;

// "Assistant de paramétrage de Corvane": six pages that describe the club,
// checked page by page and written in one step at "&Terminer".
//   core::TAcceuilForm w(md, this); w.Affiche();
class TAcceuilForm : public QDialog {
    Q_OBJECT
public:
    explicit TAcceuilForm(data::ModuleData &md, QWidget *parent = nullptr);

    // Shows the wizard modally; true when it was completed and written.
    bool Affiche();

    // The welcome text: "Acceuil.txt" of the data folder when there is one,
    // the text shipped with the program otherwise.
    static QString welcomeText();

    int page() const;
    QString pageTitle() const;
    QString comment() const;
    QPushButton *previousButton() const { return previous_; }
    QPushButton *nextButton() const { return next_; }
    QPushButton *cancelButton() const { return cancel_; }
    QCheckBox *ecran() const { return ecran_; }
    QPlainTextEdit *welcome() const { return welcome_; }
    // The editor of a settings field, "balance:k", "cash:k", "team:k",
    // "division:k", "coach:k" (k from 1).
    QWidget *editor(const QString &key) const { return editors_.value(key); }
    void setText(const QString &key, const QString &text);
    LogoBox *logo() const { return logo_; }

    WizardValues values() const;

    void ButtonNextClick();
    void ButtonPreviousClick();
    void ButtonAnnulerClick();

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildWelcome();
    QWidget *buildClub();
    QWidget *buildLigue();
    QWidget *buildComptes();
    QWidget *buildCotisations();
    QWidget *buildEquipes();
    QLineEdit *edit(const QString &key, int maxLength = 0);
    QLineEdit *amount(const QString &key, int maxWidth);
    QLineEdit *phone(const QString &key);
    QWidget *withTownFinder(const QString &codeKey, const QString &villeKey);
    QWidget *textOf(const QString &key) const;
    QString textValue(const QString &key) const;

    void RecupereParamAcceuil();
    void MetAjourOnglet();
    bool finish();
    void loadLogo();

    data::ModuleData &md_;
    WizardValues loaded_;
    QStackedWidget *pages_;
    QLabel *title_;
    QLabel *comment_;
    QPushButton *previous_;
    QPushButton *next_;
    QPushButton *cancel_;
    QCheckBox *ecran_;
    QPlainTextEdit *welcome_ = nullptr;
    LogoBox *logo_ = nullptr;
    QHash<QString, QWidget *> editors_;
};

} // namespace corvane::core
