// Times printing the worksheet of ten phrases to a PDF file: the job opened,
// the text wrapped and drawn, the file written.
//   QT_QPA_PLATFORM=offscreen bench_worksheet_print [runs]
#include "activities/puzzles/07sheetout/rules/CWordWrap.h"
#include "activities/puzzles/07sheetout/rules/WorksheetText.h"
#include "platform/print/Printers.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QList<sheetout::WorksheetPhrase> phrases;
    for (int i = 1; i <= 10; ++i)
        phrases.append({QStringLiteral("la phrase numéro %1 du sujet").arg(i), QStringLiteral("phrase number %1").arg(i),
                        i % 2 ? QString() : QStringLiteral("the phrase %1").arg(i)});
    const QString text = sheetout::worksheetText("FOOD AND DRINK", "French", "English", phrases);

    QTemporaryDir folder;
    std::vector<double> millis;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer clock;
        clock.start();
        auto surface = platform::print::openPdfFile(folder.filePath(QStringLiteral("sheet.pdf")), "Worksheet");
        surface->setFont(QStringLiteral("Arial"), 14);
        sheetout::CWordWrap wrap(*surface, QStringLiteral("10/12/2026"));
        wrap.setHeaderText(QStringLiteral("Lessondesk          10/12/2026"));
        if (!wrap.PrintText(text).printed) {
            std::fprintf(stderr, "printing failed\n");
            return 1;
        }
        millis.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    std::printf("runs %zu  min %.1f ms  median %.1f ms  max %.1f ms  (budget 1000 ms)\n", millis.size(),
                millis.front(), millis[millis.size() / 2], millis.back());
    return 0;
}
