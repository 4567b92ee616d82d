#include "ui/MessageBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/ScreenFit.h"

namespace quorl {

namespace {

// About the width at which a message box wraps its text, and the room its buttons and margins take.
constexpr int kTextWidth = 500;
constexpr int kBoxAllowance = 120;
// The room a window manager's frame takes beside the title: the window's icon and its buttons.
constexpr int kTitleBarAllowance = 160;

int TextHeight(const QFontMetrics& fm, const QString& text) {
    return fm.boundingRect(QRect(0, 0, kTextWidth, 1 << 24), Qt::TextWordWrap | Qt::TextExpandTabs, text).height();
}

int ExecScrollingBox(QWidget* parent, const QPixmap& icon, const QString& title, const QString& text,
                     QMessageBox::StandardButtons buttons, QSize room) {
    QDialog box(parent);
    box.setWindowTitle(title);
    auto* top = new QVBoxLayout(&box);
    auto* row = new QHBoxLayout;
    top->addLayout(row, 1);
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(&box);
        iconLabel->setPixmap(icon);
        row->addWidget(iconLabel, 0, Qt::AlignTop);
    }
    auto* scroll = new QScrollArea(&box);
    scroll->setObjectName(QStringLiteral("MessageText"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(4, 4, 4, 4);
    scroll->setWidget(label);
    row->addWidget(scroll, 1);
    auto* buttonBox = new QDialogButtonBox(QDialogButtonBox::StandardButtons(int(buttons)), &box);
    QObject::connect(buttonBox, &QDialogButtonBox::clicked, &box,
                     [&box, buttonBox](QAbstractButton* b) { box.done(int(buttonBox->standardButton(b))); });
    top->addWidget(buttonBox);
    if (QPushButton* first = buttonBox->buttons().isEmpty() ? nullptr : qobject_cast<QPushButton*>(buttonBox->buttons().first()))
        first->setDefault(true);
    const int scrollBar = box.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    box.resize(std::min(kTextWidth + icon.width() + scrollBar + 60, room.width()), room.height());
    return box.exec();
}

}  // namespace

int TitleBarWidth(const QWidget& window, const QString& title) {
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarAllowance;
}

int ExecMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                   QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    // A box of a short text ("Complete.") is wide enough for its title in the frame.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(box, title), 0), grid->rowCount(), 0, 1, grid->columnCount());
    const QSize room = ScreenRoom(parent ? parent : &box);
    if (TextHeight(box.fontMetrics(), text) + kBoxAllowance <= room.height()) return box.exec();
    return ExecScrollingBox(parent, box.iconPixmap(), title, text, buttons, room);
}

bool ExecInputBox(QWidget* parent, const QString& title, const QString& prompt, QString& value) {
    QInputDialog box(parent);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(value);
    // As wide as a message box for its title: the prompt takes the room.
    if (auto* label = box.findChild<QLabel*>()) label->setMinimumWidth(TitleBarWidth(box, title));
    if (box.exec() != QDialog::Accepted) return false;
    value = box.textValue();
    return true;
}

}  // namespace quorl
