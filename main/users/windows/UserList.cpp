#include "main/users/windows/UserList.h"

#include "main/users/windows/FaceIcons.h"

namespace users {
namespace {

enum Role {
    kStudentIdRole = Qt::UserRole,
    kFirstNameRole,
    kLastNameRole,
    kPasswordRole,
    kIconRole,
    kAdministratorRole,
};

constexpr int kFaceSize = 48;
constexpr QSize kGrid(122, 92);

// Names sort as a reader expects: letter case and accents do not scatter them.
class UserItem : public QListWidgetItem {
public:
    bool operator<(const QListWidgetItem& other) const override
    {
        const int order = QString::localeAwareCompare(text().toCaseFolded(), other.text().toCaseFolded());
        return order != 0 ? order < 0 : text() < other.text();
    }
};

void showUser(QListWidgetItem& item, const UserRecord& user)
{
    item.setText(user.displayName());
    item.setIcon(faceIcon(user.icon));
    item.setData(kStudentIdRole, QVariant::fromValue<qint64>(user.studentId));
    item.setData(kFirstNameRole, user.firstName);
    item.setData(kLastNameRole, user.lastName);
    item.setData(kPasswordRole, user.password);
    item.setData(kIconRole, user.icon);
}

UserRecord userOf(const QListWidgetItem& item)
{
    UserRecord user;
    user.studentId = item.data(kStudentIdRole).toLongLong();
    user.firstName = item.data(kFirstNameRole).toString();
    user.lastName = item.data(kLastNameRole).toString();
    user.password = item.data(kPasswordRole).toString();
    user.icon = item.data(kIconRole).toInt();
    return user;
}

// A new item showing the user; the administrator's name is bold.
QListWidgetItem* userItem(const UserRecord& user, bool administrator)
{
    auto* item = new UserItem;
    showUser(*item, user);
    item->setData(kAdministratorRole, administrator);
    if (administrator) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

}  // namespace

UserList::UserList(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(kFaceSize, kFaceSize));
    setGridSize(kGrid);
    setWordWrap(true);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideRight);
}

void UserList::setUsers(const std::vector<UserRecord>& users)
{
    setSortingEnabled(false);
    clear();
    if (users.empty()) return;
    // Every item goes in first; the list is sorted once.
    QListWidgetItem* administrator = userItem(users.front(), true);
    addItem(administrator);
    for (std::size_t i = 1; i < users.size(); ++i) addItem(userItem(users[i], false));
    sortItems();
    setCurrentItem(administrator);
}

void UserList::addUser(const UserRecord& user, bool administrator)
{
    QListWidgetItem* item = userItem(user, administrator);
    addItem(item);
    sortItems();
    if (!currentItem()) setCurrentItem(item);
}

void UserList::replaceUser(const UserRecord& user)
{
    QListWidgetItem* item = itemOf(user.studentId);
    if (!item) return;
    showUser(*item, user);
    sortItems();
    scrollToItem(item);
}

std::optional<UserRecord> UserList::selectedUser() const
{
    const QListWidgetItem* item = currentItem();
    if (!item) return std::nullopt;
    return userOf(*item);
}

bool UserList::selectedIsAdministrator() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->data(kAdministratorRole).toBool();
}

std::vector<UserRecord> UserList::users() const
{
    std::vector<UserRecord> result;
    for (int row = 0; row < count(); ++row) result.push_back(userOf(*item(row)));
    return result;
}

QListWidgetItem* UserList::itemOf(std::int64_t studentId) const
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(kStudentIdRole).toLongLong() == studentId) return item(row);
    }
    return nullptr;
}

}  // namespace users
