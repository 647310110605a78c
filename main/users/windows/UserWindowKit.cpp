#include "main/users/windows/UserWindowKit.h"

#include "main/core/shared/Sound.h"
#include "main/core/windows/frmMsgBox.h"

#include "platform/ui/PlainLabel.h"

#include <QAbstractButton>

namespace users {
namespace {

constexpr char kStyle[] = R"css(
    QLabel { color: #1f3b5c; }
    QListWidget, QLineEdit, QComboBox { background: #ffffff; color: #1f3b5c;
                                        border: 1px solid #8fb0d3; border-radius: 4px; }
    QComboBox { combobox-popup: 0; }
    QComboBox QAbstractItemView { background: #ffffff; border: 1px solid #8fb0d3; }
    QComboBox QAbstractItemView::item { border-radius: 6px; }
    QComboBox QAbstractItemView::item:selected { background: #c9dcf2; }
    QLineEdit { padding: 1px 4px; lineedit-password-character: 42; }
    QListWidget::item:selected { background: #c9dcf2; color: #1f3b5c; border-radius: 4px; }
    QCheckBox { color: #1f3b5c; }
    QPushButton { background: #ffffff; color: #1f3b5c; border: 1px solid #8fb0d3;
                  border-radius: 5px; padding: 2px 8px; }
    QPushButton:hover { background: #e3eefa; }
    QPushButton:pressed { background: #c9dcf2; }
    QPushButton:focus { border: 2px solid #1f5fbf; }
    QPushButton:disabled { background: #ffffff; color: #9aa7b5; border-color: #c8d3df; }
    QPushButton#btnNull { background: transparent; border: none; }
    QPushButton#btnNull:focus { border: 1px dotted #1f5fbf; }
)css";

}  // namespace

void playClickOnPress(QAbstractButton& button)
{
    const auto click = [] { shared::Play_Wave_Resource(QStringLiteral("click"), shared::kSoundAsync); };
    QObject::connect(&button, &QAbstractButton::pressed, &button, click);
    QObject::connect(&button, &QAbstractButton::released, &button, click);
}

void showMessageWindow(QWidget& asking, const QString& text, int fontPoints)
{
    auto* box = new frmMsgBox(&asking);
    box->setWindowTitle(asking.windowTitle());
    box->setMessageFontSize(fontPoints);
    box->setMessage(text);
    box->showModal();
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& twips)
{
    auto* label = placeControl(new platform::ui::PlainLabel(parent), name, twips);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    return label;
}

void applyUserWindowStyle(QWidget& window) { window.setStyleSheet(QString::fromUtf8(kStyle)); }

}  // namespace users
