#include "UserStoreFixture.h"

#include "TestEnvironment.h"
#include "platform/files/FileCopy.h"
#include "platform/store/Store.h"
#include "common/schema/Schema.h"

namespace users::testing {

QString makeProgramFolder(const QString& name)
{
    const QString folder = testsupport::makeFolder(name);
    platform::Store store = platform::Store::create(folder + kUserTemplateName);
    schema::createTemplateStore(store);
    return folder;
}

QString makeDataFolderWithStore(const QString& name)
{
    const QString program = makeProgramFolder(name + QStringLiteral("-program"));
    const QString data = testsupport::makeFolder(name);
    platform::copyFile(program + kUserTemplateName, data + kUserStoreName);
    return data;
}

ProfileForm profile(const QString& first, const QString& last, PasswordChoice choice,
                    const QString& password)
{
    ProfileForm form;
    form.firstName = first;
    form.lastName = last;
    form.passwordChoice = choice;
    form.password = password;
    form.password2 = password;
    return form;
}

}  // namespace users::testing
