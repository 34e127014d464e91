// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/TerminalText.h"

namespace quorvel::platform {

QString escapeControlCharacters(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            escaped += c;
        else if (c == u'\n')
            escaped += u"\\n";
        else if (c == u'\t')
            escaped += u"\\t";
        else if (c == u'\r')
            escaped += u"\\r";
        else
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
    return escaped;
}

} // namespace quorvel::platform
