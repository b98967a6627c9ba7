#include "data/Table.h"

#include "data/Session.h"
#include "data/Statement.h"
#include "data/StoreError.h"
#include "data/TableValues.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace corvane::data {

namespace {

[[noreturn]] void misuse(const QString &table, const QString &what)
{
    throw StoreError(StoreError::Kind::General, QStringLiteral("Table « %1 » : %2.").arg(table, what));
}

QStringList splitFields(const QString &fields)
{
    QStringList out;
    for (const QString &f : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        out.append(f.trimmed());
    return out;
}

} // namespace

namespace {

// The general folding: compatibility decomposition, marks dropped, the two
// ligatures spelt out, case folded.
QString foldSlowly(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        out.append(c);
    }
    out.replace(QStringLiteral("œ"), QStringLiteral("oe")).replace(QStringLiteral("Œ"), QStringLiteral("oe"));
    out.replace(QStringLiteral("æ"), QStringLiteral("ae")).replace(QStringLiteral("Æ"), QStringLiteral("ae"));
    return out.toCaseFolded();
}

// Folded form of each character below U+0180 (ASCII, Latin-1 and Latin
// Extended-A: every letter of French), computed once by the general folding.
constexpr char16_t kTableEnd = 0x180;
const std::array<QString, kTableEnd> &latinFolds()
{
    static const std::array<QString, kTableEnd> table = [] {
        std::array<QString, kTableEnd> t;
        for (char16_t c = 0; c < kTableEnd; ++c)
            t[c] = foldSlowly(QString(QChar(c)));
        return t;
    }();
    return table;
}

} // namespace

QString foldForSort(const QString &text)
{
    // One pass through a table for the letters of French; the general
    // folding only for text beyond them.
    const auto &table = latinFolds();
    qsizetype length = 0;
    bool same = true;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= kTableEnd)
            return foldSlowly(text);
        const QString &f = table[u];
        length += f.size();
        same = same && f.size() == 1 && f.at(0) == c;
    }
    if (same)
        return text;
    QString out(length, Qt::Uninitialized);
    QChar *d = out.data();
    for (QChar c : text) {
        const QString &f = table[c.unicode()];
        for (QChar x : f)
            *d++ = x;
    }
    return out;
}

int compareValues(const QVariant &a, const QVariant &b, FieldType type)
{
    const bool an = a.isNull() || !a.isValid();
    const bool bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    switch (type) {
    case FieldType::Text:
    case FieldType::Memo:
        return foldForSort(a.toString()).compare(foldForSort(b.toString()));
    case FieldType::Date: {
        const qint64 x = a.toDate().toJulianDay(), y = b.toDate().toJulianDay();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Time: {
        const int x = a.toTime().msecsSinceStartOfDay(), y = b.toTime().msecsSinceStartOfDay();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case FieldType::Picture:
    case FieldType::Binary:
        return 0;
    default: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    }
}

// ---------------------------------------------------------------- RecordView

QVariant RecordView::value(const QString &field) const
{
    return value(table_.fieldIndex(field));
}

QVariant RecordView::value(int fieldIndex) const
{
    if (values_)
        return (*values_)[fieldIndex];
    return table_.cell(*static_cast<const Table::Row *>(row_), fieldIndex);
}
QString RecordView::asString(const QString &field) const { return value(field).toString(); }
qint64 RecordView::asInt(const QString &field) const { return value(field).toLongLong(); }
double RecordView::asDouble(const QString &field) const { return value(field).toDouble(); }
Money RecordView::asMoney(const QString &field) const { return Money::fromVariant(value(field)); }
bool RecordView::asBool(const QString &field) const { return value(field).toBool(); }
QDate RecordView::asDate(const QString &field) const { return value(field).toDate(); }

// ---------------------------------------------------------------- Table

Table::Table(Session *session, const QString &tableName, const QString &componentName, QObject *parent)
    : QObject(parent)
    , session_(session)
    , tableName_(tableName)
{
    setObjectName(componentName.isEmpty() ? tableName : componentName);
}

Table::~Table() = default;

void Table::setTableName(const QString &name)
{
    if (isActive())
        misuse(tableName_, QStringLiteral("impossible de changer le nom d'une table ouverte"));
    tableName_ = name;
}

const TableDef &Table::definition() const
{
    if (!isActive())
        const_cast<Table *>(this)->def_ = session_->definition(tableName_);
    return def_;
}

std::unique_ptr<Statement> Table::prepare(const QString &sql) const
{
    return std::make_unique<Statement>(*session_, sql);
}

void Table::open()
{
    if (isActive())
        return;
    if (tableName_.isEmpty())
        misuse(objectName(), QStringLiteral("aucune table n'est désignée"));
    def_ = session_->definition(tableName_);
    fieldPositions_.clear();
    tableName_ = def_.name;
    shared_ = session_->shared(def_.name);
    load();
    state_ = State::Browse;
    order_ = orderParts();
    for (auto &r : rows_)
        computeKey(*r);
    rebuildView(0);
    first();
    emit stateChanged(state_);
    emitLayout();
}

void Table::close()
{
    if (!isActive())
        return;
    if (isEditing())
        cancel();
    insertStmt_.reset();
    updateStmt_.reset();
    rows_.clear();
    view_.clear();
    pos_ = -1;
    bof_ = eof_ = true;
    setState(State::Inactive);
    emitLayout();
}

namespace {

// Packed stored values of a record: one tag per field, the offsets of the
// fields' bytes (one more than the fields), then the bytes.
enum Tag : char { TagNull, TagInt, TagReal, TagText, TagBlob };

qsizetype packedHeader(int fields)
{
    return fields + qsizetype(sizeof(quint32)) * (fields + 1);
}

QDate storedDate(const char *p, int n)
{
    if (n == 10 && p[4] == '-' && p[7] == '-') {
        auto digits = [p](int from, int count) {
            int v = 0;
            for (int i = from; i < from + count; ++i)
                v = v * 10 + (p[i] - '0');
            return v;
        };
        return QDate(digits(0, 4), digits(5, 2), digits(8, 2));
    }
    return parseStoredDate(QString::fromUtf8(p, n));
}

} // namespace

double Table::readRows(Session &session, const TableDef &def, std::vector<std::unique_ptr<Row>> &rows)
{
    QStringList cols{QStringLiteral("rowid"), QStringLiteral("\"_ordre\"")};
    for (const FieldDef &f : def.fields)
        cols.append(quoted(f.name));
    Statement st(session, QStringLiteral("SELECT %1 FROM %2").arg(cols.join(QLatin1Char(',')), quoted(def.name)));
    rows.clear();
    double maxOrdre = 0;
    const int n = int(def.fields.size());
    const qsizetype header = packedHeader(n);
    sqlite3_stmt *h = st.handle();
    std::vector<char> packed;
    while (st.step()) {
        auto row = std::make_unique<Row>();
        row->rowid = sqlite3_column_int64(h, 0);
        row->ordre = sqlite3_column_type(h, 1) == SQLITE_NULL ? double(row->rowid) : sqlite3_column_double(h, 1);
        maxOrdre = std::max(maxOrdre, row->ordre);
        packed.resize(header);
        auto append = [&packed](const void *data, size_t size) {
            const char *p = static_cast<const char *>(data);
            packed.insert(packed.end(), p, p + size);
        };
        for (int i = 0; i < n; ++i) {
            const int c = i + 2;
            const quint32 offset = quint32(packed.size() - header);
            std::memcpy(packed.data() + n + sizeof(quint32) * i, &offset, sizeof offset);
            Tag tag = TagNull;
            if (sqlite3_column_type(h, c) != SQLITE_NULL) {
                switch (def.fields[i].type) {
                case FieldType::Int16:
                case FieldType::Int32:
                case FieldType::Bool: {
                    const qint64 v = sqlite3_column_int64(h, c);
                    append(&v, sizeof v);
                    tag = TagInt;
                    break;
                }
                case FieldType::Real:
                case FieldType::Money: {
                    const double v = sqlite3_column_double(h, c);
                    append(&v, sizeof v);
                    tag = TagReal;
                    break;
                }
                case FieldType::Text:
                case FieldType::Memo:
                case FieldType::Date:
                case FieldType::Time:
                    append(sqlite3_column_text(h, c), size_t(sqlite3_column_bytes(h, c)));
                    tag = TagText;
                    break;
                case FieldType::Picture:
                case FieldType::Binary:
                    append(sqlite3_column_blob(h, c), size_t(sqlite3_column_bytes(h, c)));
                    tag = TagBlob;
                    break;
                }
            }
            packed[i] = tag;
        }
        const quint32 end = quint32(packed.size() - header);
        std::memcpy(packed.data() + n + sizeof(quint32) * n, &end, sizeof end);
        row->stored = QByteArray(packed.data(), qsizetype(packed.size()));
        rows.push_back(std::move(row));
    }
    return maxOrdre;
}

struct ReadAhead {
    qint64 changes = 0; // the session's count of changes when read
    std::vector<std::unique_ptr<Table::Row>> rows;
    double maxOrdre = 0;
};

void Table::readAhead(Session &session, const QString &tableName)
{
    const TableDef &def = session.definition(tableName);
    auto ahead = std::make_shared<ReadAhead>();
    ahead->changes = session.changeCount();
    ahead->maxOrdre = readRows(session, def, ahead->rows);
    session.shared(def.name)->readAhead = std::move(ahead);
}

void Table::load()
{
    // Records read ahead are taken once, and only if nothing was written
    // since: any change anywhere may have been a change to them.
    if (const auto ahead = std::exchange(shared_->readAhead, nullptr);
        ahead && ahead->changes == session_->changeCount()) {
        rows_ = std::move(ahead->rows);
        maxOrdre_ = ahead->maxOrdre;
    } else {
        maxOrdre_ = readRows(*session_, def_, rows_);
    }
    seenVersion_ = shared_->version;
}

QVariant Table::cell(const Row &row, int i) const
{
    if (row.stored.isEmpty())
        return row.values[i];
    const int n = int(def_.fields.size());
    const char *base = row.stored.constData();
    quint32 from = 0, to = 0;
    std::memcpy(&from, base + n + sizeof(quint32) * i, sizeof from);
    std::memcpy(&to, base + n + sizeof(quint32) * (i + 1), sizeof to);
    const char *p = base + packedHeader(n) + from;
    const int size = int(to - from);
    switch (base[i]) {
    case TagInt: {
        qint64 x = 0;
        std::memcpy(&x, p, sizeof x);
        if (def_.fields[i].type == FieldType::Bool)
            return x != 0;
        return int(x);
    }
    case TagReal: {
        double x = 0;
        std::memcpy(&x, p, sizeof x);
        return x;
    }
    case TagText:
        switch (def_.fields[i].type) {
        case FieldType::Date:
            return storedDate(p, size);
        case FieldType::Time:
            return QTime::fromString(QString::fromUtf8(p, size), QStringLiteral("HH:mm:ss"));
        default:
            return QString::fromUtf8(p, size);
        }
    case TagBlob:
        return QByteArray(p, size);
    default:
        return {};
    }
}

QByteArrayView Table::storedBytes(const Row &row, int i) const
{
    const int n = int(def_.fields.size());
    const char *base = row.stored.constData();
    if (base[i] != TagText)
        return {};
    quint32 from = 0, to = 0;
    std::memcpy(&from, base + n + sizeof(quint32) * i, sizeof from);
    std::memcpy(&to, base + n + sizeof(quint32) * (i + 1), sizeof to);
    return QByteArrayView(base + packedHeader(n) + from, qsizetype(to - from));
}

std::vector<QVariant> Table::rowValues(const Row &row) const
{
    if (row.stored.isEmpty())
        return row.values;
    std::vector<QVariant> out(def_.fields.size());
    for (int i = 0; i < int(out.size()); ++i)
        out[i] = cell(row, i);
    return out;
}

void Table::refresh()
{
    requireActive();
    checkBrowseMode();
    const Row *cur = currentRow();
    const qint64 keep = cur ? cur->rowid : 0;
    const bool wasEof = eof_, wasBof = bof_;
    load();
    for (auto &r : rows_)
        computeKey(*r);
    rebuildView(keep);
    if (view_.empty()) {
        bof_ = eof_ = true;
    } else {
        bof_ = wasBof && pos_ == 0;
        eof_ = wasEof && pos_ == int(view_.size()) - 1;
    }
    emitLayout();
    emitCurrent();
}

void Table::ensureFresh() const
{
    if (state_ != State::Browse || reloading_ || !shared_ || shared_->version == seenVersion_)
        return;
    reloading_ = true;
    try {
        const_cast<Table *>(this)->refresh();
    } catch (...) {
        reloading_ = false;
        throw;
    }
    reloading_ = false;
}

void Table::requireActive() const
{
    if (!isActive())
        misuse(tableName_.isEmpty() ? objectName() : tableName_, QStringLiteral("la table n'est pas ouverte"));
}

void Table::requireBrowse(const char *operation) const
{
    requireActive();
    if (isEditing())
        misuse(tableName_, QStringLiteral("%1 impossible pendant une modification").arg(QLatin1String(operation)));
}

void Table::checkBrowseMode()
{
    if (!isEditing())
        return;
    if (modified_)
        post();
    else
        cancel();
}

// ---------------------------------------------------------------- order and filter

std::vector<Table::OrderPart> Table::orderParts() const
{
    std::vector<OrderPart> parts;
    if (!orderField_.isEmpty()) {
        parts.push_back({def_.fieldIndex(orderField_), orderDescending_});
    } else if (!indexName_.isEmpty()) {
        const IndexDef *ix = def_.index(indexName_);
        for (const QString &f : ix->fields)
            parts.push_back({def_.fieldIndex(f), ix->descending});
    } else if (def_.orderByKey) {
        for (const QString &f : def_.key)
            parts.push_back({def_.fieldIndex(f), false});
    }
    return parts;
}

void Table::computeKey(Row &row) const
{
    row.sortKey.resize(order_.size());
    for (size_t i = 0; i < order_.size(); ++i) {
        const QVariant v = cell(row, order_[i].field);
        KeyPart &k = row.sortKey[i];
        k.null = v.isNull() || !v.isValid();
        k.text.clear();
        k.number = 0;
        if (k.null)
            continue;
        switch (def_.fields[order_[i].field].type) {
        case FieldType::Text:
        case FieldType::Memo:
            k.text = foldForSort(v.toString());
            break;
        case FieldType::Date:
            k.number = double(v.toDate().toJulianDay());
            break;
        case FieldType::Time:
            k.number = v.toTime().msecsSinceStartOfDay();
            break;
        case FieldType::Picture:
        case FieldType::Binary:
            break;
        default:
            k.number = v.toDouble();
            break;
        }
    }
}

bool Table::lessThan(const Row *a, const Row *b) const
{
    for (size_t i = 0; i < order_.size(); ++i) {
        const KeyPart &x = a->sortKey[i];
        const KeyPart &y = b->sortKey[i];
        int c = 0;
        if (x.null || y.null)
            c = x.null == y.null ? 0 : (x.null ? -1 : 1);
        else if (x.number != y.number)
            c = x.number < y.number ? -1 : 1;
        else
            c = x.text.compare(y.text);
        if (c != 0)
            return order_[i].descending ? c > 0 : c < 0;
    }
    if (a->ordre != b->ordre)
        return a->ordre < b->ordre;
    return a->rowid < b->rowid;
}

bool Table::passesFilter(const Row &row) const
{
    if (master_) {
        const bool masterHasRecord = master_->isActive() && !master_->isEmpty();
        for (int i = 0; i < detailFields_.size(); ++i) {
            if (!masterHasRecord)
                return false;
            const FieldDef &fd = def_.fields[detailFields_[i]];
            const QVariant mv = normaliseValue(fd, master_->value(masterFields_[i]));
            if (cell(row, detailFields_[i]) != mv)
                return false;
        }
    }
    if (!filtered_)
        return true;
    for (const Condition &c : conditions_) {
        const FieldDef &fd = def_.fields[c.field];
        const QVariant v = cell(row, c.field);
        bool ok = false;
        switch (c.op) {
        case Compare::Equal:
            ok = v == c.value || ((v.isNull() || !v.isValid()) && (c.value.isNull() || !c.value.isValid()));
            break;
        case Compare::NotEqual:
            ok = !(v == c.value || ((v.isNull() || !v.isValid()) && (c.value.isNull() || !c.value.isValid())));
            break;
        case Compare::Less:
            ok = compareValues(v, c.value, fd.type) < 0;
            break;
        case Compare::LessOrEqual:
            ok = compareValues(v, c.value, fd.type) <= 0;
            break;
        case Compare::Greater:
            ok = compareValues(v, c.value, fd.type) > 0;
            break;
        case Compare::GreaterOrEqual:
            ok = compareValues(v, c.value, fd.type) >= 0;
            break;
        case Compare::StartsWith:
            ok = foldForSort(v.toString()).startsWith(foldForSort(c.value.toString()));
            break;
        case Compare::Contains:
            ok = foldForSort(v.toString()).contains(foldForSort(c.value.toString()));
            break;
        }
        if (!ok)
            return false;
    }
    if (predicate_) {
        RecordView view(*this, static_cast<const void *>(&row));
        if (!predicate_(view))
            return false;
    }
    return true;
}

void Table::rebuildView(qint64 keepRowid)
{
    view_.clear();
    view_.reserve(rows_.size());
    for (auto &r : rows_) {
        if (passesFilter(*r))
            view_.push_back(r.get());
    }
    std::sort(view_.begin(), view_.end(), [this](const Row *a, const Row *b) { return lessThan(a, b); });
    pos_ = view_.empty() ? -1 : 0;
    if (keepRowid) {
        for (size_t i = 0; i < view_.size(); ++i) {
            if (view_[i]->rowid == keepRowid) {
                pos_ = int(i);
                break;
            }
        }
    }
}

void Table::placeInView(Row *row)
{
    auto it = std::find(view_.begin(), view_.end(), row);
    if (it != view_.end())
        view_.erase(it);
    if (!passesFilter(*row)) {
        if (view_.empty())
            pos_ = -1;
        else
            pos_ = std::min(std::max(pos_, 0), int(view_.size()) - 1);
        return;
    }
    auto at = std::upper_bound(view_.begin(), view_.end(), row,
                               [this](const Row *a, const Row *b) { return lessThan(a, b); });
    pos_ = int(at - view_.begin());
    view_.insert(at, row);
}

void Table::setFilterPredicate(Predicate predicate)
{
    requireActive();
    checkBrowseMode();
    predicate_ = std::move(predicate);
    setFiltered(true);
    rebuildView(0);
    first();
    emitLayout();
}

void Table::addFilterCondition(const QString &field, Compare op, const QVariant &value)
{
    requireActive();
    checkBrowseMode();
    const int i = fieldIndex(field);
    QVariant v = value;
    if (op != Compare::StartsWith && op != Compare::Contains)
        v = normaliseValue(def_.fields[i], value);
    conditions_.push_back({i, op, v});
    filtered_ = true;
    rebuildView(0);
    first();
    emitLayout();
}

void Table::clearFilter()
{
    predicate_ = nullptr;
    conditions_.clear();
    setFiltered(false);
}

void Table::setFiltered(bool on)
{
    if (!isActive()) {
        filtered_ = on;
        return;
    }
    checkBrowseMode();
    const Row *cur = currentRow();
    filtered_ = on;
    rebuildView(cur ? cur->rowid : 0);
    first();
    emitLayout();
}

// A new order keeps the current record.
void Table::reorder()
{
    const Row *cur = currentRow();
    order_ = orderParts();
    for (auto &r : rows_)
        computeKey(*r);
    rebuildView(cur ? cur->rowid : 0);
    emitLayout();
    emitCurrent();
}

void Table::setIndexName(const QString &name)
{
    if (isActive()) {
        checkBrowseMode();
        if (!name.isEmpty() && !def_.index(name))
            misuse(tableName_, QStringLiteral("index « %1 » inconnu").arg(name));
    }
    indexName_ = name;
    orderField_.clear();
    if (!isActive())
        return;
    reorder();
}

void Table::setOrderField(const QString &field, bool descending)
{
    if (isActive()) {
        checkBrowseMode();
        fieldIndex(field);
    }
    orderField_ = field;
    orderDescending_ = descending;
    indexName_.clear();
    if (!isActive())
        return;
    reorder();
}

void Table::setMasterLink(Table *master, const QString &detailFields, const QString &masterFields)
{
    clearMasterLink();
    const QStringList d = splitFields(detailFields);
    const QStringList m = splitFields(masterFields);
    if (d.size() != m.size() || d.isEmpty())
        misuse(objectName(), QStringLiteral("lien maître-détail mal défini"));
    master_ = master;
    masterFields_ = m;
    detailFields_.clear();
    const TableDef &def = definition();
    for (const QString &f : d) {
        const int i = def.fieldIndex(f);
        if (i < 0)
            misuse(tableName_, QStringLiteral("champ « %1 » inconnu").arg(f));
        detailFields_.append(i);
    }
    masterConnection_ = connect(master, &Table::currentChanged, this, &Table::masterMoved);
    if (isActive())
        masterMoved();
}

void Table::clearMasterLink()
{
    if (masterConnection_)
        disconnect(masterConnection_);
    master_ = nullptr;
    detailFields_.clear();
    masterFields_.clear();
    if (isActive() && !isEditing()) {
        rebuildView(0);
        first();
        emitLayout();
    }
}

void Table::masterMoved()
{
    if (!isActive() || isEditing())
        return;
    rebuildView(0);
    first();
    emitLayout();
}

// ---------------------------------------------------------------- navigation

Table::Row *Table::currentRow() const
{
    if (pos_ < 0 || pos_ >= int(view_.size()))
        return nullptr;
    return view_[pos_];
}

void Table::first()
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    pos_ = view_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = view_.empty();
    emitCurrent();
}

void Table::last()
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    pos_ = int(view_.size()) - 1;
    eof_ = true;
    bof_ = view_.empty();
    emitCurrent();
}

void Table::next()
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    if (pos_ + 1 < int(view_.size())) {
        ++pos_;
        bof_ = eof_ = false;
        emitCurrent();
    } else {
        eof_ = true;
    }
}

void Table::prior()
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    if (pos_ > 0) {
        --pos_;
        bof_ = eof_ = false;
        emitCurrent();
    } else {
        bof_ = true;
    }
}

int Table::moveBy(int distance)
{
    int moved = 0;
    while (distance > 0 && !eof()) {
        next();
        if (!eof_)
            ++moved;
        --distance;
    }
    while (distance < 0 && !bof()) {
        prior();
        if (!bof_)
            --moved;
        ++distance;
    }
    return moved;
}

bool Table::eof() const
{
    ensureFresh();
    return !isActive() || eof_ || view_.empty();
}

bool Table::bof() const
{
    ensureFresh();
    return !isActive() || bof_ || view_.empty();
}

bool Table::isEmpty() const
{
    return recordCount() == 0 && state_ != State::Insert;
}

int Table::recordCount() const
{
    if (!isActive())
        return 0;
    ensureFresh();
    return int(view_.size());
}

int Table::recNo() const
{
    if (!isActive())
        return 0;
    ensureFresh();
    if (state_ == State::Insert)
        return 0;
    return pos_ < 0 ? 0 : pos_ + 1;
}

void Table::setRecNo(int recNo)
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    if (view_.empty())
        return;
    pos_ = std::clamp(recNo, 1, int(view_.size())) - 1;
    bof_ = eof_ = false;
    emitCurrent();
}

Table::Bookmark Table::bookmark() const
{
    ensureFresh();
    const Row *r = currentRow();
    return Bookmark{r && state_ != State::Insert ? r->rowid : 0};
}

bool Table::gotoBookmark(const Bookmark &bookmark)
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    for (size_t i = 0; i < view_.size(); ++i) {
        if (view_[i]->rowid == bookmark.rowid) {
            pos_ = int(i);
            bof_ = eof_ = false;
            emitCurrent();
            return true;
        }
    }
    return false;
}

bool Table::locate(const QString &fields, const QVariantList &values, bool caseInsensitive)
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    const QStringList names = splitFields(fields);
    if (names.size() != values.size())
        misuse(tableName_, QStringLiteral("recherche mal définie"));
    std::vector<int> idx;
    std::vector<QVariant> wanted;
    for (int i = 0; i < names.size(); ++i) {
        idx.push_back(fieldIndex(names[i]));
        wanted.push_back(normaliseValue(def_.fields[idx.back()], values[i]));
    }
    // Exact text is compared with the stored bytes, so that the records
    // passed over are not decoded.
    std::vector<QByteArray> wantedUtf8(idx.size());
    for (size_t k = 0; k < idx.size(); ++k) {
        if (!caseInsensitive && isTextual(def_.fields[idx[k]].type) && !wanted[k].isNull())
            wantedUtf8[k] = wanted[k].toString().toUtf8();
    }
    for (size_t r = 0; r < view_.size(); ++r) {
        bool match = true;
        for (size_t k = 0; k < idx.size() && match; ++k) {
            if (!wantedUtf8[k].isNull() && !view_[r]->stored.isEmpty()) {
                const QByteArrayView stored = storedBytes(*view_[r], idx[k]);
                match = stored.data() && stored == wantedUtf8[k];
                continue;
            }
            const QVariant v = cell(*view_[r], idx[k]);
            const QVariant &w = wanted[k];
            const bool vn = v.isNull() || !v.isValid(), wn = w.isNull() || !w.isValid();
            if (vn || wn)
                match = vn == wn;
            else if (caseInsensitive && isTextual(def_.fields[idx[k]].type))
                match = v.toString().compare(w.toString(), Qt::CaseInsensitive) == 0;
            else
                match = v == w;
        }
        if (match) {
            pos_ = int(r);
            bof_ = eof_ = false;
            emitCurrent();
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- fields

int Table::fieldIndex(const QString &field) const
{
    // Windows and routines name their fields at every access: an open
    // table remembers where each name it was asked for stands.
    if (isActive()) {
        const auto known = fieldPositions_.constFind(field);
        if (known != fieldPositions_.constEnd())
            return known.value();
    }
    const int i = definition().fieldIndex(field);
    if (i < 0)
        misuse(tableName_, QStringLiteral("champ « %1 » inconnu").arg(field));
    if (isActive())
        fieldPositions_.insert(field, i);
    return i;
}

QVariant Table::value(int i) const
{
    requireActive();
    if (i < 0 || i >= int(def_.fields.size()))
        misuse(tableName_, QStringLiteral("numéro de champ %1 hors limites").arg(i));
    if (isEditing())
        return buffer_[i];
    ensureFresh();
    const Row *r = currentRow();
    return r ? cell(*r, i) : QVariant();
}

QVariant Table::value(const QString &field) const { return value(fieldIndex(field)); }

void Table::setValue(int i, const QVariant &v)
{
    requireActive();
    if (!isEditing())
        misuse(tableName_, QStringLiteral("l'enregistrement n'est pas en modification"));
    if (i < 0 || i >= int(def_.fields.size()))
        misuse(tableName_, QStringLiteral("numéro de champ %1 hors limites").arg(i));
    QVariant n = normaliseValue(def_.fields[i], v);
    if (buffer_[i] == n && buffer_[i].isNull() == n.isNull())
        return;
    buffer_[i] = std::move(n);
    modified_ = true;
    if (!controlsDisabled())
        emit fieldChanged(i);
}

void Table::setValue(const QString &field, const QVariant &v) { setValue(fieldIndex(field), v); }

bool Table::isNull(const QString &field) const
{
    const QVariant v = value(field);
    return v.isNull() || !v.isValid();
}
QString Table::asString(const QString &field) const { return value(field).toString(); }
qint64 Table::asInt(const QString &field) const { return value(field).toLongLong(); }
double Table::asDouble(const QString &field) const { return value(field).toDouble(); }
Money Table::asMoney(const QString &field) const { return Money::fromVariant(value(field)); }
bool Table::asBool(const QString &field) const { return value(field).toBool(); }
QDate Table::asDate(const QString &field) const { return value(field).toDate(); }
QTime Table::asTime(const QString &field) const { return value(field).toTime(); }
QByteArray Table::asBytes(const QString &field) const { return value(field).toByteArray(); }

QString Table::displayText(const QString &field) const
{
    const int i = fieldIndex(field);
    return displayValue(def_.fields[i], value(i));
}

QVariant Table::valueAt(int row, int i) const
{
    if (!isActive() || i < 0 || i >= int(def_.fields.size()))
        return {};
    ensureFresh();
    if (row < 0 || row >= int(view_.size()))
        return {};
    if (state_ == State::Edit && view_[row]->rowid == editRowid_)
        return buffer_[i];
    return cell(*view_[row], i);
}

QString Table::displayAt(int row, int i) const
{
    if (i < 0 || i >= int(def_.fields.size()))
        return {};
    return displayValue(def_.fields[i], valueAt(row, i));
}

// ---------------------------------------------------------------- hooks

int Table::addHook(Event event, Hook hook)
{
    const int id = nextHookId_++;
    hooks_.push_back({id, event, std::move(hook)});
    return id;
}

void Table::removeHook(int id)
{
    hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(), [id](const HookEntry &h) { return h.id == id; }),
                 hooks_.end());
}

void Table::runHooks(Event event)
{
    // A copy: a hook may add or remove hooks.
    const std::vector<HookEntry> hooks = hooks_;
    for (const HookEntry &h : hooks) {
        if (h.event == event)
            h.hook(*this);
    }
}

// ---------------------------------------------------------------- editing

void Table::setState(State s)
{
    if (state_ == s)
        return;
    state_ = s;
    if (!controlsDisabled())
        emit stateChanged(s);
}

void Table::edit()
{
    requireActive();
    if (isEditing())
        return;
    ensureFresh();
    const Row *r = currentRow();
    if (!r) {
        append();
        return;
    }
    runHooks(Event::BeforeEdit);
    buffer_ = rowValues(*r);
    editRowid_ = r->rowid;
    modified_ = false;
    setState(State::Edit);
}

void Table::startNew(bool atCursor)
{
    requireActive();
    checkBrowseMode();
    ensureFresh();
    buffer_.assign(def_.fields.size(), QVariant());
    for (int i = 0; i < def_.fields.size(); ++i) {
        if (def_.fields[i].defaultValue.isValid())
            buffer_[i] = normaliseValue(def_.fields[i], def_.fields[i].defaultValue);
    }
    if (master_ && master_->isActive() && !master_->isEmpty()) {
        for (int i = 0; i < detailFields_.size(); ++i)
            buffer_[detailFields_[i]] = normaliseValue(def_.fields[detailFields_[i]], master_->value(masterFields_[i]));
    }
    insertOrdre_ = maxOrdre_ + 1;
    const Row *cur = currentRow();
    if (atCursor && cur) {
        // Between the current record and the one entered just before it.
        double before = 0;
        bool found = false;
        for (const auto &r : rows_) {
            if (r->ordre < cur->ordre && (!found || r->ordre > before)) {
                before = r->ordre;
                found = true;
            }
        }
        insertOrdre_ = found ? (before + cur->ordre) / 2 : cur->ordre - 1;
    }
    editRowid_ = 0;
    modified_ = false;
    setState(State::Insert);
    runHooks(Event::NewRecord);
    if (!controlsDisabled())
        emit currentChanged();
}

void Table::append() { startNew(false); }
void Table::insert() { startNew(true); }

void Table::checkRequired() const
{
    for (int i = 0; i < def_.fields.size(); ++i) {
        const FieldDef &f = def_.fields[i];
        if (f.required && (buffer_[i].isNull() || !buffer_[i].isValid()))
            throw RequiredFieldMissing(def_.name, f.name, f.displayLabel());
    }
}

void Table::writeRow()
{
    const int n = int(def_.fields.size());
    if (state_ == State::Insert) {
        if (!insertStmt_) {
            QStringList cols, marks;
            for (const FieldDef &f : def_.fields) {
                cols.append(quoted(f.name));
                marks.append(QStringLiteral("?"));
            }
            cols.append(QStringLiteral("\"_ordre\""));
            marks.append(QStringLiteral("?"));
            insertStmt_ = prepare(QStringLiteral("INSERT INTO %1(%2) VALUES(%3)")
                                      .arg(quoted(def_.name), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        }
        for (int i = 0; i < n; ++i)
            insertStmt_->bind(i + 1, buffer_[i]);
        insertStmt_->bindDouble(n + 1, insertOrdre_);
        try {
            insertStmt_->exec();
        } catch (const KeyViolation &) {
            insertStmt_->reset();
            throw KeyViolation(def_.name);
        } catch (...) {
            insertStmt_->reset();
            throw;
        }
        editRowid_ = sqlite3_last_insert_rowid(session_->handle());
    } else {
        if (!updateStmt_) {
            QStringList sets;
            for (const FieldDef &f : def_.fields)
                sets.append(quoted(f.name) + QStringLiteral("=?"));
            updateStmt_ = prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                                      .arg(quoted(def_.name), sets.join(QLatin1Char(','))));
        }
        for (int i = 0; i < n; ++i)
            updateStmt_->bind(i + 1, buffer_[i]);
        updateStmt_->bindInt(n + 1, editRowid_);
        try {
            updateStmt_->exec();
        } catch (const KeyViolation &) {
            updateStmt_->reset();
            throw KeyViolation(def_.name);
        } catch (...) {
            updateStmt_->reset();
            throw;
        }
        if (sqlite3_changes(session_->handle()) == 0)
            throw StoreError(StoreError::Kind::General,
                             QStringLiteral("Cet enregistrement de la table « %1 » a été supprimé entre-temps : "
                                            "la modification n'a pas pu être enregistrée.")
                                 .arg(def_.name));
    }
    session_->touch(def_.name);
}

void Table::post()
{
    requireActive();
    if (!isEditing())
        return;
    runHooks(Event::BeforePost);
    checkRequired();
    const bool stale = shared_->version != seenVersion_;
    {
        Session::Transaction tx(*session_);
        writeRow();
        tx.commit();
    }
    Row *row = nullptr;
    if (state_ == State::Insert) {
        auto fresh = std::make_unique<Row>();
        fresh->rowid = editRowid_;
        fresh->ordre = insertOrdre_;
        maxOrdre_ = std::max(maxOrdre_, insertOrdre_);
        row = fresh.get();
        rows_.push_back(std::move(fresh));
    } else {
        for (auto &r : rows_) {
            if (r->rowid == editRowid_) {
                row = r.get();
                break;
            }
        }
    }
    if (row) {
        row->values = std::move(buffer_);
        row->stored.clear();
        computeKey(*row);
    }
    buffer_.clear();
    modified_ = false;
    session_->bumpVersion(def_.name);
    seenVersion_ = shared_->version;
    setState(State::Browse);
    if (stale || !row) {
        const qint64 keep = editRowid_;
        load();
        for (auto &r : rows_)
            computeKey(*r);
        rebuildView(keep);
    } else {
        placeInView(row);
    }
    bof_ = eof_ = view_.empty();
    emitLayout();
    emitCurrent();
    runHooks(Event::AfterPost);
}

void Table::cancel()
{
    if (!isEditing())
        return;
    buffer_.clear();
    modified_ = false;
    setState(State::Browse);
    emitCurrent();
    runHooks(Event::AfterCancel);
}

void Table::remove()
{
    requireActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit)
        cancel();
    ensureFresh();
    Row *r = currentRow();
    if (!r)
        misuse(def_.name, QStringLiteral("aucun enregistrement à supprimer"));
    runHooks(Event::BeforeDelete);
    {
        Session::Transaction tx(*session_);
        Statement del(*session_, QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(quoted(def_.name)));
        del.bindInt(1, r->rowid).exec();
        session_->touch(def_.name);
        tx.commit();
    }
    view_.erase(view_.begin() + pos_);
    rows_.erase(std::find_if(rows_.begin(), rows_.end(), [r](const auto &p) { return p.get() == r; }));
    if (pos_ >= int(view_.size()))
        pos_ = int(view_.size()) - 1;
    bof_ = eof_ = view_.empty();
    session_->bumpVersion(def_.name);
    seenVersion_ = shared_->version;
    emitLayout();
    emitCurrent();
    runHooks(Event::AfterDelete);
}

// ---------------------------------------------------------------- whole table

void Table::emptyTable()
{
    if (isEditing())
        cancel();
    session_->emptyTable(tableName_);
    if (isActive()) {
        refresh();
        first();
    }
}

void Table::createTableLike(const TableDef &def)
{
    if (isActive())
        close();
    session_->createTable(def, tableName_);
}

void Table::dropTable()
{
    close();
    session_->dropTable(tableName_);
}

// ---------------------------------------------------------------- signals

void Table::disableControls()
{
    ++controlsDisabled_;
}

void Table::enableControls()
{
    if (controlsDisabled_ == 0)
        return;
    if (--controlsDisabled_ == 0) {
        emit stateChanged(state_);
        emit layoutChanged();
        emit currentChanged();
        pendingLayout_ = pendingCurrent_ = false;
    }
}

void Table::emitCurrent()
{
    if (controlsDisabled())
        pendingCurrent_ = true;
    else
        emit currentChanged();
}

void Table::emitLayout()
{
    if (controlsDisabled())
        pendingLayout_ = true;
    else
        emit layoutChanged();
}

} // namespace corvane::data
