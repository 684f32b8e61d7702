#include "controls.h"

#include <QVBoxLayout>

namespace lukana::platform {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TextBox::textWasChanged);
}

void TextBox::textWasChanged(const QString& text) {
    if (stripCommas_ && text.contains(QLatin1Char(','))) {
        int cursor = cursorPosition();
        cursor -= static_cast<int>(text.left(cursor).count(QLatin1Char(',')));
        QString stripped = text;
        stripped.remove(QLatin1Char(','));
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

void TextBox::setTextQuietly(const QString& text) {
    bool was = quiet_;
    quiet_ = true;
    setText(text);
    quiet_ = was;
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (handler_ && !quiet_)
            handler_();
    });
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
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (handler_)
            handler_();
    });
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
