#include "main/editor/window/frmCustomSubject.h"

#include "main/core/shared/TileBackground.h"
#include "main/core/startup/ErrorTrap.h"
#include "main/core/windows/PhraseListening.h"
#include "main/core/windows/WindowPictures.h"
#include "main/core/windows/SubjectWindowHooks.h"
#include "main/editor/window/EditorTreeWidgets.h"
#include "main/users/windows/UserWindowKit.h"
#include "platform/ui/ScreenCentre.h"
#include "platform/ui/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

using editor::NodeId;
using users::makeLabel;
using users::placeControl;

namespace {

constexpr QSize kClientTwips(11985, 8460);

QPushButton* makeButton(QWidget* parent, const char* name, const QRect& twips)
{
    auto* button = placeControl(new QPushButton(parent), name, twips);
    users::playClickOnPress(*button);
    return button;
}

}  // namespace

frmCustomSubject::frmCustomSubject(CustomSubjectSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window),
      setup_(std::move(setup)),
      picture_(windowBackground()),
      TreeSubjects_(new editor::InstalledTreeWidget(this)),
      TreeVirtual_(new editor::CustomTreeWidget(this)),
      installedItems_(*TreeSubjects_, subjectTreePicture),
      customItems_(*TreeVirtual_, subjectTreePicture)
{
    setObjectName(QStringLiteral("frmCustomSubject"));
    setAttribute(Qt::WA_DeleteOnClose);
    controller_ = std::make_unique<editor::EditorController>(
        subjectContext(),
        customstore::CustomStoreLibrary({setup_.settings.virtualSubjectsDir, setup_.settings.installedSubjectsDir,
                                         setup_.programDir, setup_.settings.languageCode, setup_.settings.caption}),
        *setup_.subjectsChanged, editorHooks());
    buildControls();
    connectEvents();
}

frmCustomSubject::~frmCustomSubject() = default;

void frmCustomSubject::buildControls()
{
    setFixedSize(platform::ui::twipsToPixels(kClientTwips));
    users::applyUserWindowStyle(*this);
    const auto caption = [this](caption::Row row) { return setup_.settings.caption(row); };
    setWindowTitle(setup_.settings.productTitle + " - " + caption(caption::CreateCustomSubjects));

    btnNewFolder_ = makeButton(this, "btnNewFolder", {190, 130, 2320, 350});
    btnNewSubject_ = makeButton(this, "btnNewSubject", {2520, 130, 2320, 350});
    btnRename_ = makeButton(this, "btnRename", {4860, 130, 2320, 350});
    btnDelete_ = makeButton(this, "btnDelete", {7200, 130, 2320, 350});
    btnDone_ = makeButton(this, "btnDone", {9540, 130, 2200, 350});
    btnNewFolder_->setText(caption(caption::NewFolder));
    btnNewSubject_->setText(caption(caption::NewSubjectButton));
    btnRename_->setText(caption(caption::Rename));
    btnDelete_->setText(caption(caption::Delete));
    btnDone_->setText(caption(caption::EditorDone));

    lblCaption0_ = makeLabel(this, "lblCaption0", {480, 750, 4935, 375});
    lblCaption1_ = makeLabel(this, "lblCaption1", {6250, 750, 4935, 375});
    lblCaption0_->setText(caption(caption::InstalledSubjects));
    lblCaption1_->setText(caption(caption::CustomSubjects));
    for (QLabel* label : {lblCaption0_, lblCaption1_}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }

    placeControl(TreeSubjects_, "TreeSubjects", {450, 1320, 5490, 6855});
    placeControl(TreeVirtual_, "TreeVirtual", {6240, 1320, 5505, 6855});
    TreeSubjects_->setAccessibleName(lblCaption0_->text());
    TreeVirtual_->setAccessibleName(lblCaption1_->text());
    lblCaption0_->setBuddy(TreeSubjects_);
    lblCaption1_->setBuddy(TreeVirtual_);

    mnuEdit_ = new QMenu(this);
    mnuEdit_->setObjectName(QStringLiteral("mnuEdit"));
    mnuNewFolder_ = mnuEdit_->addAction(caption(caption::NewFolder));
    mnuNew_ = mnuEdit_->addAction(caption(caption::NewSubjectButton));
    mnuDelete_ = mnuEdit_->addAction(caption(caption::Delete));
    mnuRename_ = mnuEdit_->addAction(caption(caption::Rename));
    syncTrees();
}

void frmCustomSubject::connectEvents()
{
    using editor::CustomTreeWidget;
    using editor::EditorTreeWidget;
    using subjects::SubjectTreeWidget;
    using subjects::TreeItems;
    editor::EditorController& c = *controller_;

    connect(btnNewFolder_, &QPushButton::clicked, this, [&c] { c.New_Folder(); });
    connect(btnNewSubject_, &QPushButton::clicked, this, [&c] { c.New_Subject(); });
    connect(btnRename_, &QPushButton::clicked, this, [&c] { c.Rename(); });
    connect(btnDelete_, &QPushButton::clicked, this, [&c] { c.Delete(); });
    connect(btnDone_, &QPushButton::clicked, this, &QWidget::close);
    connect(mnuNewFolder_, &QAction::triggered, this, [&c] { c.New_Folder(); });
    connect(mnuNew_, &QAction::triggered, this, [&c] { c.New_Subject(); });
    connect(mnuDelete_, &QAction::triggered, this, [&c] { c.Delete(); });
    connect(mnuRename_, &QAction::triggered, this, [&c] { c.Rename(); });

    connect(TreeSubjects_, &EditorTreeWidget::pressed, this,
            [&c](QTreeWidgetItem* item) { c.installedPressed(TreeItems::nodeOf(item)); });
    connect(TreeSubjects_, &SubjectTreeWidget::nodeClicked, this,
            [&c](QTreeWidgetItem* item) { c.installedClicked(TreeItems::nodeOf(item)); });
    connect(TreeSubjects_, &SubjectTreeWidget::nodeDoubleClicked, this, [&c] { c.installedDoubleClicked(); });
    connect(TreeSubjects_, &QTreeWidget::itemExpanded, this,
            [&c](QTreeWidgetItem* item) { c.installedExpanded(TreeItems::nodeOf(item), true); });
    connect(TreeSubjects_, &QTreeWidget::itemCollapsed, this,
            [&c](QTreeWidgetItem* item) { c.installedExpanded(TreeItems::nodeOf(item), false); });

    connect(TreeVirtual_, &EditorTreeWidget::pressed, this,
            [&c](QTreeWidgetItem* item) { c.customPressed(TreeItems::nodeOf(item)); });
    connect(TreeVirtual_, &SubjectTreeWidget::rightPressed, this, &frmCustomSubject::TreeVirtual_RightPressed);
    connect(TreeVirtual_, &SubjectTreeWidget::nodeClicked, this,
            [&c](QTreeWidgetItem* item) { c.customClicked(TreeItems::nodeOf(item)); });
    connect(TreeVirtual_, &SubjectTreeWidget::nodeDoubleClicked, this, [&c] { c.customDoubleClicked(); });
    connect(TreeVirtual_, &QTreeWidget::itemExpanded, this,
            [&c](QTreeWidgetItem* item) { c.customExpanded(TreeItems::nodeOf(item), true); });
    connect(TreeVirtual_, &QTreeWidget::itemCollapsed, this,
            [&c](QTreeWidgetItem* item) { c.customExpanded(TreeItems::nodeOf(item), false); });
    connect(TreeVirtual_, &CustomTreeWidget::deletePressed, this, [&c] { c.deletePressed(); });
    connect(TreeVirtual_, &CustomTreeWidget::labelEdited, this, [&c](const QString& typed) { c.labelEdited(typed); });
    connect(TreeVirtual_, &CustomTreeWidget::dragMoved, this, &frmCustomSubject::TreeVirtual_DragOver);
    connect(TreeVirtual_, &CustomTreeWidget::dragLeft, this, [this] {
        Timer1_.setEnabled(false);
        controller_->dragEnded();
    });
    connect(TreeVirtual_, &CustomTreeWidget::dropped, this, [this](const QPoint& position) {
        Timer1_.setEnabled(false);
        controller_->drop(TreeItems::nodeOf(TreeVirtual_->itemAt(position)));
    });

    connect(&Timer1_, &platform::ui::Timer::timeout, this, &frmCustomSubject::Timer1_Timer);
    connect(&TimerEdit_, &platform::ui::Timer::timeout, this, [this] {
        TimerEdit_.setEnabled(false);
        controller_->reEdit();
    });
}

subjects::SubjectContext frmCustomSubject::subjectContext()
{
    return subjects::SubjectContext(setup_.settings,
                                    subjectWindowHooks(waitBox_, [this](bool enabled) { setEnabled(enabled); }));
}

editor::EditorHooks frmCustomSubject::editorHooks()
{
    editor::EditorHooks hooks;
    hooks.startLabelEdit = [this](NodeId node) { TreeVirtual_->startLabelEdit(customItems_.itemFor(node)); };
    hooks.startReEditTimer = [this] { TimerEdit_.setEnabled(true); };
    hooks.showMessageWindow = [this](const QString& text) { users::showMessageWindow(*this, text); };
    hooks.listen = [this](const subjects::NodeTag& phrase) {
        startup::runTrapped(
            QStringLiteral("Listen_to_Selected_Phrase"),
            [&] { windows::listenToPhrase(setup_.settings.installedSubjectsDir, phrase, setup_.settings.productTitle); },
            this);
    };
    hooks.hideEditor = [this] { hide(); };
    hooks.refreshSubjects = [this] {
        if (setup_.refreshSubjects) setup_.refreshSubjects();
    };
    hooks.showMainWindow = [this] {
        if (setup_.showMainWindow) setup_.showMainWindow();
    };
    hooks.changed = [this] { syncTrees(); };
    return hooks;
}

void frmCustomSubject::Form_Load()
{
    // Placed before it shows, so the wait box and the hidden main window do not push it aside.
    platform::ui::centreOnScreen(*this);
    controller_->Form_Load();
}

void frmCustomSubject::syncTrees()
{
    {
        const QSignalBlocker installedBlocker(TreeSubjects_);
        installedItems_.sync(controller_->installedTree().nodes(), controller_->installedTree().selected());
    }
    {
        const QSignalBlocker customBlocker(TreeVirtual_);
        customItems_.sync(controller_->customTree().nodes(), controller_->customTree().selected());
    }
    showDropHighlight();
    const editorrules::EnabledCommands commands = controller_->commands();
    btnNewFolder_->setEnabled(commands.newFolder);
    mnuNewFolder_->setEnabled(commands.newFolder);
    btnNewSubject_->setEnabled(commands.newSubject);
    mnuNew_->setEnabled(commands.newSubject);
    btnRename_->setEnabled(commands.rename);
    mnuRename_->setEnabled(commands.rename);
    btnDelete_->setEnabled(commands.remove);
    mnuDelete_->setEnabled(commands.remove);
}

// The node under the pointer while dragging is drawn in the highlight colour.
void frmCustomSubject::showDropHighlight()
{
    const NodeId highlight = controller_->dropHighlight();
    if (highlight == highlighted_) return;
    if (QTreeWidgetItem* item = customItems_.itemFor(highlighted_)) {
        item->setBackground(0, QBrush());
        item->setForeground(0, QBrush());
    }
    if (QTreeWidgetItem* item = customItems_.itemFor(highlight)) {
        item->setBackground(0, palette().highlight());
        item->setForeground(0, palette().highlightedText());
    }
    highlighted_ = highlight;
}

void frmCustomSubject::TreeVirtual_DragOver(const QPoint& position)
{
    mDrag_ = position;
    controller_->dragOver(subjects::TreeItems::nodeOf(TreeVirtual_->itemAt(position)));
    mScrollDirection_ = editorrules::scrollBand(platform::ui::pixelsToTwipsY(position.y()),
                                                platform::ui::pixelsToTwipsY(TreeVirtual_->viewport()->height()));
    Timer1_.setEnabled(mScrollDirection_ != editorrules::ScrollDirection::None);
}

// One line a tick while the pointer stays in a band.
void frmCustomSubject::Timer1_Timer()
{
    controller_->dragOver(subjects::TreeItems::nodeOf(TreeVirtual_->itemAt(mDrag_)));
    QScrollBar* bar = TreeVirtual_->verticalScrollBar();
    if (mScrollDirection_ == editorrules::ScrollDirection::Up) bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    if (mScrollDirection_ == editorrules::ScrollDirection::Down) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

// The press has selected the node pointed at, so the menu's commands act on it.
void frmCustomSubject::TreeVirtual_RightPressed(QTreeWidgetItem*, const QPoint& globalPos)
{
    mnuEdit_->popup(globalPos);
}

void frmCustomSubject::closeEvent(QCloseEvent* event)
{
    if (closing_) return;
    closing_ = true;
    Timer1_.setEnabled(false);
    TimerEdit_.setEnabled(false);
    controller_->Close();
    event->accept();
}

void frmCustomSubject::paintEvent(QPaintEvent*)
{
    shared::TileBackground(*this, picture_);
}
