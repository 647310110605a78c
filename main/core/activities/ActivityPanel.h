#pragma once

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QScrollBar;

namespace platform::ui {
class PictureButton;
}

namespace activitypanel {

// The main window's activity buttons: one picture button per activity program,
// each showing its activity's picture and its highlighted picture under the
// pointer, on the page picActs that scrolls with VScroll when the buttons are
// taller than the panel; the link lblMoreActs sits below the last button.
//
// Wiring in the main window (texts and names come from modMain):
//   auto* panel = new activitypanel::ActivityPanel(PicActsHolder);  // fills the frame, follows its size
//   panel->lblMoreActs()->setText(modMain.gCaptions[caption::MoreActivities]);           // Get_Settings
//   panel->Get_Activities(folders_.activitiesDir, FileAct.entries(), splashProgress());  // start-up
//   connect(panel, &ActivityPanel::activityClicked, this,
//           [this](int, const QString& program) { launcher.btnAct_Click(program, tree.selected()); });
//   connect(panel, &ActivityPanel::moreActivitiesClicked, this, [] { Open_Web_Page("activities.htm"); });
//   connect(panel, &ActivityPanel::pointerMoved, this, /* start hiding the link menu */);
class ActivityPanel : public QWidget {
    Q_OBJECT

public:
    using ProgressWriter = std::function<void(const QString& line)>;

    // The panel fills the holder's contents and follows its size.
    explicit ActivityPanel(QWidget* holder);

    // Builds one button per program (file names in the Activities folder, in
    // order), with a progress line per program for the splash window. A store
    // whose pictures cannot be loaded shows its messages and ends the program.
    void Get_Activities(const QString& activitiesDir, const QStringList& programs,
                        const ProgressWriter& splashLine = {});

    // Loads program `index`'s (1-based) two pictures in the interface language
    // from its store into ImgOFF and ImgON. Throws std::runtime_error.
    void Load_Activity_Images(int index, const QString& storePath, const QString& interfaceLanguage);

    int buttonCount() const { return static_cast<int>(btnAct_.size()); }
    platform::ui::PictureButton* btnAct(int index) const;
    QWidget* picActs() const { return picActs_; }
    QScrollBar* VScroll() const { return VScroll_; }
    QLabel* lblMoreActs() const { return lblMoreActs_; }

signals:
    // An activity button was clicked: its index and the program's full path.
    void activityClicked(int index, const QString& programPath);
    // The link below the buttons was clicked.
    void moreActivitiesClicked();
    // The pointer moved over the panel (the main window starts hiding its menu).
    void pointerMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void clearButtons();
    bool loadPictures(int index, const QString& program);
    void addButton(int index, const QString& program);
    void showPictures(int index);
    bool linkEvent(QEvent* event);
    void relayout();
    void setLinkUnderlined(bool underlined);
    void scrollTo(const QWidget* child);

    QWidget* holder_;
    QWidget* picActs_;
    QScrollBar* VScroll_;
    QLabel* lblMoreActs_;
    std::vector<platform::ui::PictureButton*> btnAct_;
    std::vector<QPixmap> ImgOFF;
    std::vector<QPixmap> ImgON;
    QSize buttonSize_;   // what the pictures ask for
    QSize pictureSize_;  // what they are drawn at
    QString activitiesDir_;
};

}  // namespace activitypanel
