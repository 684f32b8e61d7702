#pragma once
// A label that shows a figure: a figure wider than the label is drawn smaller, and past the
// smallest size cut with its sign kept (screen_fit.h), never cut off at the label's edge.
#include "screen_fit.h"

#include <QLabel>

namespace lukana::platform {

class FigureLabel : public QLabel {
    Q_OBJECT
  public:
    explicit FigureLabel(QWidget* parent = nullptr);
    explicit FigureLabel(const QString& text, QWidget* parent = nullptr);

    // Where the text is drawn: inside the frame, margin and indent.
    QRect textRoom() const;
    // The text as drawn in the label's present size.
    FittedText shownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lukana::platform
