#include "members/ListeReference.h"

#include "data/OpenedTable.h"
#include "data/Session.h"
#include "data/StoreError.h"
#include "data/Table.h"
#include "ui/Posting.h"

#include <QHash>

namespace corvane::members {

namespace {

const QHash<QString, QString> &titles()
{
    static const QHash<QString, QString> t{
        {QStringLiteral("NomBanque"), QStringLiteral("Modification de la liste des banques")},
        {QStringLiteral("Divisions"), QStringLiteral("Modification de la liste des divisions")},
        {QStringLiteral("Districts"), QStringLiteral("Modification de la liste des comités")},
        {QStringLiteral("Ligues"), QStringLiteral("Modification de la liste des ligues")},
        {QStringLiteral("ClassementsNom"), QStringLiteral("Modification de la liste des classements")},
        {QStringLiteral("Disponibilites"), QStringLiteral("Modification de la liste des disponibilités")},
        {QStringLiteral("Titres"), QStringLiteral("Modification de la liste des titres")},
        {QStringLiteral("Nationalites"), QStringLiteral("Modification de la liste des nationalités")},
        {QStringLiteral("Grades"), QStringLiteral("Modification de la liste des grades d'arbitre")},
        {QStringLiteral("Surclassements"), QStringLiteral("Modification de la liste des surclassements")},
        {QStringLiteral("Distinctions"), QStringLiteral("Modification de la liste des signes distinctifs")},
        {QStringLiteral("MatCategories"),
         QStringLiteral("Modification de la liste des catégories matériels")},
        {QStringLiteral("MatTypes"), QStringLiteral("Modification de la liste des types de matériels")},
        {QStringLiteral("MatMarques"), QStringLiteral("Modification de la liste des marques")},
        {QStringLiteral("MatCouleurs"), QStringLiteral("Modification de la liste des couleurs")},
        {QStringLiteral("MatTailles"), QStringLiteral("Modification de la liste des tailles")},
    };
    return t;
}

QString stripTrailing(const QString &s)
{
    int n = int(s.size());
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

} // namespace

QString listTitle(const data::Table &table)
{
    for (const QString &name : {table.componentName(), table.definition().component}) {
        const auto it = titles().constFind(name);
        if (it != titles().constEnd())
            return it.value();
    }
    return QStringLiteral("Modification de la liste");
}

QStringList loadList(data::Table &table)
{
    data::OpenedTable t(&table);
    QStringList lines;
    const int n = t->recordCount();
    lines.reserve(n);
    for (int row = 0; row < n; ++row)
        lines.append(t->valueAt(row, 0).toString());
    return lines;
}

int listFieldSize(const data::Table &table)
{
    const auto &fields = table.definition().fields;
    return fields.isEmpty() ? 0 : fields.first().size;
}

QStringList splitLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        line = stripTrailing(line);
    return lines;
}

ListProblem checkList(const QStringList &lines, int size)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            return {ListProblem::Kind::EmptyLine, i,
                    QStringLiteral("Vous ne pouvez pas mettre d'éléments vides")};
    }
    if (size > 0) {
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).size() > size)
                return {ListProblem::Kind::TooLong, i,
                        QStringLiteral("La longueur maximum d'un éléments ne peut dépasser ") +
                            QString::number(size)};
        }
    }
    return {};
}

ListProblem saveList(data::Table &table, const QStringList &lines)
{
    ListProblem problem = checkList(lines, listFieldSize(table));
    if (!problem.ok())
        return problem;
    data::OpenedTable t(&table);
    if (t->isEditing())
        t->cancel();
    int line = -1;
    try {
        // All or nothing: a refused line must not leave half a list.
        data::Session::Transaction tx(*t->session());
        t->emptyTable();
        for (line = 0; line < lines.size(); ++line) {
            t->append();
            t->setValue(0, lines.at(line));
            t->post();
        }
        tx.commit();
        line = -1;
    } catch (const data::KeyViolation &) {
        problem = {ListProblem::Kind::Duplicate, line, ui::duplicateKeyMessage(*t)};
    } catch (const data::StoreError &e) {
        problem = {ListProblem::Kind::StoreFailure, line, e.message()};
    } catch (const data::Aborted &) {
        // A window's rule on the table refused a line; it said why.
        problem = {ListProblem::Kind::StoreFailure, line, QString()};
    }
    if (!problem.ok()) {
        // The rollback restored the records; the cursor reads them again.
        if (t->isEditing())
            t->cancel();
        t->refresh();
        t->first();
    } else {
        t->first();
    }
    return problem;
}

} // namespace corvane::members
