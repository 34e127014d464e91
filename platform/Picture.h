// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QRectF>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace quorvel::platform {

// A picture from the application's resources, drawn from its vector form at any scale.
// A default-made Picture is empty and draws nothing.
class Picture
{
public:
    Picture() = default;

    bool isNull() const { return m_renderer == nullptr; }
    // The size the picture was drawn for, in pixels; empty for an empty picture.
    QSize naturalSize() const;
    void draw(QPainter& painter, const QRectF& target) const;

private:
    friend Picture GetPicture(int id);
    std::shared_ptr<QSvgRenderer> m_renderer;
};

// The picture resource with that numeric id, or an empty picture when the application has none.
Picture GetPicture(int id);

// How many times the picture resource with that id has been asked for.
int pictureFetchCount(int id);

// A program-wide slot for one picture resource: fetched on first use and kept once found. An empty
// answer is kept too, but not as a failure: the next use asks the resources again.
class PictureSlot
{
public:
    explicit PictureSlot(int id) : m_id(id) {}

    Picture get();

private:
    int m_id;
    Picture m_picture;
};

} // namespace quorvel::platform
