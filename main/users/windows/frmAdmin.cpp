#include "main/users/windows/frmAdmin.h"

#include "main/core/shared/TileBackground.h"
#include "main/core/windows/WindowPictures.h"
#include "main/core/windows/frmMsgBox.h"
#include "main/users/store/UserRecord.h"
#include "main/users/store/UserStoreDeletion.h"
#include "main/users/windows/FaceIcons.h"
#include "main/users/windows/UserWindowKit.h"
#include "platform/store/Store.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PlainLabel.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Twips.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <array>
#include <exception>

using namespace users;
using platform::ui::twipsToPixels;
using platform::ui::twipsToPixelsX;
using scoreviews::View;

namespace {

constexpr QSize kClientTwips(9720, 6000);
// Widths of the result list's columns: the view's column, score, date, time.
constexpr int kColumnTwips[] = {2000, 1000, 1000, 1300};
constexpr int kListPoints = 8;
// &HFF0000: the administrator's name in the learners view.
const QColor kAdministratorColour(0, 0, 255);

// Marks the "no results yet" node, which clicks pass over.
constexpr int kNoResultsRole = Qt::UserRole + 1;

constexpr char kStyle[] = R"css(
    QTreeWidget { background: #ffffff; color: #1f3b5c; border: 1px solid #8fb0d3; border-radius: 4px; }
    QHeaderView::section { background: #e3eefa; color: #1f3b5c; border: none;
                           border-right: 1px solid #b8cbe0; padding: 2px 6px; }
)css";

QString errorText(const std::exception& error) { return QString::fromUtf8(error.what()); }

}  // namespace

frmAdmin::frmAdmin(AdminSetup setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      setup_(std::move(setup)),
      picture_(windowBackground())
{
    setObjectName(QStringLiteral("frmAdmin"));
    setModal(true);
    buildControls();
    Form_Load();
}

void frmAdmin::buildControls()
{
    setFixedSize(twipsToPixels(kClientTwips));
    applyUserWindowStyle(*this);
    setStyleSheet(styleSheet() + QString::fromUtf8(kStyle));

    lblView_ = makeLabel(this, "lblView", {240, 210, 1860, 390});
    cboView_ = placeControl(new QComboBox(this), "cboView", {2160, 240, 2400, 360});
    lblView_->setBuddy(cboView_);

    TreeView1_ = placeControl(new QTreeWidget(this), "TreeView1", {240, 780, 3720, 4380});
    TreeView1_->setHeaderHidden(true);
    TreeView1_->setExpandsOnDoubleClick(false);
    TreeView1_->setIconSize(twipsToPixels(QSize(300, 300)));

    ListView1_ = placeControl(new QTreeWidget(this), "ListView1", {4080, 780, 5400, 4380});
    ListView1_->setRootIsDecorated(false);
    ListView1_->setColumnCount(4);
    ListView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1_->header()->setStretchLastSection(false);
    ListView1_->header()->setSectionsClickable(false);
    for (int column = 0; column < 4; ++column)
        ListView1_->setColumnWidth(column, twipsToPixelsX(kColumnTwips[column]));
    // The column widths are made for 8-point text: a whole date fits its column.
    platform::ui::setFontPoints(ListView1_, kListPoints);

    btnClearDatabase_ = placeControl(new QPushButton(this), "btnClearDatabase", {5880, 5340, 3600, 420});
    // Enter in the window must never start deleting everything.
    btnClearDatabase_->setAutoDefault(false);
    playClickOnPress(*btnClearDatabase_);

    connect(cboView_, &QComboBox::activated, this, [this](int index) { cboView_Click(index); });
    connect(TreeView1_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { TreeView1_NodeClick(node); });
    // Enter on a pair shows it too, so the list can be used from the keyboard.
    connect(TreeView1_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* node) {
        if (node->parent()) showPair(node);
    });
    connect(btnClearDatabase_, &QPushButton::clicked, this, [this] { btnClearDatabase_Click(); });
}

void frmAdmin::Form_Load()
{
    const startup::CaptionTable& captions = setup_.captions;
    setWindowTitle(captions[caption::ResultsTitle]);
    lblView_->setText(captions[caption::ShowResultsBy]);
    btnClearDatabase_->setText(captions[caption::ClearUsers]);
    ListView1_->setHeaderLabels({QString(), captions[caption::Score], captions[caption::Date], captions[caption::Time]});
    // No view is chosen yet: the tree stays empty until the administrator picks one.
    cboView_->addItems({captions[caption::Learners], captions[caption::Activities], captions[caption::SubjectsFolderName]});
    cboView_->setCurrentIndex(-1);
}

QIcon frmAdmin::treeImage(int image)
{
    if (image >= kFirstFace && image <= kLastFace) return faceIcon(image);
    using namespace scoreviews::images;
    if (image < ActivityClosed || image > Subject) return {};
    // Made once: a view can show the same icon on thousands of nodes.
    static std::array<QIcon, Subject - ActivityClosed + 1> icons;
    QIcon& icon = icons[image - ActivityClosed];
    if (icon.isNull())
        icon = QIcon(platform::ui::resourcePath(QStringLiteral("ICON"), QString::number(faceResourceNumber(image))));
    return icon;
}

void frmAdmin::paintEvent(QPaintEvent*) { shared::TileBackground(*this, picture_); }

QTreeWidgetItem* frmAdmin::addNode(QTreeWidgetItem* parent, const scoreviews::ViewNode& node, bool root)
{
    auto* item = new QTreeWidgetItem({node.text});
    if (node.image) item->setIcon(0, treeImage(node.image));
    if (root) {
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
    }
    if (node.administrator) item->setForeground(0, kAdministratorColour);
    if (parent) parent->addChild(item);
    return item;
}

void frmAdmin::cboView_Click(int index)
{
    view_ = static_cast<View>(index);
    TreeView1_->clear();
    ListView1_->clear();
    ListView1_->headerItem()->setText(0, setup_.captions[scoreviews::firstColumnCaption(view_)]);
    try {
        const scoreviews::ScoreView built = scoreviews::buildView(setup_.userStorePath, view_);
        // Items are made first and added at once: a view can hold thousands of pairs.
        QList<QTreeWidgetItem*> roots;
        for (const scoreviews::ViewNode& root : built.roots) {
            QTreeWidgetItem* item = addNode(nullptr, root, true);
            for (const scoreviews::ViewNode& child : built.children) addNode(item, child, false);
            roots.push_back(item);
        }
        TreeView1_->addTopLevelItems(roots);
        if (built.noResults) {
            auto* none = new QTreeWidgetItem({setup_.captions[caption::NoResultsYet]});
            none->setData(0, kNoResultsRole, true);
            TreeView1_->addTopLevelItem(none);
        }
    } catch (const std::exception& error) {
        showError(errorText(error));
    }
}

void frmAdmin::TreeView1_NodeClick(QTreeWidgetItem* node)
{
    if (!node || node->data(0, kNoResultsRole).toBool()) return;
    // Roots are told apart by their depth: a click opens or closes them.
    if (!node->parent()) {
        node->setExpanded(!node->isExpanded());
        return;
    }
    showPair(node);
}

void frmAdmin::showPair(QTreeWidgetItem* child)
{
    try {
        const std::vector<scoreviews::ResultRow> rows =
            scoreviews::pairResults(setup_.userStorePath, view_, child->parent()->text(0), child->text(0));
        ListView1_->clear();
        QList<QTreeWidgetItem*> items;
        for (const scoreviews::ResultRow& row : rows) items.push_back(new QTreeWidgetItem({row.text, row.score, row.date, row.time}));
        ListView1_->addTopLevelItems(items);
    } catch (const std::exception& error) {
        showError(errorText(error));
    }
}

void frmAdmin::showError(const QString& text)
{
    showMessageWindow(*this, text);
}

void frmAdmin::btnClearDatabase_Click()
{
    using platform::ui::MessageAnswer;
    using platform::ui::MessageButtons;
    using platform::ui::MessageIcon;
    const startup::CaptionTable& captions = setup_.captions;
    const QString title = captions[caption::ClearUsers];
    const QString first = captions[caption::ClearQuestion] + ' ' + setup_.productTitle + "\n\n" +
                          captions[caption::ClearCannotBeUndone];
    if (platform::ui::showMessage(first, MessageIcon::Question, MessageButtons::YesNo, title, this) !=
        MessageAnswer::Yes)
        return;
    const QString second = setup_.productTitle + ' ' + captions[caption::ClearAgainQuestion] + "\n\n" +
                           captions[caption::ClearReallySure];
    if (platform::ui::showMessage(second, MessageIcon::Exclamation, MessageButtons::YesNo, title, this) !=
        MessageAnswer::Yes)
        return;
    // The store goes first: when it cannot, nothing has changed.
    try {
        deleteUserStore(setup_.userStorePath, setup_.storeBusyMilliseconds);
    } catch (const std::exception& error) {
        platform::ui::showMessage(errorText(error), MessageIcon::None, MessageButtons::Ok, title, this);
        return;
    }
    if (setup_.deleteHandoffFiles) setup_.deleteHandoffFiles();
    showMessageWindow(*this, captions[caption::UsersCleared]);
    platform::ui::endProgram();
}
