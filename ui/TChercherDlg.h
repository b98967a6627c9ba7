#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

namespace corvane::ui {

class ChoiceComboBox;

// The shared search dialog "Chercher": the field to search in ("Chercher
// dans :", a list that refuses typing; a double click on it presses
// "&Chercher") and the text ("Valeur à chercher"). Choosing a field sets the
// caption to "Chercher dans " + the field's name. "&Chercher" is enabled only
// while the text is not empty.
//
//   TChercherDlg dlg(this);
//   dlg.setFields({"Libéllé", "N° de chèque"});
//   dlg.setFieldIndex(last); dlg.setText(lastText);
//   if (ui::runModal(dlg) == QDialog::Accepted) search(dlg.fieldIndex(), dlg.text());
class TChercherDlg : public QDialog {
    Q_OBJECT
public:
    explicit TChercherDlg(QWidget *parent = nullptr);

    void setFields(const QStringList &fields);
    QStringList fields() const;
    void setFieldIndex(int index);
    int fieldIndex() const;
    void setText(const QString &text);
    QString text() const;

    ChoiceComboBox *fieldList() const { return fieldList_; }
    QLineEdit *textEdit() const { return text_; }
    QPushButton *searchButton() const { return search_; }
    QPushButton *cancelButton() const { return cancel_; }

private:
    void fieldChosen();

    ChoiceComboBox *fieldList_;
    QLineEdit *text_;
    QPushButton *search_;
    QPushButton *cancel_;
};

} // namespace corvane::ui
