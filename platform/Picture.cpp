// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/Picture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <map>

namespace quorvel::platform {
namespace {

std::map<int, int>& fetchCounts()
{
    static std::map<int, int> counts;
    return counts;
}

QString resourcePath(int id)
{
    return QStringLiteral(":/pictures/%1.svg").arg(id);
}

} // namespace

void Picture::draw(QPainter& painter, const QRectF& target) const
{
    if (m_renderer)
        m_renderer->render(&painter, target);
}

QSize Picture::naturalSize() const
{
    return m_renderer ? m_renderer->defaultSize() : QSize();
}

Picture GetPicture(int id)
{
    ++fetchCounts()[id];
    Picture picture;
    const QString path = resourcePath(id);
    if (!QFile::exists(path))
        return picture;
    auto renderer = std::make_shared<QSvgRenderer>(path);
    if (renderer->isValid())
        picture.m_renderer = std::move(renderer);
    return picture;
}

int pictureFetchCount(int id)
{
    const auto count = fetchCounts().find(id);
    return count == fetchCounts().end() ? 0 : count->second;
}

Picture PictureSlot::get()
{
    if (m_picture.isNull())
        m_picture = GetPicture(m_id);
    return m_picture;
}

} // namespace quorvel::platform
