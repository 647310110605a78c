#include "main/core/activities/ActivityPanel.h"

#include "main/core/activities/ActivityConfig.h"
#include "main/core/activities/PanelLayout.h"
#include "main/core/shared/Sound.h"
#include "main/core/startup/ErrorTrap.h"
#include "main/core/startup/ModMain.h"
#include "platform/ui/EndProgram.h"
#include "platform/ui/LabelLook.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PictureButton.h"
#include "platform/ui/PlainLabel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <exception>

namespace activitypanel {

using platform::ui::PictureButton;
using startup::modMain;

namespace {

void clickSound()
{
    shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync);
}

QPixmap scaledTo(const QPixmap& picture, const QSize& size)
{
    if (picture.isNull() || picture.deviceIndependentSize().toSize() == size) return picture;
    const qreal ratio = picture.devicePixelRatio();
    QPixmap scaled = picture.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

// A held button shows its highlighted picture framed by a single line.
QPixmap withBorder(const QPixmap& picture)
{
    QPixmap framed = picture;
    QPainter painter(&framed);
    QPen pen(QColor(0x1f, 0x3b, 0x5c));
    pen.setWidth(0);  // one device pixel, whatever the scale
    painter.setPen(pen);
    const QSizeF size = framed.deviceIndependentSize();
    painter.drawRect(QRectF(0, 0, size.width() - 1.0 / framed.devicePixelRatio(),
                            size.height() - 1.0 / framed.devicePixelRatio()));
    return framed;
}

}  // namespace

ActivityPanel::ActivityPanel(QWidget* holder)
    : QWidget(holder),
      holder_(holder),
      picActs_(new QWidget(this)),
      VScroll_(new QScrollBar(Qt::Vertical, this)),
      lblMoreActs_(new platform::ui::PlainLabel(picActs_))
{
    setObjectName(QStringLiteral("ActivityPanel"));
    setMouseTracking(true);

    picActs_->setObjectName(QStringLiteral("picActs"));
    picActs_->setMouseTracking(true);
    picActs_->installEventFilter(this);

    VScroll_->setObjectName(QStringLiteral("VScroll"));
    VScroll_->hide();
    connect(VScroll_, &QScrollBar::valueChanged, picActs_, [this](int value) { picActs_->move(0, -value); });

    lblMoreActs_->setObjectName(QStringLiteral("lblMoreActs"));
    lblMoreActs_->setCursor(Qt::PointingHandCursor);
    lblMoreActs_->setFocusPolicy(Qt::TabFocus);
    platform::ui::setFontPoints(lblMoreActs_, 10);
    lblMoreActs_->installEventFilter(this);

    if (holder_) {
        holder_->installEventFilter(this);
        setGeometry(holder_->contentsRect());
    }
    relayout();
}

PictureButton* ActivityPanel::btnAct(int index) const
{
    return index >= 0 && index < buttonCount() ? btnAct_[index] : nullptr;
}

void ActivityPanel::Get_Activities(const QString& activitiesDir, const QStringList& programs,
                                   const ProgressWriter& splashLine)
{
    const auto progress = [&splashLine](const QString& line) {
        if (splashLine) splashLine(line);
        QApplication::processEvents();
    };
    try {
        clearButtons();
        activitiesDir_ = activitiesDir;
        for (int index = 0; index < programs.size(); ++index) {
            const QString& program = programs.at(index);
            progress(modMain.gCaptions[caption::Loading] + ' ' + program);
            if (!loadPictures(index, program)) return;
            addButton(index, program);
            relayout();
            progress(modMain.gCaptions[caption::OkOrDone]);
        }
        relayout();
    } catch (const std::exception& error) {
        relayout();
        startup::showProcedureError(QStringLiteral("Get_Activities"), QString::fromUtf8(error.what()), window());
    }
}

void ActivityPanel::Load_Activity_Images(int index, const QString& storePath, const QString& interfaceLanguage)
{
    const ActivityPictures pictures = readActivityPictures(storePath, interfaceLanguage);
    const std::size_t slot = static_cast<std::size_t>(std::max(index, 1));
    if (ImgOFF.size() < slot) ImgOFF.resize(slot);
    if (ImgON.size() < slot) ImgON.resize(slot);
    ImgOFF[slot - 1] = QPixmap::fromImage(pictures.normal);
    ImgON[slot - 1] = QPixmap::fromImage(pictures.highlighted);
}

void ActivityPanel::clearButtons()
{
    for (PictureButton* button : btnAct_) delete button;
    btnAct_.clear();
    ImgOFF.clear();
    ImgON.clear();
    buttonSize_ = {};
    pictureSize_ = {};
    VScroll_->setValue(0);
}

// Without its pictures an activity has no button, and the program cannot go on.
bool ActivityPanel::loadPictures(int index, const QString& program)
{
    try {
        Load_Activity_Images(index + 1, configStorePath(activitiesDir_, program), modMain.gInterfaceLanguage);
        return true;
    } catch (const std::exception&) {
        using namespace platform::ui;
        const QString title = modMain.gProductTitle;
        showMessage(modMain.gCaptions[caption::PicturesNotLoaded] + '\n' + program + "\n\n" + modMain.gCaptions[caption::ConfigurationMissing],
                    MessageIcon::Critical, MessageButtons::Ok, title, window());
        showMessage(modMain.gCaptions[caption::ProgramWillClose], MessageIcon::Exclamation, MessageButtons::Ok, title, window());
        endProgram(1);
        return false;
    }
}

void ActivityPanel::addButton(int index, const QString& program)
{
    const QString store = configStorePath(activitiesDir_, program);
    QString name = readActivityName(store, modMain.gInterfaceLanguage);
    if (name.isEmpty()) name = program;

    if (index == 0) {
        const PanelMetrics metrics = PanelMetrics::forScreen(VScroll_->sizeHint().width());
        buttonSize_ = buttonSizeFor(ImgOFF[0].deviceIndependentSize().toSize(), metrics.maxButton);
        pictureSize_ = buttonSize_;
    }
    auto* button = new PictureButton(name, picActs_);
    button->setObjectName(QStringLiteral("btnAct_%1").arg(index));
    button->setMouseTracking(true);
    // Reached by Tab only, so a clicked button does not stay highlighted.
    button->setFocusPolicy(Qt::TabFocus);
    button->installEventFilter(this);
    connect(button, &PictureButton::pressed, this, clickSound);
    connect(button, &PictureButton::released, this, clickSound);
    const QString path = activitiesDir_ + program;
    connect(button, &PictureButton::clicked, this, [this, index, path] { emit activityClicked(index, path); });
    btnAct_.push_back(button);
    showPictures(index);
    button->show();
}

// Pictures are drawn at the button's size, so the held button's frame stays one
// line. The button with the keyboard focus shows its highlighted picture.
void ActivityPanel::showPictures(int index)
{
    PictureButton* button = btnAct_[index];
    const QPixmap highlighted = scaledTo(ImgON[index], pictureSize_);
    const QPixmap normal = button->hasFocus() ? highlighted : scaledTo(ImgOFF[index], pictureSize_);
    button->setPictures(normal, highlighted, withBorder(highlighted));
}

void ActivityPanel::relayout()
{
    const PanelMetrics metrics = PanelMetrics::forScreen(VScroll_->sizeHint().width());
    const PanelLayout layout = layoutPanel(buttonCount(), buttonSize_, size(), metrics);
    if (layout.button != pictureSize_ && buttonCount() > 0) {
        pictureSize_ = layout.button;
        for (int index = 0; index < buttonCount(); ++index) showPictures(index);
    }
    for (int index = 0; index < buttonCount(); ++index) btnAct_[index]->setGeometry(layout.buttons[index]);
    lblMoreActs_->setGeometry(layout.link);
    picActs_->resize(layout.page);

    VScroll_->setGeometry(width() - metrics.scrollBarWidth, 0, metrics.scrollBarWidth, height());
    VScroll_->setRange(0, std::max(layout.page.height() - height(), 0));
    VScroll_->setPageStep(std::max(height(), 1));
    VScroll_->setSingleStep(std::max(metrics.rowStep, 1));
    VScroll_->setVisible(layout.scrolls);
    picActs_->move(0, -VScroll_->value());
}

void ActivityPanel::setLinkUnderlined(bool underlined)
{
    platform::ui::setUnderlined(lblMoreActs_, underlined);
}

// A control reached with the keyboard is scrolled into view.
void ActivityPanel::scrollTo(const QWidget* child)
{
    if (VScroll_->isHidden()) return;
    const QRect area = child->geometry();
    const int margin = PanelMetrics::forScreen(0).topMargin;
    if (area.top() < VScroll_->value())
        VScroll_->setValue(area.top() - margin);
    else if (area.bottom() >= VScroll_->value() + height())
        VScroll_->setValue(area.bottom() + 1 - height() + margin);
}

bool ActivityPanel::linkEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
        setLinkUnderlined(true);
        break;
    case QEvent::Leave:
        setLinkUnderlined(false);
        break;
    case QEvent::FocusIn:
        setLinkUnderlined(true);
        scrollTo(lblMoreActs_);
        break;
    case QEvent::FocusOut:
        setLinkUnderlined(false);
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && lblMoreActs_->rect().contains(mouse->position().toPoint())) {
            clickSound();
            emit moreActivitiesClicked();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            clickSound();
            emit moreActivitiesClicked();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}

bool ActivityPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == holder_) {
        if (event->type() == QEvent::Resize) setGeometry(holder_->contentsRect());
        return false;
    }
    if (watched == lblMoreActs_) return linkEvent(event);
    const auto isButton = std::find(btnAct_.begin(), btnAct_.end(), watched) != btnAct_.end();
    if (watched == picActs_ || isButton) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            setLinkUnderlined(false);
            emit pointerMoved();
        } else if (isButton && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            auto* button = static_cast<PictureButton*>(watched);
            showPictures(static_cast<int>(std::find(btnAct_.begin(), btnAct_.end(), button) - btnAct_.begin()));
            if (event->type() == QEvent::FocusIn) scrollTo(button);
        }
    }
    return false;
}

void ActivityPanel::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    QWidget::mouseMoveEvent(event);
}

void ActivityPanel::resizeEvent(QResizeEvent* event)
{
    relayout();
    QWidget::resizeEvent(event);
}

void ActivityPanel::wheelEvent(QWheelEvent* event)
{
    if (!VScroll_->isHidden())
        QApplication::sendEvent(VScroll_, event);
    else
        event->ignore();
}

}  // namespace activitypanel
