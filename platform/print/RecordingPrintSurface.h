#pragma once

#include "platform/print/PrintSurface.h"

#include <QList>
#include <QString>

namespace platform::print {

// A surface for tests with fixed metrics: every character is the same width
// and every line the same height, whatever the font. It keeps what was printed
// where, and can be told to refuse to start or to deliver a job.
class RecordingPrintSurface : public PrintSurface {
public:
    struct Placed {
        int page = 1;
        double x = 0;
        double y = 0;
        QString text;
        bool operator==(const Placed&) const = default;
    };

    explicit RecordingPrintSurface(double charWidth = 100, double lineHeight = 240, double pageWidth = 3000,
                                   double pageHeight = 4000);

    void failToStart(const QString& error) { startError_ = error; }
    void failToFinish(const QString& error) { finishError_ = error; }

    void setFont(const QString& family, double pointSize) override;
    QString fontFamily() const override { return family_; }
    double fontSize() const override { return size_; }
    double pageWidth() const override { return pageWidth_; }
    double pageHeight() const override { return pageHeight_; }
    double textWidth(const QString& text) const override { return charWidth_ * text.size(); }
    double textHeight() const override { return lineHeight_; }

    // Every text printed, blanks included, in order.
    const QList<Placed>& placed() const { return placed_; }
    // The texts printed that are not only blanks.
    QList<Placed> visible() const;
    // The visible texts of one page.
    QStringList textsOnPage(int page) const;
    int jobsStarted() const { return jobsStarted_; }
    int jobsDelivered() const { return jobsDelivered_; }

protected:
    QString startJob() override;
    QString finishJob() override;
    void drawText(double x, double y, const QString& text) override;
    void startPage() override {}

private:
    double charWidth_;
    double lineHeight_;
    double pageWidth_;
    double pageHeight_;
    QString family_ = QStringLiteral("Arial");
    double size_ = 12;
    QString startError_;
    QString finishError_;
    QList<Placed> placed_;
    int jobsStarted_ = 0;
    int jobsDelivered_ = 0;
};

}  // namespace platform::print
