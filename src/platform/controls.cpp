#include "controls.h"

#include "message_box.h"
#include "screen_fit.h"
#include "storage/routines.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace lukana::platform {

namespace {

constexpr int kRepeatMs = 50; // a held arrow's step interval

bool leftButtonDown() {
    return QGuiApplication::mouseButtons() & Qt::LeftButton;
}

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // The user's edits (keys, paste, drop, undo) say so just before their change arrives.
    connect(this, &QLineEdit::textEdited, this, [this] { typed_ = true; });
    connect(this, &QLineEdit::textChanged, this, &TextBox::textWasChanged);
    connect(this, &QLineEdit::cursorPositionChanged, this,
            [this](int, int position) { cursorBefore_ = position; });
}

void TextBox::textWasChanged(const QString& text) {
    const bool typed = std::exchange(typed_, false);
    if (typed && refuseLongNumber(text))
        return;
    if (!typed)
        windowText_ = text;
    if (stripCommas_ && text.contains(QLatin1Char(','))) {
        int cursor = cursorPosition();
        cursor -= static_cast<int>(text.left(cursor).count(QLatin1Char(',')));
        QString stripped = text;
        stripped.remove(QLatin1Char(','));
        typed_ = typed;    // the text without commas is as much the user's as the text with them
        setText(stripped); // runs this again for the text without commas
        setCursorPosition(cursor);
        return;
    }
    // Removing a typed comma gives back the text the handler has already seen.
    if (text == reported_)
        return;
    reported_ = text;
    if (handler_ && !quiet_)
        handler_();
}

namespace {
// Whole digits of an amount: those before the point as typed, or those of the figure it reads
// as (an exponent form, 1e20, has few of the first and many of the second), whichever are more.
int wholeDigits(const QString& text) {
    int shown = 0;
    for (QChar c : text.left(text.indexOf(QLatin1Char('.'))))
        shown += c.isDigit() ? 1 : 0;
    return std::max(shown, leadingWholeDigits(KanmaNuki(text.toStdString())));
}

// Whether part is whole with some of its characters left out.
bool isShortenedFrom(const QString& part, const QString& whole) {
    qsizetype kept = 0;
    for (QChar c : whole)
        kept += kept < part.size() && part[kept] == c ? 1 : 0;
    return kept == part.size();
}
} // namespace

bool TextBox::refuseLongNumber(const QString& text) {
    if (maxDigits_ <= 0)
        return false;
    const int digits = wholeDigits(text);
    // Only a new figure past the limit is refused: a long one the window wrote is shown as it
    // is, may be shortened, and an undo may bring it back.
    if (digits <= maxDigits_ ||
        (isShortenedFrom(text, windowText_) && digits <= wholeDigits(windowText_)))
        return false;
    // Back to the text as it stood before the key, the cursor where it was.
    const int cursor = std::min(cursorBefore_, static_cast<int>(reported_.size()));
    {
        QSignalBlocker block(this);
        setText(reported_);
        setCursorPosition(cursor);
    }
    cursorBefore_ = cursor;
    msgBox(QStringLiteral("金額は%1桁までです。").arg(maxDigits_));
    return true;
}

void TextBox::setTextQuietly(const QString& text) {
    bool was = quiet_;
    quiet_ = true;
    setText(text);
    quiet_ = was;
}

void TextBox::setWidestText(const QString& text) {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    // The box keeps two pixels each side of its text and one for the cursor.
    const QSize content(fontMetrics().horizontalAdvance(text) + margins.left() + margins.right() +
                            5,
                        fontMetrics().height());
    setMinimumWidth(style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, this).width());
}

void TextBox::paintEvent(QPaintEvent* event) {
    // A hidden text (a password) is never drawn as it stands.
    if (hasFocus() || echoMode() != QLineEdit::Normal || !readsAsFigure(text())) {
        QLineEdit::paintEvent(event);
        return;
    }
    QStyleOptionFrame option;
    initStyleOption(&option);
    // The room a line edit keeps for its text: two pixels each side, one above and below.
    const QRect room = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                           .marginsRemoved(textMargins())
                           .adjusted(2, 1, -2, -1);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &p, this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    const ScreenFont measured(font());
    drawFitted(p, room, (a & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter,
               measured.fit(text(), room.width(), TextKeep::End), measured, this);
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(kComboMinimumChars);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        indexAtPopup_ = kNoPopup;
        if (quiet_)
            return;
        if (handler_)
            handler_();
        if (click_)
            click_();
    });
    // A choice from the list of the entry already chosen changes nothing: only the click runs.
    connect(this, &QComboBox::activated, this, [this](int index) {
        const bool rechosen = index == indexAtPopup_;
        indexAtPopup_ = kNoPopup;
        if (rechosen && click_)
            click_();
    });
}

void ComboBox::showPopup() {
    indexAtPopup_ = currentIndex();
    view()->setTextElideMode(Qt::ElideRight);
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    const QRect holder(window()->mapToGlobal(QPoint(0, 0)), window()->size());
    if (popup == window() || popup->width() <= holder.width())
        return;
    QRect placed = popup->geometry();
    placed.setWidth(holder.width());
    placed.moveLeft(std::clamp(placed.left(), holder.left(), holder.right() + 1 - placed.width()));
    popup->setGeometry(placed);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection and the current row can move apart (a refill, the focus arriving): every
    // one of these may have moved the chosen row.
    connect(this, &QListWidget::itemSelectionChanged, this, &ListBox::followIndex);
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::followIndex);
    connect(model(), &QAbstractItemModel::modelReset, this, &ListBox::followIndex);
    connect(model(), &QAbstractItemModel::rowsRemoved, this, &ListBox::followIndex);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int clicked = row(item);
        if (clicked == indexAtPress_ && clicked == listIndex() && click_)
            click_();
    });
}

// The model and selection die after this object (they are its children) and report their
// teardown: no change event may reach a half-destroyed list or its window.
ListBox::~ListBox() {
    QObject::disconnect(model(), nullptr, this, nullptr);
    QObject::disconnect(this, nullptr, this, nullptr);
}

int ListBox::listIndex() const {
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.front());
}

void ListBox::setListIndex(int index) {
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
        return;
    }
    clearSelection();
    setCurrentRow(-1);
}

void ListBox::setItemsQuietly(const QStringList& items) {
    quiet_ = true;
    clear();
    addItems(items);
    setCurrentRow(-1);
    quiet_ = false;
    reported_ = -1;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    indexAtPress_ = listIndex();
    QListWidget::mousePressEvent(event);
}

void ListBox::followIndex() {
    if (quiet_)
        return;
    const int index = listIndex();
    if (index == reported_)
        return;
    reported_ = index;
    if (change_)
        change_();
}

void ComboBox::setWidestText(const QString& text) {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // As a text box: two pixels each side of the text and one for the cursor.
    const QSize content(fontMetrics().horizontalAdvance(text) + 5, fontMetrics().height());
    setMinimumWidth(style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, this).width());
}

void ComboBox::setListIndexQuietly(int index) {
    bool was = quiet_;
    quiet_ = true;
    setCurrentIndex(index);
    quiet_ = was;
}

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (handler_ && !quiet_)
            handler_();
    });
}

void CheckBox::setValueQuietly(int v) {
    bool was = quiet_;
    quiet_ = true;
    setChecked(v != 0);
    quiet_ = was;
}

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && handler_)
            handler_();
    });
}

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    connect(this, &QScrollBar::valueChanged, this, [this] { changed(); });
}

// A press of an arrow starts its repeat before the first step, so every step runs here with
// the repeat on.
void ScrollBar::changed() {
    if (!handler_)
        return;
    const SliderAction held = repeatAction();
    if (held != SliderNoAction)
        setRepeatAction(SliderNoAction); // no step behind a window the handler opens
    handler_();
    if (held == SliderNoAction)
        return;
    if (leftButtonDown())
        setRepeatAction(held, kRepeatMs, kRepeatMs);
    else
        endPress();
}

void ScrollBar::endPress() {
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), mapToGlobal(QPointF(-1, -1)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QScrollBar::mouseReleaseEvent(&release);
}

Spinner::Spinner(QWidget* parent) : QWidget(parent), bar_(new ScrollBar(Qt::Vertical, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    // As tall as the number box beside it.
    setFixedSize(17, QLineEdit().sizeHint().height());
    // The bar runs from -maximum at its top to -minimum at its bottom.
    bar_->setRange(0, 0);
    bar_->setSingleStep(1);
    bar_->setPageStep(1);
    bar_->onChange([this] {
        if (handler_)
            handler_();
    });
}

void Spinner::setRange(int minimum, int maximum) {
    bar_->setRange(-maximum, -minimum);
}

bool Spinner::setValue(int value) {
    if (value < minimum() || value > maximum())
        return false;
    bar_->setValue(-value);
    return true;
}

bool Spinner::setValueFromBox(int value) {
    bool was = fromBox_;
    fromBox_ = true;
    bool ok = setValue(value);
    fromBox_ = was;
    return ok;
}

void Spinner::stepUp() {
    bar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
}
void Spinner::stepDown() {
    bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

} // namespace lukana::platform
