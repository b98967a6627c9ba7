#pragma once

#include <QIcon>

namespace corvane::ui {

// The kit's tool-bar pictures, drawn as vectors so that they stay sharp at
// any size; the disabled state is drawn in grey.
enum class Icon {
    First,
    Prior,
    Next,
    Last,
    Insert,
    Delete,
    Edit,
    Post,
    Cancel,
    Refresh,
    Add,    // "Ajouter", "Nouveau"
    Remove, // "Supprimer"
    Modify, // "Modifier"
    View,   // "Modifier" under the view-only right
    Print,  // "Imprimer"
    Search, // "Chercher"
    Calculator,
    Export,   // "Exporter"
    Quit,     // "&Quitter"
    Help,     // "Aide"
    Calendar, // the date button
    // The main window's tool bar.
    Players,  // "Joueurs"
    List,     // "Listes"
    Mail,     // "Courrier"
    Chart,    // "Bilan"
    Import,   // "Importer"
    Settings, // "Paramètrage général"
    // The arrows of a menu or tool bar too narrow for its items.
    MoreRight,
    MoreDown,
};

QIcon icon(Icon which);

} // namespace corvane::ui
