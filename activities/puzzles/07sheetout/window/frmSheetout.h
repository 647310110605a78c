#pragma once

// The worksheet window: the study list as an editable vocabulary sheet, a font
// size menu, and printing of the whole sheet or the selected part.
#include "activities/framework/startup/ActivityWindow.h"
#include "activities/puzzles/07sheetout/rules/SheetoutLayout.h"

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

namespace sheetout {

// The activity's fixed parameters: centred after the captions, instruction
// window rows 5 / 6 / 2 / 3.
activity::ActivitySetup sheetoutSetup();

class frmSheetout : public activity::ActivityWindow {
    Q_OBJECT

public:
    explicit frmSheetout(QWidget* parent = nullptr);
    ~frmSheetout() override;

    QPlainTextEdit* txtBody() const { return txtBody_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QAction* mnuPrint() const { return mnuPrint_; }
    QAction* mnuExit() const { return mnuExit_; }
    QAction* mnuFontsize(int index) const { return mnuFontsize_[index]; }

protected:
    void startGame() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createMenus();
    bool Check_Printer() const;
    void showNoPrinter();
    void Form_Resize();
    void mnuFontsize_Click(int index);
    void mnuPrint_Click();

    QMenuBar* menuBar_;
    QPlainTextEdit* txtBody_;
    QMenu* mnuFile_ = nullptr;
    QMenu* mnuSize_ = nullptr;
    QAction* mnuPrint_ = nullptr;
    QAction* mnuExit_ = nullptr;
    std::array<QAction*, layout::kFontSizes.size()> mnuFontsize_{};
};

}  // namespace sheetout
