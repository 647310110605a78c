#pragma once

// An Activities folder made in code: program files with the execute bit and a
// small configuration store beside each.
#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QString>

namespace activitypanel::testing {

// A PNG of one colour.
QByteArray pngOf(const QColor& colour, int width = 160, int height = 40);

struct ActivityFixture {
    QString program;       // file name of the program
    QString englishName;   // tblCaptions row 2
    QString spanishName;
    QByteArray englishNormal = pngOf(Qt::red);
    QByteArray englishHighlighted = pngOf(Qt::yellow);
    QByteArray spanishNormal = pngOf(Qt::blue);
    QByteArray spanishHighlighted = pngOf(Qt::green);
};

// Writes the program (executable) and "<program>.cfg" into folder.
void addActivity(const QString& folder, const ActivityFixture& activity);
// Writes only the program, executable, with no store.
void addProgramOnly(const QString& folder, const QString& program);

// The colour at the middle of a picture.
QColor middleColour(const QPixmap& picture);

}  // namespace activitypanel::testing
