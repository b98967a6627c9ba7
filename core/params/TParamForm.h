#pragma once

#include "ui/RecordWindow.h"

#include <QHash>

class QLabel;
class QTabWidget;
class QAbstractButton;

namespace corvane::data {
class ModuleData;
}
namespace corvane::ui {
class FieldComboBox;
class FieldPicture;
} // namespace corvane::ui

namespace corvane::core {

// "Paramètrage de Corvane": the settings record, tab by tab, bound to its
// fields. Leaving checks the accounts; the main window then reloads the
// settings and carries renamed accounts into the ledgers.
//   core::TParamForm w(md, this); w.Affiche();
class TParamForm : public ui::RecordWindow {
    Q_OBJECT
public:
    explicit TParamForm(data::ModuleData &md, QWidget *parent = nullptr);

    void Affiche();

    QTabWidget *tabs() const { return tabs_; }
    int comptesTab() const { return comptesTab_; }
    // The control bound to a settings field, and the window's own buttons
    // by name ("EffacerTel", "VilleClub", "MailLigue", "ChargerLogo" …).
    QWidget *control(const QString &field) const { return controls_.value(field); }
    QAbstractButton *button(const QString &name) const;
    QLabel *saisonLabel() const { return saison_; }

protected:
    void prepare() override;
    void quit() override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildClub();
    QWidget *buildLigue();
    QWidget *buildImpression();
    QWidget *buildComptes();
    QWidget *buildCotisations();
    QWidget *buildLicences();

    QWidget *lineEdit(const QString &field);
    QWidget *withEraser(const QString &field, const QString &name, const QString &hint);
    QWidget *withTownFinder(const QString &codeField, const QString &villeField, const QString &name);
    QAbstractButton *namedButton(QAbstractButton *b, const QString &name);
    void chooseTown(const QString &codeField, const QString &villeField);
    void loadLogo();
    // The accounts' rule; false when it failed (the officer was told).
    bool accountsAccepted();

    data::ModuleData &md_;
    QTabWidget *tabs_;
    int comptesTab_ = 0;
    QLabel *saison_ = nullptr;
    ui::FieldPicture *logo_ = nullptr;
    QHash<QString, QWidget *> controls_;
    QList<ui::FieldComboBox *> lists_;
};

} // namespace corvane::core
