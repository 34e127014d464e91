// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#include "platform/FileType.h"

#include <algorithm>

namespace quorvel::platform {
namespace {

std::vector<FileTypeRecord>& registry()
{
    static std::vector<FileTypeRecord> records;
    return records;
}

void registerFileType(const QString& name, const QString& macCreator, const QString& macType,
                      const QString& extensions)
{
    registry().push_back({name, macCreator, macType, extensions});
}

void deregisterFileType(const QString& name)
{
    auto& records = registry();
    const auto record = std::find_if(records.begin(), records.end(),
                                     [&](const FileTypeRecord& entry) { return entry.name == name; });
    if (record != records.end())
        records.erase(record);
}

} // namespace

void FileType::setName(const QString& name)
{
    withdraw();
    m_name = name;
}

void FileType::setExtensions(const QString& extensions)
{
    withdraw();
    m_extensions = extensions;
}

void FileType::setMacType(const QString& macType)
{
    withdraw();
    m_macType = macType;
}

void FileType::setMacCreator(const QString& macCreator)
{
    withdraw();
    m_macCreator = macCreator;
}

QString FileType::toText()
{
    if (!m_registered) {
        registerFileType(m_name, m_macCreator, m_macType, m_extensions);
        m_registered = true;
    }
    return m_name;
}

void FileType::withdraw()
{
    if (!m_registered)
        return;
    deregisterFileType(m_name);
    m_registered = false;
}

const std::vector<FileTypeRecord>& registeredFileTypes()
{
    return registry();
}

} // namespace quorvel::platform
