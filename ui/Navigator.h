#pragma once

#include "data/Table.h"

#include <QFlags>
#include <QPointer>
#include <QToolButton>
#include <QWidget>

#include <array>

namespace corvane::ui {

enum class NavButton {
    First = 0x1,
    Prior = 0x2,
    Next = 0x4,
    Last = 0x8,
    Insert = 0x10,
    Delete = 0x20,
    Edit = 0x40,
    Post = 0x80,
    Cancel = 0x100,
    Refresh = 0x200,
};
Q_DECLARE_FLAGS(NavButtons, NavButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(NavButtons)

inline constexpr NavButtons MoveButtons =
    NavButton::First | NavButton::Prior | NavButton::Next | NavButton::Last;
inline constexpr NavButtons EditButtons = NavButton::Edit | NavButton::Post | NavButton::Cancel;

// The record navigator of the tool bars: first, prior, next, last, insert,
// delete, edit, post, cancel, refresh. Each button is enabled by the table's
// state and count (moving and changing while browsing, post and cancel while
// editing). Posting goes through postRecord(), so a refused post warns and
// keeps the record in editing; deleting asks first. It can be pointed at
// another table at any time (the tabs of a window share one navigator);
// nullptr disables it.
//
//   auto *nav = new ui::Navigator(recettes, ui::EditButtons, this);
//   nav->setHint(ui::NavButton::Edit, "Modifier la recette");
class Navigator : public QWidget {
    Q_OBJECT
public:
    explicit Navigator(data::Table *table = nullptr, NavButtons visible = MoveButtons,
                       QWidget *parent = nullptr);

    void setTable(data::Table *table);
    data::Table *table() const { return table_; }

    void setVisibleButtons(NavButtons buttons);
    NavButtons visibleButtons() const { return visible_; }
    void setHint(NavButton button, const QString &hint);
    QToolButton *button(NavButton button) const;
    void setIconSize(const QSize &size);
    // Pictures alone (the default, compact) or with their short text under
    // them ("Modifier", "Valider", "Annuler"), as in the record windows.
    void setButtonStyle(Qt::ToolButtonStyle style);

    // Runs the button's action as a click would (nothing when disabled).
    void click(NavButton button);

signals:
    // After the button's action ran (also when a post was refused).
    void clicked(corvane::ui::NavButton button);

private:
    void updateButtons();
    void run(NavButton button);

    QPointer<data::Table> table_;
    NavButtons visible_;
    std::array<QToolButton *, 10> buttons_{};
    QList<QMetaObject::Connection> connections_;
};

} // namespace corvane::ui
