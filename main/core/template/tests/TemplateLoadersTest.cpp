#include "main/core/template/TemplateLoaders.h"

#include "platform/store/Store.h"
#include "common/schema/Schema.h"
#include "TestEnvironment.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

namespace templatestore {
namespace {

using platform::Value;

std::string text(const QString& s)
{
    return s.toStdString();
}

Value cell(const std::optional<QString>& value)
{
    return value ? Value(*value) : Value();
}

// A template store made in the sandbox; rows are added per table.
class TemplateStore : public ::testing::Test {
protected:
    TemplateStore() : path(testsupport::makeFolder("program") + "Dravolin.tpl")
    {
        platform::Store store = platform::Store::create(path);
        schema::createTemplateStore(store);
    }

    void addMessage(const QString& english, const std::optional<QString>& link)
    {
        platform::Store::open(path, platform::OpenMode::ReadWrite)
            .execute("INSERT INTO tblSystemMessages (English, Spanish, link) VALUES (?, ?, ?)",
                     {english, "es " + english, cell(link)});
    }
    void addTip(const std::optional<QString>& french, const QString& spanish = "consejo")
    {
        platform::Store::open(path, platform::OpenMode::ReadWrite)
            .execute("INSERT INTO tblTips (dvlfre, dvlspa) VALUES (?, ?)", {cell(french), spanish});
    }
    void addMenu(const std::optional<QString>& english, const std::optional<QString>& link)
    {
        platform::Store::open(path, platform::OpenMode::ReadWrite)
            .execute("INSERT INTO tblMenu (English, Spanish, link) VALUES (?, ?, ?)",
                     {cell(english), "menú", cell(link)});
    }

    LoadProgress progress()
    {
        return {[](int row) { return QString("#%1").arg(row); },
                [this](const QString& line) { lines << line; }, [this] { ++eventRuns; }};
    }

    QString path;
    QStringList lines;
    int eventRuns = 0;
};

TEST_F(TemplateStore, SystemMessagesAreReadInStoreOrderWithTheirProgressLines)
{
    for (int i = 1; i <= 12; ++i)
        addMessage(QString("message %1").arg(i),
                   i == 2 ? std::nullopt : std::optional(QString("page%1.htm").arg(i)));
    SystemMessages messages;
    Get_System_Messages(path, "English", messages, progress());

    EXPECT_EQ(messages.mMessageCount, 12);
    EXPECT_EQ(text(messages.message(1)), "message 1");
    EXPECT_EQ(text(messages.link(1)), "page1.htm");
    EXPECT_EQ(text(messages.link(2)), "");  // no link
    EXPECT_EQ(text(messages.message(12)), "message 12");
    EXPECT_EQ(text(messages.message(0)), "");
    EXPECT_EQ(text(messages.message(13)), "");  // past the list: empty, never a crash

    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(text(lines[0]), "#23 MSG #001");
    EXPECT_EQ(text(lines[1]), "#8");
    EXPECT_EQ(text(lines[22]), "#23 MSG #0012");
    EXPECT_EQ(eventRuns, 24);

    SystemMessages spanish;
    Get_System_Messages(path, "Spanish", spanish, {});
    EXPECT_EQ(text(spanish.message(3)), "es message 3");
}

TEST_F(TemplateStore, TipsOfTheEditionCountOneMoreAfterAFullLoad)
{
    addTip("tip 1", "consejo 1");
    addTip("tip 2");
    addTip("tip 3");
    Tips tips;
    Get_Tips(path, "dvlfre", tips);
    EXPECT_EQ(tips.mTipCount, 4);
    EXPECT_EQ(tips.storedCount(), 3);
    EXPECT_EQ(text(tips.tip(3)), "tip 3");
    EXPECT_EQ(text(tips.tip(4)), "");

    Tips other;
    Get_Tips(path, "dvlspa", other);
    EXPECT_EQ(text(other.tip(1)), "consejo 1");
}

TEST_F(TemplateStore, ATipWithoutAValueStopsTheLoadKeepingTheTipsBeforeIt)
{
    addTip("tip 1");
    addTip(std::nullopt);
    addTip("tip 3");
    Tips tips;
    EXPECT_THROW(Get_Tips(path, "dvlfre", tips), std::exception);
    EXPECT_EQ(tips.mTipCount, 3);
    EXPECT_EQ(tips.storedCount(), 1);
    EXPECT_EQ(text(tips.tip(1)), "tip 1");
    EXPECT_EQ(text(tips.tip(2)), "");
}

TEST_F(TemplateStore, NoTipsAtAllLeaveACountOfOneAndEmptyTexts)
{
    Tips tips;
    Get_Tips(path, "dvlfre", tips);
    EXPECT_EQ(tips.mTipCount, 1);
    EXPECT_EQ(text(tips.tip(1)), "");
}

TEST_F(TemplateStore, MenuLinksAreAddedInStoreOrderUntilACellWithoutAValue)
{
    addMenu("Home", "index.htm");
    addMenu("News", "news.htm");
    addMenu("Broken", std::nullopt);
    addMenu("Never", "never.htm");
    std::vector<std::pair<int, QString>> added;
    const auto adder = [&](int index, const MenuLink& link) { added.emplace_back(index, link.text + "|" + link.link); };
    EXPECT_THROW(Get_Menu_Links(path, "English", adder, progress()), std::exception);
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[0], std::make_pair(0, QString("Home|index.htm")));
    EXPECT_EQ(added[1], std::make_pair(1, QString("News|news.htm")));
    EXPECT_EQ(lines, QStringList({"#8", "#8"}));
}

TEST_F(TemplateStore, MenuLinksOfACompleteTableAreCounted)
{
    addMenu("Home", "index.htm");
    addMenu("Support", "support.htm");
    EXPECT_EQ(Get_Menu_Links(path, "English", {}, {}), 2);
}

TEST_F(TemplateStore, UnknownColumnsAndMissingStoresAreErrorsAndCreateNothing)
{
    SystemMessages messages;
    Tips tips;
    EXPECT_THROW(Get_System_Messages(path, "English FROM tblMenu; --", messages, {}), std::exception);
    EXPECT_THROW(Get_Tips(path, "dvlxyz", tips), std::exception);
    EXPECT_THROW(Get_Menu_Links(path, "German", {}, {}), std::exception);

    const QString missing = testsupport::sandboxDir() + "/nowhere/Dravolin.tpl";
    EXPECT_THROW(Get_System_Messages(missing, "English", messages, {}), std::exception);
    EXPECT_THROW(Get_Tips(missing, "dvlfre", tips), std::exception);
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(messages.mMessageCount, 0);
}

}  // namespace
}  // namespace templatestore
