// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QProxyStyle>

namespace quorvel::platform {

// The platform's own style, but for the arrow icons of overflow buttons, which every QMenuBar asks for
// when it is made. The base style reads them from image files in Qt's resources in a way that makes
// Qt load every image-format plugin (and libjpeg) to ask each one first: about 5 ms and 0.5 MB when the
// calculator window opens, for a button that shows only when the menus do not fit. These are the same
// pictures, read by Qt's built-in PNG reader.
class Style final : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace quorvel::platform
