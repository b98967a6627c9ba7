#pragma once

#include "ui/FieldBinding.h"
#include "ui/InputFilter.h"
#include "ui/TextEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace corvane::ui {

// A line edit bound to a field. Text fields are limited to their size.
// Amount fields (money, real) get the amount filter and whole-number fields
// the whole-number filter unless the caller sets another; free text that
// feeds the export files takes InputFilter::NoSemicolon. Amounts show as
// "1250,50" while they can be typed.
//
//   auto *libelle = new ui::FieldLineEdit(recettes, "Libelle", this);
//   libelle->setInputFilter(ui::InputFilter::NoSemicolon);
class FieldLineEdit : public QLineEdit {
    Q_OBJECT
public:
    FieldLineEdit(data::Table *table, const QString &field, QWidget *parent = nullptr);

    void setInputFilter(InputFilter filter);
    void setReadOnly(bool readOnly);
    FieldBinding &binding() { return *binding_; }

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void refresh();
    void edited(const QString &text);
    QString editText() const;
    bool numeric() const;

    FieldBinding *binding_;
    bool pendingInvalid_ = false;
};

// A check box bound to a boolean field (null shows unticked).
class FieldCheckBox : public QCheckBox {
    Q_OBJECT
public:
    FieldCheckBox(data::Table *table, const QString &field, const QString &text, QWidget *parent = nullptr);

    void setReadOnly(bool readOnly) { binding_->setReadOnly(readOnly); }
    bool isReadOnly() const { return binding_->isReadOnly(); }
    FieldBinding &binding() { return *binding_; }

protected:
    bool hitButton(const QPoint &pos) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();

    FieldBinding *binding_;
};

// A multi-line box bound to a text or memo field.
class FieldMemo : public FilteredTextEdit {
    Q_OBJECT
public:
    FieldMemo(data::Table *table, const QString &field, QWidget *parent = nullptr);

    void setReadOnly(bool readOnly);
    FieldBinding &binding() { return *binding_; }

private:
    void refresh();
    void changed();

    FieldBinding *binding_;
    bool updating_ = false;
};

// A label showing a field's display text ("Oui", "12/03/2010",
// "1 250,00 €"); the user cannot change it.
class FieldLabel : public QLabel {
    Q_OBJECT
public:
    FieldLabel(data::Table *table, const QString &field, QWidget *parent = nullptr);
    FieldBinding &binding() { return *binding_; }

private:
    FieldBinding *binding_;
};

} // namespace corvane::ui
