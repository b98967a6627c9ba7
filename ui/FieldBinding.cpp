#include "ui/FieldBinding.h"

#include "data/StoreError.h"
#include "data/TableValues.h"
#include "ui/Messages.h"

#include <QWidget>

namespace corvane::ui {

namespace {

class Flag {
public:
    explicit Flag(bool &flag)
        : flag_(flag)
        , old_(flag)
    {
        flag_ = true;
    }
    ~Flag() { flag_ = old_; }

private:
    bool &flag_;
    bool old_;
};

} // namespace

FieldBinding::FieldBinding(data::Table *table, const QString &field, QWidget *widget,
                           std::function<void()> refreshWidget)
    : QObject(widget)
    , table_(table)
    , field_(field)
    , widget_(widget)
    , refresh_(std::move(refreshWidget))
{
    Q_ASSERT(table);
    // Resolved once: an unknown field is a programming error that shows at
    // the window's construction, not at the first keystroke.
    index_ = table->fieldIndex(field);
    def_ = table->definition().fields.at(index_);
    using data::Table;
    connect(table, &Table::stateChanged, this, [this] { refresh(); });
    connect(table, &Table::currentChanged, this, [this] { refresh(); });
    connect(table, &Table::layoutChanged, this, [this] { refresh(); });
    connect(table, &Table::fieldChanged, this, [this](int i) {
        if (i == index_)
            refresh();
    });
}

bool FieldBinding::hasRecord() const
{
    return table_ && table_->isActive() && (table_->isEditing() || table_->recordCount() > 0);
}

QVariant FieldBinding::value() const
{
    if (!hasRecord())
        return {};
    return table_->value(index_);
}

QString FieldBinding::displayText() const
{
    if (!hasRecord())
        return {};
    return data::displayValue(def_, table_->value(index_));
}

void FieldBinding::refresh()
{
    if (writing_ || !refresh_)
        return;
    refresh_();
}

bool FieldBinding::write(const QVariant &v)
{
    if (readOnly_ || !table_ || !table_->isActive()) {
        refresh();
        return false;
    }
    {
        Flag guard(writing_);
        try {
            if (!table_->isEditing())
                table_->edit();
            table_->setValue(index_, v);
            return true;
        } catch (const data::Aborted &) {
            // A rule of the window refused the edit; it said why if it wanted to.
        } catch (const data::StoreError &e) {
            Messages::error(e.message(), widget_);
        }
    }
    refresh();
    return false;
}

} // namespace corvane::ui
