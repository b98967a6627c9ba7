#pragma once

#include "ui/ChoiceComboBox.h"
#include "ui/FieldBinding.h"

#include <QFrame>
#include <QImage>
#include <QPointer>
#include <QSpinBox>

#include <functional>
#include <vector>

class QFormLayout;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace corvane::data {
class Table;
}

namespace corvane::core {

struct AmountField;

// A whole-number field with its up-down: the arrows add or remove the step
// and keep the value within its bounds; a change puts the record in editing.
class FieldSpinBox : public QSpinBox {
    Q_OBJECT
public:
    FieldSpinBox(data::Table *table, const QString &field, int minimum, int maximum, int step,
                 QWidget *parent = nullptr);
    ui::FieldBinding &binding() { return *binding_; }

private:
    void refresh();

    ui::FieldBinding *binding_;
    bool refreshing_ = false;
};

// The club's logo in the wizard, held as the picture file's bytes until the
// wizard writes it.
class LogoBox : public QFrame {
    Q_OBJECT
public:
    explicit LogoBox(QWidget *parent = nullptr);

    // False, and nothing changed, for bytes that are no picture.
    bool setBytes(const QByteArray &bytes);
    QByteArray bytes() const { return bytes_; }
    bool hasPicture() const { return !image_.isNull(); }
    QSize sizeHint() const override { return {160, 120}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QByteArray bytes_;
    QImage image_;
};

// An unbound choice list fed from a reference table's first field after
// `leading`; a double click opens the list editor and refills it, keeping
// the text shown.
class ReferenceChoice : public ui::ChoiceComboBox {
    Q_OBJECT
public:
    ReferenceChoice(data::Table *reference, const QStringList &leading, QWidget *parent = nullptr);
    void refill();
    data::Table *reference() const { return reference_; }

private:
    QPointer<data::Table> reference_;
    QStringList leading_;
};

// The layouts the settings window and the wizard share. Each window brings
// its own editors (bound to the settings record, or plain ones the wizard
// fills and writes at the end), so that labels, order and widths are
// written once.

// A form whose labels stand right-aligned and whose editors take the width.
QFormLayout *paramForm(QWidget *owner);
QLabel *boldLabel(const QString &text, QWidget *parent);

// "code postal [...] Ville town". The code is read-only (set by the caller,
// bound edits have their own read-only state): it comes with its town from
// the list of postal codes, which the "..." button named `finderName` opens
// through `choose`.
QWidget *townRow(QWidget *code, QWidget *ville, const QString &finderName,
                 const std::function<void()> &choose);

// The editors of a league's or committee's contact; `who` is "Ligue" or
// "District", the fields' prefix.
struct ContactEditors {
    std::function<QWidget *(const QString &field, const QString &listTable)> name;
    std::function<QWidget *(const QString &field)> text;
    // A phone number; a bound one has an eraser button of that name and hint.
    std::function<QWidget *(const QString &field, const QString &eraserName, const QString &eraserHint)>
        phone;
    std::function<QWidget *(const QString &field, const QString &who)> mail;
    std::function<QWidget *(const QString &codeField, const QString &villeField, const QString &who)> town;
};

// The league and the committee side by side.
QWidget *leagueContactsPage(const ContactEditors &editors);

// "Logo du club": the picture, made by `picture` inside the group, above
// "Charger une image" and "Supprimer l'image".
QGroupBox *logoGroup(QWidget *parent, const std::function<QWidget *(QGroupBox *group)> &picture,
                     const std::function<void()> &load, const std::function<void()> &remove);

// The amounts of the player categories, eight a column, each editor after
// its right-aligned label.
void amountGrid(QGridLayout *grid, QWidget *labelParent, const std::vector<AmountField> &amounts,
                const std::function<QWidget *(const QString &field)> &editor);

// The accounts' grid: headings (row 0, columns 1 to 4: number, name, bank,
// cash), the five accounts' labels (column 0, rows 1 to 5) and the columns'
// stretch; the window puts its editors in the cells.
void accountGrid(QGridLayout *grid, QWidget *page);

} // namespace corvane::core
