#include "ui/RecordWindow.h"

#include "data/StoreError.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/Posting.h"

#include <QFormLayout>
#include <QVBoxLayout>

namespace corvane::ui {

using data::Table;

RecordWindow::RecordWindow(Table *table, QWidget *parent)
    : BaseWindow(parent)
    , table_(table)
{
    setStatusDuration(1000);

    navigator_ = new Navigator(table, EditButtons, this);
    navigator_->setIconSize(QSize(26, 26));
    navigator_->setButtonStyle(Qt::ToolButtonTextUnderIcon);
    navigator_->setHint(NavButton::Edit, QStringLiteral("Modifier la fiche"));
    navigator_->setHint(NavButton::Post, QStringLiteral("Valider les modifications"));
    navigator_->setHint(NavButton::Cancel, QStringLiteral("Annuler les modifications"));
    insertToolButton(navigator_);
    new_ = makeToolButton(QStringLiteral("Nouveau"), icon(Icon::Add), QStringLiteral("Nouvelle fiche"));
    new_->setObjectName(QStringLiteral("Nouveau"));
    insertToolButton(new_);
    connect(new_, &QToolButton::clicked, this, [this] { newRecord(); });

    body_ = new QWidget(this);
    mainLayout()->insertWidget(1, body_, 1);

    if (table) {
        connect(table, &Table::stateChanged, this, [this](Table::State s) {
            updateState();
            tableStateChanged(s);
        });
    }
    updateState();
}

RecordWindow::~RecordWindow() = default;

void RecordWindow::addRow(const QString &label, QWidget *field)
{
    if (!form_) {
        form_ = new QFormLayout(body_);
        form_->setContentsMargins(12, 10, 12, 10);
        form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    }
    form_->addRow(label, field);
}

void RecordWindow::addRow(QWidget *wide)
{
    if (!form_)
        addRow(QString(), wide);
    else
        form_->addRow(wide);
}

void RecordWindow::placeHook(Table::Event event, Table::Hook hook)
{
    if (!table_)
        return;
    hooks_.push_back(std::make_unique<data::HookGuard>(*table_, event, std::move(hook)));
}

void RecordWindow::removeHooks()
{
    hooks_.clear();
}

int RecordWindow::showOnNew()
{
    prepare();
    if (table_) {
        try {
            table_->open();
            table_->append();
        } catch (const data::Aborted &) {
        } catch (const data::StoreError &e) {
            Messages::error(e.message(), parentWidget());
            return QDialog::Rejected;
        }
    }
    return showModal();
}

int RecordWindow::showOnCurrent()
{
    prepare();
    if (table_) {
        try {
            table_->open();
            if (!table_->isEditing())
                table_->refresh();
        } catch (const data::StoreError &e) {
            Messages::error(e.message(), parentWidget());
            return QDialog::Rejected;
        }
    }
    return showModal();
}

bool RecordWindow::post()
{
    return !table_ || postRecord(*table_, this);
}

void RecordWindow::newRecord()
{
    if (!table_ || !table_->isActive() || table_->isEditing())
        return;
    try {
        table_->append();
    } catch (const data::Aborted &) {
    } catch (const data::StoreError &e) {
        Messages::error(e.message(), this);
    }
}

void RecordWindow::updateState()
{
    const bool browsing = !table_ || !table_->isEditing();
    quitButton()->setEnabled(browsing);
    new_->setEnabled(browsing && table_ && table_->isActive());
}

void RecordWindow::done(int result)
{
    // The window's rules leave the shared table with it.
    removeHooks();
    BaseWindow::done(result);
}

} // namespace corvane::ui
