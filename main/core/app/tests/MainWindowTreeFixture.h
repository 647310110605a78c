#pragma once

#include "StartUpFixture.h"
#include "main/core/app/frmMain.h"
#include "main/core/subjects/tree/SubjectTree.h"
#include "main/core/subjects/view/SubjectTreeView.h"
#include "main/core/subjects/view/SubjectTreeWidget.h"

#include <QMenu>
#include <QTest>
#include <QTreeWidgetItem>

// The main window after start-up, shown, with its subject tree at hand.
class MainWindowTree : public StartUp {
protected:
    void startUp()
    {
        window.Form_Load();
        signIn("Ada Admin");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        tree = window.subjectTree();
        ASSERT_NE(tree, nullptr);
        widget = window.findChild<subjects::SubjectTreeWidget*>("TreeFolders");
        ASSERT_NE(widget, nullptr);
    }

    QTreeWidgetItem* item(subjects::NodeId node) const { return window.subjectTreeView()->itemFor(node); }
    QStringList childTexts(QTreeWidgetItem* parent) const
    {
        QStringList texts;
        for (int i = 0; i < parent->childCount(); ++i) texts << parent->child(i)->text(0);
        return texts;
    }
    void click(QTreeWidgetItem* target, Qt::MouseButton button = Qt::LeftButton)
    {
        widget->scrollToItem(target);
        QTest::mouseClick(widget->viewport(), button, {}, widget->visualItemRect(target).center());
    }
    QTreeWidgetItem* top(subjects::NodeKind kind) const { return item(tree->topFolder(kind)); }
    QTreeWidgetItem* childNamed(QTreeWidgetItem* parent, const QString& text) const
    {
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text(0) == text) return parent->child(i);
        return nullptr;
    }
    QMenu* phraseMenu() const { return window.findChild<QMenu*>("mnuOption"); }

    frmMain window{fixture.programDir};
    subjects::SubjectTree* tree = nullptr;
    subjects::SubjectTreeWidget* widget = nullptr;
};
