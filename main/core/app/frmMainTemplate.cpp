// The template store's content on the main window: the entries of the slide-in
// link menu and the texts the message ticker shows.
#include "main/core/app/frmMain.h"

#include "main/core/startup/ErrorTrap.h"
#include "main/core/startup/ModMain.h"
#include "main/core/template/TemplateLoaders.h"
#include "platform/ui/Twips.h"

#include <QCoreApplication>

using startup::modMain;

namespace {

constexpr int kMenuEntryStepTwips = 750;

}  // namespace

void frmMain::Load_Template_Content()
{
    Get_Menu_Links();
    Get_System_Messages();
    Get_Tips();
    // The ticker shows what was loaded, even when a loader stopped part way.
    std::vector<ticker::TickerText> messages;
    for (int i = 1; i <= messages_.mMessageCount; ++i) messages.push_back({messages_.message(i), messages_.link(i)});
    ticker_->rules().setMessages(std::move(messages));
    QStringList tips;
    for (int i = 1; i <= tips_.storedCount(); ++i) tips << tips_.tip(i);
    ticker_->rules().setTips(tips);
}

void frmMain::Get_Menu_Links()
{
    const auto addEntry = [this](int index, const templatestore::MenuLink& link) {
        QLabel* icon = imgMenu->load(index);
        QLabel* label = lblMenu->load(index);
        const int step = platform::ui::twipsToPixelsY(kMenuEntryStepTwips * index);
        icon->move((*imgMenu)[0]->x(), (*imgMenu)[0]->y() + step);
        label->move((*lblMenu)[0]->x(), (*lblMenu)[0]->y() + step);
        label->setText(link.text);
        label->setAccessibleName(link.text);
        label->setProperty("Tag", link.link);
        label->setToolTip(modMain.gCaptions[caption::WebBase] + link.link);
        icon->show();
        label->show();
        linkMenu_->addEntry(index, label);
        mMenuLast = index;
    };
    startup::runTrapped(QStringLiteral("Get_Menu_Links"), [&] {
        templatestore::Get_Menu_Links(templatePath(), modMain.gInterfaceLanguage, addEntry, templateProgress());
    });
}

void frmMain::Get_System_Messages()
{
    startup::runTrapped(QStringLiteral("Get_System_Messages"), [this] {
        templatestore::Get_System_Messages(templatePath(), modMain.gInterfaceLanguage, messages_,
                                           templateProgress());
    });
}

void frmMain::Get_Tips()
{
    startup::runTrapped(QStringLiteral("Get_Tips"),
                        [this] { templatestore::Get_Tips(templatePath(), modMain.gProgramCode, tips_); });
}

templatestore::LoadProgress frmMain::templateProgress()
{
    return {[](caption::Row row) { return modMain.gCaptions[row]; }, splashProgress(),
            [] { QCoreApplication::processEvents(); }};
}
