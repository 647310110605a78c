#include "activities/arcade/13popper/rules/PopperGame.h"

#include "activities/arcade/13popper/rules/Overlap.h"

#include <utility>

namespace popper {

using namespace layout;

QStringList phraseWords(const QString& phrase)
{
    return phrase.split(u' ', Qt::SkipEmptyParts);
}

PopperGame::PopperGame(QList<PopperPhrase> phrases, platform::RandomSource random)
    : phrases_(std::move(phrases)), random_(std::move(random))
{
}

void PopperGame::Start_Game()
{
    phraseNumber_ = 1;
    if (phrases_.isEmpty()) {
        state_ = State::Finished;
        return;
    }
    state_ = State::Playing;
    Lay_Out_Phrase();
}

const QString& PopperGame::translation() const
{
    static const QString none;
    if (phraseNumber_ < 1 || phraseNumber_ > phrases_.size())
        return none;
    return phrases_[phraseNumber_ - 1].translation;
}

bool PopperGame::takeRemoveWordsRequest()
{
    return std::exchange(removeWordsRequest_, false);
}

QList<Sound> PopperGame::takeSounds()
{
    return std::exchange(sounds_, {});
}

void PopperGame::Lay_Out_Phrase()
{
    const QStringList texts = phraseWords(phrases_[phraseNumber_ - 1].phrase);
    words_.clear();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        FallingWord word;
        word.word = texts[i];
        word.caption = texts[i];
        word.box = {kWordLeft, int(i) * kWordSpacing, kWord.width, kWord.height};
        words_.append(word);
    }
    nextWord_ = 0;
    phraseLine_.clear();
    computerShot_ = false;
    computerActive_ = true;
    ++layouts_;
}

void PopperGame::Timer1_Timer()
{
    if (state_ != State::Playing)
        return;
    moveCacti();
    moveWords();
    if (std::exchange(learnerFire_, false))
        fireLearner();
    if (std::exchange(computerFire_, false))
        fireComputer();

    for (int b = 0; b < kBulletSlots; ++b) {
        if (learnerBullets_[b].inFlight && !hitWords(learnerBullets_[b], Side::Learner))
            flyLearnerBullet(learnerBullets_[b]);
        if (computerBullets_[b].inFlight && !hitWords(computerBullets_[b], Side::Computer)) {
            flyComputerBullet(computerBullets_[b]);
            if (state_ == State::LearnerShot)
                return;
        }
    }
    endPhraseIfDone();
}

void PopperGame::moveCacti()
{
    for (int k = 0; k < int(cacti_.size()); ++k) {
        Piece& cactus = cacti_[k];
        cactus.top -= 20 + 5 * k;
        if (cactus.top < -cactus.height)
            cactus.top = kDesertHeight + (random_.below(50) + 1) * 100;
    }
}

void PopperGame::moveWords()
{
    for (qsizetype i = 0; i < words_.size(); ++i) {
        Piece& box = words_[i].box;
        box.top += 5 * int(words_[i].caption.size()) + 2 * int(i);
        if (box.top > kDesertHeight)
            box.top = 0;
    }
}

void PopperGame::fireLearner()
{
    Bullet& bullet = learnerBullets_[0];
    if (bullet.inFlight)
        return;  // one learner bullet at a time: the request is lost
    bullet.box = {learner_.left + learner_.width / 2, learner_.top + kMuzzleDrop, kLearnerBullet.width,
                  kLearnerBullet.height};
    bullet.inFlight = true;
    sounds_.append(Sound::Magnum);
}

void PopperGame::fireComputer()
{
    for (Bullet& bullet : computerBullets_) {
        if (bullet.inFlight)
            continue;
        bullet.box = {computer_.left - computer_.width / 2, computer_.top + kMuzzleDrop, kComputerBullet.width,
                      kComputerBullet.height};
        bullet.inFlight = true;
        sounds_.append(Sound::Bang);
        return;
    }
}

bool PopperGame::hitWords(Bullet& bullet, Side shooter)
{
    for (qsizetype i = 0; i < words_.size(); ++i) {
        FallingWord& word = words_[i];
        if (!word.visible || !overlaps(bullet.box, word.box))
            continue;
        bullet.box.left = kSpentBulletLeft;
        bullet.inFlight = false;
        if (i == nextWord_) {
            scoreWord(shooter);
        } else {
            sounds_.append(Sound::Tink);
            word.box.left += shooter == Side::Learner ? kPush : -kPush;
        }
        return true;
    }
    return false;
}

void PopperGame::flyLearnerBullet(Bullet& bullet)
{
    bullet.box.left += bulletSpeed();
    if (hitsCactus(bullet.box) || bullet.box.left > kDesertWidth) {
        bullet.inFlight = false;
    } else if (overlaps(bullet.box, warn_)) {
        if (computerActive_)
            computerMove_ = computer_.top > kDodgeLine ? kUp : kDown;
    } else if (overlaps(bullet.box, computer_)) {
        bullet.inFlight = false;
        computerShot_ = true;
        if (computerActive_) {
            sounds_.append(Sound::Oh);
            computerActive_ = false;
        }
    }
}

void PopperGame::flyComputerBullet(Bullet& bullet)
{
    bullet.box.left -= bulletSpeed();
    if (hitsCactus(bullet.box) || bullet.box.left < -bullet.box.width) {
        bullet.inFlight = false;
    } else if (overlaps(bullet.box, learner_)) {
        bullet.inFlight = false;
        state_ = State::LearnerShot;
        computerActive_ = false;
        sounds_.append(Sound::Oh);
    }
}

bool PopperGame::hitsCactus(const Piece& box) const
{
    for (const Piece& cactus : cacti_) {
        if (overlaps(box, cactus))
            return true;
    }
    return false;
}

void PopperGame::scoreWord(Side shooter)
{
    FallingWord& word = words_[nextWord_];
    sounds_.append(Sound::Ting);
    // Every word comes after a blank, the first one too.
    phraseLine_ += u' ' + word.word;
    const std::int64_t points = std::int64_t(kPointsPerLetter) * word.word.size();
    word.caption = QString::number(points);
    scores_[int(shooter)] += points;
    word.shot = true;
    removeWordsRequest_ = true;
    ++nextWord_;
}

void PopperGame::endPhraseIfDone()
{
    if (nextWord_ <= lastWord())
        return;
    ++phraseNumber_;
    if (phraseNumber_ <= phraseCount()) {
        Lay_Out_Phrase();
    } else {
        phraseNumber_ = phraseCount();
        state_ = State::Finished;
        computerActive_ = false;
    }
}

void PopperGame::TimerRemoveLabels_Timer()
{
    for (FallingWord& word : words_) {
        if (word.shot && word.visible) {
            word.visible = false;
            word.box.left = kShotWordLeft;
        }
    }
}

void PopperGame::tmrMouseCntl_Timer()
{
    if (learnerMove_ == kUp && learner_.top > 0)
        learner_.top -= kStep;
    else if (learnerMove_ == kDown && kDesertHeight - learner_.height - 100 > learner_.top)
        learner_.top += kStep;

    // A shot computer stands still until the next phrase.
    if (state_ != State::Playing || !computerActive_)
        return;
    if (computerMove_ == kUp && computer_.top > 0)
        computer_.top -= kStep;
    else if (computerMove_ == kDown && kDesertHeight - computer_.height - 100 > computer_.top)
        computer_.top += kStep;
    else if (computerMove_ != kStop)
        return;
    warn_.top = computer_.top;
}

void PopperGame::TimerComputerPlayer_Timer()
{
    if (state_ != State::Playing || !computerActive_)
        return;
    const int r = random_.below(6) + 1;
    computerMove_ = r;
    if (r > 3) {
        Request_Computer_Shot();  // stands and shoots
        return;
    }
    if (learner_.top < computer_.top)
        computerMove_ = kUp;
    else if (learner_.top > computer_.top)
        computerMove_ = kDown;
    else
        computerMove_ = kStop;
}

void PopperGame::Request_Computer_Shot()
{
    if (state_ == State::Playing)
        computerFire_ = true;
}

void PopperGame::fireKey()
{
    if (state_ == State::Playing)
        learnerFire_ = true;
}

void PopperGame::arrowDown(Move move)
{
    if (state_ == State::Playing && (move == kUp || move == kDown))
        learnerMove_ = move;
}

void PopperGame::arrowUp()
{
    learnerMove_ = kStop;
}

}  // namespace popper
