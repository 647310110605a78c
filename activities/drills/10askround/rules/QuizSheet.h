#pragma once

// The written quiz: one row per phrase, its translation asked and the phrase
// typed in the target language. The check grades the rows top to bottom, one
// at a time; the score is the whole percentage of right answers.
#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace askround {

inline constexpr int kGradeIntervalMs = 700;
inline constexpr int kRowSpacing = 550;  // twips between rows

// Colours of a graded answer as &HBBGGRR numbers.
inline constexpr std::uint32_t kRightColour = 0x00C000;
inline constexpr std::uint32_t kWrongColour = 0x0000FF;

struct QuizQuestion {
    QString phrase;       // the answer expected
    QString translation;  // the question shown
};

// An answer is right when, with blanks trimmed at both ends of both texts, it
// equals the phrase upper-cased one character at a time: letter case does not
// count, accents do.
bool answerIsRight(const QString& answer, const QString& phrase);

// The question label of row index (0-based): "<number>. <translation>".
QString questionText(int index, const QString& translation);

// The box that Enter moves to: the next one, the first after the last.
int boxAfter(int index, int count);

struct GradedRow {
    int row = 0;
    bool right = false;
};

class QuizSheet {
public:
    explicit QuizSheet(std::vector<QuizQuestion> questions);

    int count() const { return static_cast<int>(questions_.size()); }
    const QuizQuestion& question(int row) const { return questions_.at(row); }

    // The check was asked for: grading starts at the first row. Once only.
    bool startGrading();
    bool grading() const { return grading_; }
    // Grades the next row with the learner's answer; nothing once every row is graded.
    std::optional<GradedRow> gradeNext(const QString& answer);
    // The row graded next (count() once all are graded).
    int nextRow() const { return gradeRow_; }
    // Every row graded.
    bool finished() const { return gradeRow_ >= count(); }
    int rightCount() const { return right_; }
    // Whole part of right x 100 / count.
    int percent() const;

private:
    std::vector<QuizQuestion> questions_;
    int gradeRow_ = 0;
    int right_ = 0;
    bool grading_ = false;
    bool checked_ = false;
};

}  // namespace askround

namespace askround {

// The sheet's date, in one form whatever the system's settings: "Mar/04/2024".
QString sheetDate(const QDate& date);

}  // namespace askround
