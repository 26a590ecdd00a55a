#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A flat picture button, used for the section buttons and the list buttons of the screens.
// Buttons of one parent with the same non-zero GroupIndex form a group of which one is down.
class TFlashButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)

public:
    explicit TFlashButton(QWidget* parent = nullptr);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Down() const { return down_; }
    // Putting a grouped button down puts the other down button of its group up.
    void SetDown(bool down);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // A strip of NumGlyphs pictures side by side: up, disabled, pressed, down, mouse over.
    void SetGlyph(const QPixmap& strip);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);

    // Does what a click does: a grouped button goes down, then Click is raised. A button that may take
    // the focus (the section buttons) is pressed so with Space or Enter.
    void Press();

    bool IsPressed() const { return pressed_; }
    bool IsHighlighted() const { return hot_; }

    QColor FieldNormalColor;
    QColor FieldActiveColor{208, 212, 216};
    QColor FieldSelectedColor{176, 188, 208};
    QColor FieldActiveSelected{132, 146, 181};
    QColor BevelActiveColor{8, 36, 102};
    QColor BevelSelectedColor{8, 36, 102};
    int Margin = -1;
    int Spacing = 4;

    QSize sizeHint() const override { return QSize(22, 23); }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum Glyph { GlyphUp, GlyphDisabled, GlyphPressed, GlyphDown, GlyphHot };
    QPixmap GlyphFor(Glyph glyph) const;

    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool down_ = false;
    bool pressed_ = false;
    bool hot_ = false;
    int numGlyphs_ = 1;
    QString caption_;
    QPixmap glyphStrip_;
};
