// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

namespace quorvel::platform {

// A label. It shows its whole text inside its frame: where the font at its size would not fit (fonts
// differ between desktops), the label draws it smaller rather than cut it.
class StaticText : public QLabel
{
    Q_OBJECT

public:
    explicit StaticText(QWidget* parent = nullptr);

    void setTextFont(const QFont& font);
    void setTextColor(const QColor& color);
    // One line, or lines wrapped to the label's width.
    void setMultiLine(bool multiLine);
    void setCaption(const QString& text);

    // The pixel size the text is drawn at, after fitting.
    int drawnPixelSize() const { return font().pixelSize(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool fits(const QFont& font) const;
    void fitToFrame();

    QFont m_font;
};

} // namespace quorvel::platform
