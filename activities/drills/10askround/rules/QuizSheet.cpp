#include "activities/drills/10askround/rules/QuizSheet.h"

#include "platform/ui/TextCase.h"

#include <QLocale>

#include <stdexcept>

namespace askround {

bool answerIsRight(const QString& answer, const QString& phrase)
{
    return platform::ui::ucase(answer.trimmed()) == platform::ui::ucase(phrase.trimmed());
}

QString questionText(int index, const QString& translation)
{
    return QStringLiteral("%1. %2").arg(index + 1).arg(translation);
}

int boxAfter(int index, int count) { return count > 0 ? (index + 1) % count : 0; }

QuizSheet::QuizSheet(std::vector<QuizQuestion> questions) : questions_(std::move(questions))
{
    if (questions_.empty())
        throw std::invalid_argument("a quiz needs at least one phrase");
}

bool QuizSheet::startGrading()
{
    if (checked_)
        return false;
    checked_ = true;
    grading_ = true;
    return true;
}

std::optional<GradedRow> QuizSheet::gradeNext(const QString& answer)
{
    if (!grading_ || finished())
        return std::nullopt;
    GradedRow graded{gradeRow_, answerIsRight(answer, questions_.at(gradeRow_).phrase)};
    right_ += graded.right;
    ++gradeRow_;
    if (finished())
        grading_ = false;
    return graded;
}

int QuizSheet::percent() const { return right_ * 100 / count(); }

}  // namespace askround

namespace askround {

QString sheetDate(const QDate& date) { return QLocale::c().toString(date, QStringLiteral("MMM/dd/yyyy")); }

}  // namespace askround
