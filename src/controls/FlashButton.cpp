#include "controls/FlashButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TFlashButton::TFlashButton(QWidget* parent)
    : QWidget(parent), FieldNormalColor(palette().color(QPalette::Button)) {
    resize(22, 23);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

void TFlashButton::SetGroupIndex(int index) {
    groupIndex_ = index;
    if (groupIndex_ == 0) down_ = false;
    update();
}

void TFlashButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (!down && !allowAllUp_) {
        // The last down button of a group stays down unless the group may be all up.
        bool otherDown = false;
        if (parentWidget())
            for (TFlashButton* b : parentWidget()->findChildren<TFlashButton*>(Qt::FindDirectChildrenOnly))
                otherDown = otherDown || (b != this && b->groupIndex_ == groupIndex_ && b->down_);
        if (!otherDown) return;
    }
    down_ = down;
    if (down_ && parentWidget())
        for (TFlashButton* b : parentWidget()->findChildren<TFlashButton*>(Qt::FindDirectChildrenOnly))
            if (b != this && b->groupIndex_ == groupIndex_ && b->down_) {
                b->down_ = false;
                b->update();
            }
    update();
}

void TFlashButton::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TFlashButton::SetGlyph(const QPixmap& strip) {
    glyphStrip_ = strip;
    update();
}

void TFlashButton::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 5);
    update();
}

QPixmap TFlashButton::GlyphFor(Glyph glyph) const {
    if (glyphStrip_.isNull()) return {};
    const int width = glyphStrip_.width() / numGlyphs_;
    const int index = glyph < numGlyphs_ ? glyph : GlyphUp;
    return glyphStrip_.copy(index * width, 0, width, glyphStrip_.height());
}

void TFlashButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool active = down_ || pressed_;
    const bool hot = hot_ && isEnabled();
    QColor fill = active ? (hot ? FieldActiveSelected : FieldActiveColor)
                         : (hot ? FieldSelectedColor : FieldNormalColor);
    p.fillRect(rect(), fill);
    if (active || hot) {
        p.setPen(active ? BevelActiveColor : BevelSelectedColor);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    Glyph glyph = !isEnabled() ? GlyphDisabled
                  : pressed_   ? GlyphPressed
                  : down_      ? GlyphDown
                  : hot        ? GlyphHot
                               : GlyphUp;
    const QPixmap picture = GlyphFor(glyph);
    QRect textRect = rect().adjusted(4, 2, -4, -2);
    if (!picture.isNull()) {
        const int top = caption_.isEmpty() ? (height() - picture.height()) / 2 : std::max(Margin, 4);
        p.drawPixmap((width() - picture.width()) / 2, top, picture);
        textRect.setTop(top + picture.height() + Spacing);
    }
    if (!caption_.isEmpty()) {
        p.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                             : palette().color(QPalette::Disabled, QPalette::ButtonText));
        QFont f = font();
        f.setBold(active);
        p.setFont(f);
        p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }
    if (hasFocus()) {
        // The keyboard's place: a dotted frame inside the border, as the platform's buttons show it.
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void TFlashButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    pressed_ = !down_ || allowAllUp_;
    update();
}

void TFlashButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    const bool wasPressed = pressed_ || down_;
    pressed_ = false;
    update();
    if (!wasPressed || !rect().contains(event->position().toPoint())) return;
    Press();
}

void TFlashButton::Press() {
    if (!isEnabled()) return;
    if (groupIndex_ != 0) SetDown(!down_);
    emit Click();
}

void TFlashButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            Press();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void TFlashButton::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TFlashButton::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void TFlashButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != hot_) {
        hot_ = inside;
        update();
    }
}

void TFlashButton::enterEvent(QEnterEvent*) {
    if (!isEnabled() || QWidget::mouseGrabber()) return;
    hot_ = true;
    update();
}

void TFlashButton::leaveEvent(QEvent*) {
    hot_ = false;
    update();
}

void TFlashButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        pressed_ = false;
        if (!isEnabled()) hot_ = false;
        update();
    }
    QWidget::changeEvent(event);
}
