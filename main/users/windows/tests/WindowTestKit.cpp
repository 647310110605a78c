#include "WindowTestKit.h"

#include "TestEnvironment.h"
#include "main/core/windows/frmMsgBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace users::testing {

startup::CaptionTable numberedCaptions()
{
    std::vector<QString> rows;
    for (int row = 1; row <= 160; ++row) rows.push_back(caption(row));
    return startup::CaptionTable(std::move(rows));
}

QString caption(int row) { return QStringLiteral("caption %1").arg(row); }

void answerNextMessage(ShownMessage& into)
{
    whenModal<frmMsgBox>([&into](frmMsgBox& box) {
        into.text = box.lblMsg()->text();
        into.points = box.lblMsg()->font().pointSize();
        QTest::mouseClick(box.btnOK(), Qt::LeftButton);
    });
}

int clickCount()
{
    return testsupport::soundRecord().count("\tclick\tasync");
}

}  // namespace users::testing
