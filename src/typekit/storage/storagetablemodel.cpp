#include "storagetablemodel.h"

#include <typekit/storage/storageholds_p.h>

#include <notifierkit/checkedsubscription.h>

#include <servicekit/servicekit.h>

#include <QtCore/QHash>
#include <QtCore/QPointer>
#include <QtCore/QThread>

#include <algorithm>
#include <deque>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

namespace Trade {

namespace {

// Keeps the reports that this thread makes while a value's text is made, for the tooltip; the
// reports of other threads go on to the service that is installed.
class ReportCollector final : public IMarquelService
{
public:
    ReportCollector()
        : m_thread(QThread::currentThread()), m_service(MarquelServiceApi()), m_replaced(setMarquelServiceApi(this))
    {
    }
    ~ReportCollector() override { setMarquelServiceApi(m_replaced); }
    ReportCollector(const ReportCollector &) = delete;
    ReportCollector &operator=(const ReportCollector &) = delete;

    void reportAssertion(QStringView file, unsigned line, QStringView function, const void *object,
                         QStringView condition) override
    {
        if (QThread::currentThread() != m_thread)
            return m_service->reportAssertion(file, line, function, object, condition);
        append(function.toString() + QStringLiteral(": ") + condition.toString());
    }
    void logMessage(int channel, int severity, QStringView file, unsigned line, QStringView function,
                    const void *object, QStringView text) override
    {
        if (QThread::currentThread() != m_thread)
            return m_service->logMessage(channel, severity, file, line, function, object, text);
        // A report's message comes quoted; an empty one says nothing.
        if (text.trimmed() != u"\"\"")
            append(text.toString());
    }
    qint8 channelLevel(int channel) override { return m_service->channelLevel(channel); }

    const QString &text() const { return m_text; }

private:
    void append(const QString &line)
    {
        if (!m_text.isEmpty())
            m_text += QLatin1Char('\n');
        m_text += line;
    }

    QThread *const m_thread;
    IMarquelService *const m_service;
    IMarquelService *const m_replaced;
    QString m_text;
};

bool sameValue(const VariantRecord &before, const VariantRecord &after, IField *field)
{
    const Variant *left = before.stored(field);
    const Variant *right = after.stored(field);
    if (left == right || !left || !right)
        return left == right;
    return *left == *right;
}

// The role name of a field: its id, with every character that is no letter, digit or underscore
// made an underscore.
QByteArray roleName(const IField *field)
{
    QByteArray name = field->id().toLatin1();
    for (char &c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            c = '_';
    }
    return name;
}

// The storage the model follows. One that is a Qt object is watched by a QPointer as well, so
// that its end is seen even before its destroyed() reaches the model.
class FollowedStorage
{
public:
    explicit FollowedStorage(IStorage *storage = nullptr)
        : m_storage(storage), m_object(dynamic_cast<QObject *>(storage)), m_isObject(!m_object.isNull())
    {
    }
    bool alive() const { return m_storage && (!m_isObject || m_object); }
    bool isObject() const { return m_isObject; }
    QObject *object() const { return m_object; }
    IStorage *get() const { return m_storage; }
    IStorage *operator->() const { return m_storage; }

private:
    IStorage *m_storage;
    QPointer<QObject> m_object;
    bool m_isObject;
};

} // namespace

struct StorageTableRow
{
    IRecord *record = nullptr;
    VariantRecord values; // as the model last read them; a row never reads its record again after Removed
    int number = 0;
};

class StorageTableModelPrivate
{
public:
    // The storage's announcements and the model's own changes asked for while the model was busy
    // (inside a signal it sent, or a call to the host), in the order they came.
    enum Kind { Announcement, Reconfigure, StorageGone };
    struct Pending
    {
        Kind kind;
        IStorage::ChangeEvent event;
        IRecord *record;
    };

    explicit StorageTableModelPrivate(StorageTableModel *model) : q(model) {}

    // Operations. Each may end with the model gone: a caller that goes on checks its own QPointer
    // to the model first.
    void drain();
    // `deferred`: the item waited in `pending`, so a record it names may have gone meanwhile.
    void apply(const Pending &pending, bool deferred);
    void reset(bool rebuild);
    void build();
    void added(IRecord *record, bool deferred);
    void removed(IRecord *record);
    void updated(IRecord *record, bool deferred);
    void insertRow(IRecord *record);
    void removeRow(StorageTableRow *row);
    void reconfigure();
    // Whether the record passes the filter, as the storage says (a call to the host), and what
    // that call left: the model gone, or the record no longer to be read.
    enum class Verdict { ModelGone, RecordGone, Passes, Fails };
    Verdict judge(IRecord *record);

    void attach(const FollowedStorage &newStorage);
    void detach();
    void clearRows();
    void appendRow(IRecord *record, const VariantRecord &values);
    int numberOf(StorageTableRow *row);
    // Whether an announcement waiting to be taken in ends the record (or all records): the
    // record may be gone already, and must not be read.
    bool endsLater(IRecord *record) const;

    StorageTableModel *const q;
    FollowedStorage storage;
    QMetaObject::Connection storageDestroyed;
    FieldSet columns;
    bool columnsGiven = false;
    std::unique_ptr<StorageFilter> filter;

    // The rows lie in blocks that never move: each is reserved once (the first as large as the
    // storage when the model is built) and never filled beyond that. A removed row's place is
    // taken again; the index finds a record's row.
    std::vector<std::vector<StorageTableRow>> blocks;
    std::vector<StorageTableRow *> freeRows;
    StorageTableRow *newRow();
    void reserveRows(size_t count);
    QHash<IRecord *, StorageTableRow *> rowOfRecord;
    StorageTableRow *find(IRecord *record) const { return rowOfRecord.value(record, nullptr); }
    std::vector<StorageTableRow *> rows;
    size_t numbered = 0;                   // rows[0, numbered) know their numbers
    std::unordered_set<IRecord *> outside; // the storage's records the filter turned away
    // The records the storage said would go (AboutToClear): it may still hold them while its
    // announcement runs, and then drop them without another word; they are never shown again.
    // A record announced as added later is a new one.
    std::unordered_set<IRecord *> doomed;

    std::deque<Pending> pending;
    bool busy = false;

    // Changes asked for while busy, made when their turn comes.
    struct Requested
    {
        bool storageSet = false;
        FollowedStorage storage;
        bool columnsSet = false;
        FieldSet columns;
        bool filterSet = false;
        std::unique_ptr<StorageFilter> filter;
    } requested;
};

// --- Rows

void StorageTableModelPrivate::clearRows()
{
    rows.clear();
    rowOfRecord.clear();
    blocks.clear();
    freeRows.clear();
    outside.clear();
    numbered = 0;
}

void StorageTableModelPrivate::appendRow(IRecord *record, const VariantRecord &values)
{
    StorageTableRow *const place = newRow();
    rowOfRecord.insert(record, place);
    StorageTableRow &row = *place;
    row.record = record;
    row.values = values;
    row.number = int(rows.size());
    if (numbered == rows.size())
        ++numbered;
    rows.push_back(&row);
}

void StorageTableModelPrivate::reserveRows(size_t count)
{
    if (blocks.empty())
        blocks.emplace_back().reserve(count);
}

StorageTableRow *StorageTableModelPrivate::newRow()
{
    if (!freeRows.empty()) {
        StorageTableRow *const row = freeRows.back();
        freeRows.pop_back();
        return row;
    }
    if (blocks.empty() || blocks.back().size() == blocks.back().capacity()) {
        constexpr size_t blockSize = 1024;
        blocks.emplace_back().reserve(blockSize);
    }
    return &blocks.back().emplace_back();
}

int StorageTableModelPrivate::numberOf(StorageTableRow *row)
{
    if (size_t(row->number) < numbered && rows[size_t(row->number)] == row)
        return row->number;
    for (; numbered < rows.size(); ++numbered)
        rows[numbered]->number = int(numbered);
    return row->number;
}

bool StorageTableModelPrivate::endsLater(IRecord *record) const
{
    return std::any_of(pending.begin(), pending.end(), [record](const Pending &p) {
        return p.kind == StorageGone
               || (p.kind == Announcement
                   && (p.event == IStorage::Reset || p.event == IStorage::AboutToClear
                       || (p.event == IStorage::Removed && p.record == record)));
    });
}

// --- Taking in the storage's announcements

void StorageTableModelPrivate::drain()
{
    const QPointer<StorageTableModel> self(q);
    busy = true;
    while (!pending.empty()) {
        const Pending next = pending.front();
        pending.pop_front();
        apply(next, true);
        if (!self)
            return;
    }
    busy = false;
}

void StorageTableModelPrivate::apply(const Pending &next, bool deferred)
{
    switch (next.kind) {
    case StorageGone:
        return reset(false);
    case Reconfigure:
        return reconfigure();
    case Announcement:
        break;
    }
    switch (next.event) {
    case IStorage::Reset:
        return reset(true);
    case IStorage::AboutToClear:
        return reset(false);
    case IStorage::Added:
        return added(next.record, deferred);
    case IStorage::Removed:
        return removed(next.record);
    case IStorage::Updated:
        return updated(next.record, deferred);
    }
}

void StorageTableModelPrivate::reset(bool rebuild)
{
    const QPointer<StorageTableModel> self(q);
    q->beginResetModel();
    if (!self)
        return;
    clearRows();
    if (rebuild) {
        doomed.clear();
        build();
        if (!self)
            return;
    } else if (storage.alive()) {
        for (IRecord *record : storage->records())
            doomed.insert(record);
    }
    q->endResetModel();
}

void StorageTableModelPrivate::build()
{
    clearRows();
    if (!storage.alive())
        return;
    const QPointer<StorageTableModel> self(q);
    const Enumerable<IRecord *> &records = storage->records();
    rowOfRecord.reserve(records.size());
    rows.reserve(size_t(records.size()));
    reserveRows(size_t(records.size()));
    if (filter) {
        const Container<IRecord *> passed = storage->select(*filter);
        if (!self || !storage.alive())
            return;
        std::unordered_set<IRecord *> passing;
        passing.reserve(size_t(passed.size()));
        for (IRecord *record : passed)
            passing.insert(record);
        for (IRecord *record : records) {
            if (!record || doomed.count(record))
                continue;
            if (passing.count(record))
                appendRow(record, record->variantRecord());
            else
                outside.insert(record);
        }
    } else {
        for (IRecord *record : records) {
            if (record && (doomed.empty() || !doomed.count(record)))
                appendRow(record, record->variantRecord());
        }
    }
    if (!columnsGiven && columns.isEmpty() && !rows.empty())
        columns = rows.front()->record->topicFields(); // read while the storage holds it
}

StorageTableModelPrivate::Verdict StorageTableModelPrivate::judge(IRecord *record)
{
    if (!filter)
        return Verdict::Passes;
    const QPointer<StorageTableModel> self(q);
    const bool passed = storage->passesFilter(record, *filter);
    if (!self)
        return Verdict::ModelGone;
    if (!storage.alive() || endsLater(record))
        return Verdict::RecordGone;
    return passed ? Verdict::Passes : Verdict::Fails;
}

void StorageTableModelPrivate::added(IRecord *record, bool deferred)
{
    doomed.erase(record);
    if (!record || !storage.alive() || rowOfRecord.contains(record) || outside.count(record))
        return;
    // An observer that heard the announcement first may have taken the record out again.
    if ((deferred && endsLater(record)) || !storageHolds(storage.get(), record))
        return;
    switch (judge(record)) {
    case Verdict::ModelGone:
    case Verdict::RecordGone:
        return;
    case Verdict::Fails:
        outside.insert(record);
        return;
    case Verdict::Passes:
        return insertRow(record);
    }
}

void StorageTableModelPrivate::insertRow(IRecord *record)
{
    const QPointer<StorageTableModel> self(q);
    // Read before any signal: the record may go while the model's observers run.
    const VariantRecord values = record->variantRecord();
    if (!columnsGiven && columns.isEmpty()) {
        const FieldSet fields = record->topicFields();
        if (!fields.isEmpty()) {
            q->beginInsertColumns(QModelIndex(), 0, int(fields.size()) - 1);
            if (!self)
                return;
            columns = fields;
            q->endInsertColumns();
            if (!self)
                return;
        }
    }
    const int number = int(rows.size());
    q->beginInsertRows(QModelIndex(), number, number);
    if (!self)
        return;
    appendRow(record, values);
    q->endInsertRows();
}

void StorageTableModelPrivate::removed(IRecord *record)
{
    outside.erase(record);
    doomed.erase(record);
    if (StorageTableRow *const row = find(record))
        removeRow(row);
}

void StorageTableModelPrivate::removeRow(StorageTableRow *row)
{
    const QPointer<StorageTableModel> self(q);
    const int number = numberOf(row);
    IRecord *const record = row->record;
    q->beginRemoveRows(QModelIndex(), number, number);
    if (!self)
        return;
    rows.erase(rows.begin() + number);
    numbered = std::min(numbered, size_t(number));
    rowOfRecord.remove(record);
    row->values = VariantRecord();
    freeRows.push_back(row);
    q->endRemoveRows();
}

void StorageTableModelPrivate::updated(IRecord *record, bool deferred)
{
    if (!record || !storage.alive() || (deferred && endsLater(record)))
        return;
    if (!find(record)) {
        // Unknown records went already (or were never the storage's); only one the filter turned
        // away is asked again.
        if (outside.count(record) && judge(record) == Verdict::Passes) {
            outside.erase(record);
            insertRow(record);
        }
        return;
    }
    switch (judge(record)) {
    case Verdict::ModelGone:
    case Verdict::RecordGone:
        return;
    case Verdict::Fails:
        outside.insert(record);
        return removeRow(find(record));
    case Verdict::Passes:
        break;
    }
    StorageTableRow *const row = find(record);
    const VariantRecord before = std::exchange(row->values, record->variantRecord());
    const VariantRecord &after = row->values;
    const int number = numberOf(row);
    const QPointer<StorageTableModel> self(q);
    // One signal per run of adjacent columns whose values changed. The rows do not change while
    // the signals run (the model is busy), so the number stays right.
    int first = -1;
    const int count = int(columns.size());
    for (int column = 0; column <= count; ++column) {
        const bool changed = column < count && !sameValue(before, after, columns.at(column));
        if (changed && first < 0)
            first = column;
        if (!changed && first >= 0) {
            Q_EMIT q->dataChanged(q->index(number, first), q->index(number, column - 1));
            if (!self)
                return;
            first = -1;
        }
    }
}

// --- The model's settings

void StorageTableModelPrivate::attach(const FollowedStorage &newStorage)
{
    storage = newStorage;
    if (!storage.get())
        return;
    if (storage.isObject()) {
        storageDestroyed = QObject::connect(storage.object(), &QObject::destroyed, q, [this] {
            // Its records may have gone with it: its announcements that wait are dropped, and the
            // model empties.
            pending.erase(
                std::remove_if(pending.begin(), pending.end(), [](const Pending &p) { return p.kind == Announcement; }),
                pending.end());
            pending.push_back({StorageGone, IStorage::Reset, nullptr});
            if (!busy)
                drain();
        });
    }
    Common::subscribe(storage.get(), TRADE_SIGNAL(Trade::IStorage, storageChanged), q,
                      TRADE_SLOT(StorageTableModel, slot_storageChanged));
}

void StorageTableModelPrivate::detach()
{
    QObject::disconnect(storageDestroyed);
    const FollowedStorage old = std::exchange(storage, FollowedStorage());
    if (old.alive())
        Common::unsubscribe(old.get(), TRADE_SIGNAL(Trade::IStorage, storageChanged), q,
                            TRADE_SLOT(StorageTableModel, slot_storageChanged));
}

void StorageTableModelPrivate::reconfigure()
{
    const QPointer<StorageTableModel> self(q);
    q->beginResetModel();
    if (!self)
        return;
    Requested settings = std::exchange(requested, Requested());
    if (settings.columnsSet) {
        columns = settings.columns;
        columnsGiven = !columns.isEmpty();
    } else if (!columnsGiven && settings.storageSet) {
        columns.clear();
    }
    if (settings.filterSet)
        filter = std::move(settings.filter);
    if (settings.storageSet) {
        doomed.clear();
        detach();
        if (!self)
            return;
        attach(settings.storage.alive() ? settings.storage : FollowedStorage());
        if (!self)
            return;
    }
    // What the storage announced while the model subscribed (its greeting among it) is in what
    // the model now reads; the end of a storage it no longer follows is no news. A record
    // announced as added, or a reset, is new even where a doomed record was.
    for (const Pending &p : pending) {
        if (p.kind == Announcement && p.event == IStorage::Added)
            doomed.erase(p.record);
        else if (p.kind == Announcement && p.event == IStorage::Reset)
            doomed.clear();
    }
    const bool storageSet = settings.storageSet;
    pending.erase(std::remove_if(pending.begin(), pending.end(),
                                 [storageSet](const Pending &p) {
                                     return p.kind == Announcement || (storageSet && p.kind == StorageGone);
                                 }),
                  pending.end());
    build();
    if (!self)
        return;
    if (!columnsGiven && rows.empty())
        columns.clear();
    q->endResetModel();
}

// --- StorageTableModel

StorageTableModel::StorageTableModel(IStorage *storage, const FieldSet &columns, QObject *parent)
    : QAbstractTableModel(parent), d(std::make_unique<StorageTableModelPrivate>(this))
{
    d->columns = columns;
    d->columnsGiven = !columns.isEmpty();
    if (!storage)
        return;
    // No view is attached yet: the model is filled without signals.
    d->busy = true;
    d->attach(FollowedStorage(storage));
    d->pending.clear();
    d->build();
    d->busy = false;
}

StorageTableModel::~StorageTableModel()
{
    // What the host asks of the model while it lets the model go waits, and is dropped with it;
    // the storage's news is no longer the model's once it has let the storage go.
    d->busy = true;
    d->detach();
}

IStorage *StorageTableModel::storage() const
{
    return d->storage.alive() ? d->storage.get() : nullptr;
}

void StorageTableModel::setStorage(IStorage *storage)
{
    StorageTableModelPrivate::Requested &requested = d->requested;
    requested.storageSet = true;
    requested.storage = FollowedStorage(storage);
    d->pending.push_back({StorageTableModelPrivate::Reconfigure, IStorage::Reset, nullptr});
    if (!d->busy)
        d->drain();
}

FieldSet StorageTableModel::columns() const
{
    return d->columns;
}

void StorageTableModel::setColumns(const FieldSet &columns)
{
    d->requested.columnsSet = true;
    d->requested.columns = columns;
    d->pending.push_back({StorageTableModelPrivate::Reconfigure, IStorage::Reset, nullptr});
    if (!d->busy)
        d->drain();
}

bool StorageTableModel::hasFilter() const
{
    return d->filter != nullptr;
}

const StorageFilter *StorageTableModel::filter() const
{
    return d->filter.get();
}

void StorageTableModel::setFilterObject(std::unique_ptr<StorageFilter> filter)
{
    d->requested.filterSet = true;
    d->requested.filter = std::move(filter);
    d->pending.push_back({StorageTableModelPrivate::Reconfigure, IStorage::Reset, nullptr});
    if (!d->busy)
        d->drain();
}

void StorageTableModel::clearFilter()
{
    setFilterObject(nullptr);
}

IRecord *StorageTableModel::record(int row) const
{
    return row >= 0 && size_t(row) < d->rows.size() ? d->rows[size_t(row)]->record : nullptr;
}

int StorageTableModel::rowOf(IRecord *record) const
{
    StorageTableRow *const row = d->find(record);
    return row ? d->numberOf(row) : -1;
}

int StorageTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(d->rows.size());
}

int StorageTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(d->columns.size());
}

QVariant StorageTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    const StorageTableRow *row = d->rows[size_t(index.row())];
    IField *field = d->columns.at(index.column());
    if (role >= FieldRole && role < FieldRole + columnCount()) {
        field = d->columns.at(role - FieldRole);
        role = Qt::DisplayRole;
    }
    const Variant *value = row->values.stored(field);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        if (!value)
            return QVariant();
        const ReportCollector reports;
        const QString text = value->toString();
        if (role == Qt::DisplayRole)
            return text;
        return reports.text().isEmpty() ? QVariant() : QVariant(reports.text());
    }
    case Qt::EditRole:
    case ValueRole:
        return value ? QVariant(*value) : QVariant();
    case RecordRole:
        return QVariant::fromValue(row->record);
    default:
        return QVariant();
    }
}

QVariant StorageTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return d->columns.at(section)->name();
    return QAbstractTableModel::headerData(section, orientation, role);
}

QHash<int, QByteArray> StorageTableModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(ValueRole, QByteArrayLiteral("value"));
    names.insert(RecordRole, QByteArrayLiteral("record"));
    for (int column = 0; column < columnCount(); ++column)
        names.insert(FieldRole + column, roleName(d->columns.at(column)));
    return names;
}

void StorageTableModel::slot_storageChanged(Trade::IStorage::ChangeEvent event, Trade::IRecord *record,
                                            Trade::IStorage *storage)
{
    if (storage != d->storage.get())
        return;
    if (d->busy) {
        d->pending.push_back({StorageTableModelPrivate::Announcement, event, record});
        return;
    }
    // Taken in at once: the record is the one the storage announces now.
    const QPointer<StorageTableModel> self(this);
    d->busy = true;
    d->apply({StorageTableModelPrivate::Announcement, event, record}, false);
    if (!self)
        return;
    d->busy = false;
    if (!d->pending.empty())
        d->drain();
}

// --- StorageTableSortModel

StorageTableSortModel::StorageTableSortModel(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(StorageTableModel::ValueRole);
}

StorageTableSortModel::~StorageTableSortModel() = default;

bool StorageTableSortModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const Variant leftValue(left.data(sortRole()));
    const Variant rightValue(right.data(sortRole()));
    const auto isOwn = [](const Variant &value) { return value.typeId() >= QMetaType::User; };
    // Empty cells first; the library's values by their converters; the rest as Qt orders them.
    if (!leftValue.isValid() || !rightValue.isValid() || isOwn(leftValue) || isOwn(rightValue))
        return Variant::order(leftValue, rightValue) < 0;
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace Trade
