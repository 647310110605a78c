#include "platform/store/Store.h"

namespace platform {

Row::Row(std::shared_ptr<const std::vector<QString>> names, std::vector<Value> values)
    : names_(std::move(names)), values_(std::move(values))
{
}

QString Row::columnName(int index) const
{
    return index >= 0 && index < static_cast<int>(names_->size()) ? (*names_)[index] : QString();
}

namespace {

int findColumn(const std::vector<QString>& names, const QString& name)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

}  // namespace

bool Row::hasColumn(const QString& name) const { return findColumn(*names_, name) >= 0; }

const Value& Row::at(int index) const
{
    if (index < 0 || index >= columnCount())
        throw StoreException(StoreError::Other,
                             QStringLiteral("Column %1 does not exist (the row has %2 columns)")
                                 .arg(index)
                                 .arg(columnCount()));
    return values_[index];
}

const Value& Row::at(const QString& name) const
{
    const int index = findColumn(*names_, name);
    if (index < 0)
        throw StoreException(StoreError::Other, QStringLiteral("Column \"%1\" does not exist").arg(name));
    return values_[index];
}

}  // namespace platform
