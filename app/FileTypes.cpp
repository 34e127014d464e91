// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "app/FileTypes.h"

#include "platform/FileType.h"

#include <memory>

namespace quorvel::FileTypes {
namespace {

using platform::FileType;

std::unique_ptr<FileType> pText;
std::unique_ptr<FileType> pUntitledType;

std::unique_ptr<FileType> declare(const QString& name, const QString& extensions, const QString& macType,
                                  const QString& macCreator)
{
    auto type = std::make_unique<FileType>();
    type->setName(name);
    type->setExtensions(extensions);
    type->setMacType(macType);
    type->setMacCreator(macCreator);
    type->toText();
    return type;
}

} // namespace

void Initialize()
{
    pText = declare(QStringLiteral("text"), QString(), QStringLiteral("TEXT"), QStringLiteral("R*ch"));
    pUntitledType = declare(QString(), QString(), QString(), QString());
}

} // namespace quorvel::FileTypes
