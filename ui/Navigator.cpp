#include "ui/Navigator.h"

#include "data/StoreError.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Posting.h"

#include <QHBoxLayout>

#include <bit>

namespace corvane::ui {

using data::Table;

namespace {

struct ButtonInfo {
    NavButton button;
    Icon icon;
    const char *name;
    const char *text;
    const char *hint;
};

constexpr ButtonInfo Infos[] = {
    {NavButton::First, Icon::First, "First", "Premier", "Premier enregistrement"},
    {NavButton::Prior, Icon::Prior, "Prior", "Précédent", "Enregistrement précédent"},
    {NavButton::Next, Icon::Next, "Next", "Suivant", "Enregistrement suivant"},
    {NavButton::Last, Icon::Last, "Last", "Dernier", "Dernier enregistrement"},
    {NavButton::Insert, Icon::Insert, "Insert", "Insérer", "Insérer un enregistrement"},
    {NavButton::Delete, Icon::Delete, "Delete", "Supprimer", "Supprimer l'enregistrement"},
    {NavButton::Edit, Icon::Edit, "Edit", "Modifier", "Modifier l'enregistrement"},
    {NavButton::Post, Icon::Post, "Post", "Valider", "Valider la modification"},
    {NavButton::Cancel, Icon::Cancel, "Cancel", "Annuler", "Annuler la modification"},
    {NavButton::Refresh, Icon::Refresh, "Refresh", "Rafraîchir", "Rafraîchir les données"},
};

int slot(NavButton b)
{
    return std::countr_zero(unsigned(b));
}

} // namespace

Navigator::Navigator(Table *table, NavButtons visible, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const ButtonInfo &info : Infos) {
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("Nav") + QLatin1String(info.name));
        b->setIcon(icon(info.icon));
        b->setText(QString::fromUtf8(info.text));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setToolTip(QString::fromUtf8(info.hint));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(22, 22));
        const NavButton which = info.button;
        connect(b, &QToolButton::clicked, this, [this, which] { run(which); });
        buttons_[slot(which)] = b;
        layout->addWidget(b);
    }
    setVisibleButtons(visible);
    setTable(table);
}

void Navigator::setTable(Table *table)
{
    for (const auto &c : std::as_const(connections_))
        disconnect(c);
    connections_.clear();
    table_ = table;
    if (table) {
        connections_ << connect(table, &Table::stateChanged, this, &Navigator::updateButtons)
                     << connect(table, &Table::currentChanged, this, &Navigator::updateButtons)
                     << connect(table, &Table::layoutChanged, this, &Navigator::updateButtons)
                     << connect(table, &QObject::destroyed, this, &Navigator::updateButtons,
                                Qt::QueuedConnection);
    }
    updateButtons();
}

void Navigator::setVisibleButtons(NavButtons buttons)
{
    visible_ = buttons;
    for (const ButtonInfo &info : Infos)
        buttons_[slot(info.button)]->setVisible(buttons.testFlag(info.button));
}

void Navigator::setHint(NavButton button, const QString &hint)
{
    buttons_[slot(button)]->setToolTip(hint);
}

QToolButton *Navigator::button(NavButton button) const
{
    return buttons_[slot(button)];
}

void Navigator::setIconSize(const QSize &size)
{
    for (QToolButton *b : buttons_)
        b->setIconSize(size);
}

void Navigator::setButtonStyle(Qt::ToolButtonStyle style)
{
    for (QToolButton *b : buttons_) {
        b->setToolButtonStyle(style);
        b->setMinimumWidth(style == Qt::ToolButtonIconOnly ? 0 : 64);
    }
}

void Navigator::click(NavButton button)
{
    if (buttons_[slot(button)]->isEnabled())
        run(button);
}

void Navigator::updateButtons()
{
    const Table *t = table_;
    const bool active = t && t->isActive();
    const bool editing = active && t->isEditing();
    const bool browsing = active && !editing;
    const int count = active ? t->recordCount() : 0;
    const int recNo = active ? t->recNo() : 0;
    auto set = [this](NavButton b, bool on) { buttons_[slot(b)]->setEnabled(on); };
    set(NavButton::First, browsing && recNo > 1);
    set(NavButton::Prior, browsing && recNo > 1);
    set(NavButton::Next, browsing && recNo > 0 && recNo < count);
    set(NavButton::Last, browsing && recNo > 0 && recNo < count);
    set(NavButton::Insert, browsing);
    set(NavButton::Delete, browsing && count > 0);
    set(NavButton::Edit, browsing && count > 0);
    set(NavButton::Post, editing);
    set(NavButton::Cancel, editing);
    set(NavButton::Refresh, browsing);
}

void Navigator::run(NavButton button)
{
    Table *t = table_;
    if (!t || !t->isActive())
        return;
    try {
        switch (button) {
        case NavButton::First:
            t->first();
            break;
        case NavButton::Prior:
            t->prior();
            break;
        case NavButton::Next:
            t->next();
            break;
        case NavButton::Last:
            t->last();
            break;
        case NavButton::Insert:
            t->insert();
            break;
        case NavButton::Delete:
            if (Messages::confirm(QStringLiteral("Supprimer l'enregistrement ?"), window(), Button::No))
                t->remove();
            break;
        case NavButton::Edit:
            t->edit();
            break;
        case NavButton::Post:
            postRecord(*t, window());
            break;
        case NavButton::Cancel:
            t->cancel();
            break;
        case NavButton::Refresh:
            t->refresh();
            break;
        }
    } catch (const data::Aborted &) {
        // A rule of the window refused; it said why if it wanted to.
    } catch (const data::StoreError &e) {
        Messages::error(e.message(), window());
    }
    updateButtons();
    emit clicked(button);
}

} // namespace corvane::ui
