// Runs the user store as another user for the tests of read-only files and folders.
//   userstore_probe load <data folder> <program folder>  -> prints the outcome, a tab, the error
//   userstore_probe add <store path>                      -> adds one user, prints "added"
#include "OutcomeName.h"
#include "main/users/store/UserStore.h"
#include "main/users/store/UserStoreLoader.h"
#include "platform/store/Store.h"

#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "load") == 0) {
        users::LoadOptions options;
        options.busyTimeoutMs = 200;
        const auto result = users::loadUsers(QString::fromLocal8Bit(argv[2]),
                                             QString::fromLocal8Bit(argv[3]), options);
        std::printf("%s\t%s\n", users::testing::outcomeName(result.outcome), qPrintable(result.errorText));
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "add") == 0) {
        try {
            users::ProfileForm form;
            form.firstName = QStringLiteral("Noor");
            form.lastName = QStringLiteral("Haddad");
            users::UserStore(QString::fromLocal8Bit(argv[2])).addUser(form);
            std::printf("added\n");
        } catch (const platform::StoreException& error) {
            std::printf("failed\t%s\n", error.what());
        }
        return 0;
    }
    std::fprintf(stderr, "usage: userstore_probe load <data> <program> | add <store>\n");
    return 2;
}
