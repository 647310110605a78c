#pragma once

#include "common/studylist/StudyList.h"
#include "main/core/launch/HandoffPlace.h"
#include "main/core/subjects/SubjectStore.h"
#include "main/core/subjects/tree/SubjectTree.h"

#include <QString>

#include <functional>

namespace launch {

// What the launch asks of the world around it; an empty member takes the real one.
struct LaunchSeams {
    // Starts the program detached with its one argument; false when it cannot start.
    // Real: platform::startDetached.
    std::function<bool(const QString& program, const QString& argument)> startProgram;
    // The check of an installed subject store: "VALID" or what is wrong.
    // Real: subjects::Check_Subject with the tree's context.
    std::function<QString(const QString& subjectFile)> checkSubject;
    // The check of a custom group or the random mix before a launch.
    // Real: SubjectTree::Check_Virtual_Subject.
    std::function<bool(subjects::NodeId subjectNode)> checkVirtualSubject;
    // Where the hand-off files go. Real: HandoffPlace::ofThisProgram().
    std::function<HandoffPlace()> place;
};

// Starts an activity on the selected subject: gathers up to ten of its phrases,
// writes their sounds and the study list into the temporary folder, and starts
// the activity program with the study list's name as its one argument, without
// waiting for it.
//
// The main window's hooks come from the subject tree's context: setMainWindowEnabled
// (the window is disabled during the launch and always enabled again), messageBox,
// errorBox and openWebPage. The study list's header comes from modMain
// (gProgramCode, gProductTitle, gInterfaceLanguage, gTargetLanguage, gUserName,
// gDataDir); the launch sets modMain.gPhraseCount.
//
// Wiring in the main window:
//   launch::ActivityLauncher launcher(subjectTree);            // one per main window
//   btnAct_Click:  launcher.btnAct_Click(programPath, subjectTree.selected());
//   Form_Unload:   launch::Delete_Handoff_Files();
class ActivityLauncher {
public:
    explicit ActivityLauncher(subjects::SubjectTree& tree, LaunchSeams seams = {});

    // An activity button was clicked. programPath: the activity program's full
    // path; selectedNode: the subject tree's selected node. A phrase selected
    // stands for its subject, which becomes the selected node.
    void btnAct_Click(const QString& programPath, subjects::NodeId selectedNode);

    // Deletes the last launch's files, then fills the study list with up to ten
    // phrases of subjectNode (the first ten in order) and writes each one's
    // sound file. Gives the number of phrases gathered.
    int Get_Phraes_to_Study(subjects::NodeId subjectNode);

    // Writes the study list file: the header from modMain, line 7 the selected
    // node's text, then the gathered phrases. False (after the error box) when
    // it cannot be written.
    bool Write_Handoff_File();

    // The phrases of the last launch, with the header it wrote.
    const studylist::StudyList& gStudyList() const { return gStudyList_; }

private:
    // The subject node a launch studies, or kNoNode when the selection is none.
    subjects::NodeId subjectToStudy(subjects::NodeId selectedNode) const;
    bool passesCheck(subjects::NodeId subjectNode);
    void gatherInstalled(const QString& subjectFile);
    void gatherVirtual(subjects::NodeId subjectNode);
    void addPhrase(const QString& subjectFile, const subjects::SubjectPhrase& phrase);

    subjects::SubjectTree& tree_;
    LaunchSeams seams_;
    HandoffPlace place_;
    studylist::StudyList gStudyList_;
};

}  // namespace launch
