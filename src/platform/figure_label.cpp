#include "figure_label.h"

#include <QPainter>
#include <QStyle>

namespace lukana::platform {

FigureLabel::FigureLabel(QWidget* parent) : QLabel(parent) {}

FigureLabel::FigureLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

QRect FigureLabel::textRoom() const {
    const int m = margin();
    QRect room = contentsRect().adjusted(m, m, -m, -m);
    // As a label draws it: a framed label without an indent of its own keeps half an "x".
    int in = indent();
    if (in < 0)
        in = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    if (a & Qt::AlignLeft)
        room.setLeft(room.left() + in);
    if (a & Qt::AlignRight)
        room.setRight(room.right() - in);
    return room;
}

FittedText FigureLabel::shownText() const {
    const QString t = text();
    if (!readsAsFigure(t))
        return ScreenFont(font()).whole(t);
    return fitOnScreen(t, font(), textRoom().width(), TextKeep::End);
}

void FigureLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawFrame(&p);
    if (text().isEmpty())
        return;
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    drawFitted(p, textRoom(), a, shownText(), ScreenFont(font()), this);
}

} // namespace lukana::platform
