// SPDX-FileCopyrightText: 2026 the Quorvel authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <vector>

namespace quorvel::platform {

// A document type the program declares. Declaring it registers it with the runtime's registry; changing
// any of its values first withdraws a registration it has.
class FileType
{
public:
    const QString& name() const { return m_name; }
    void setName(const QString& name);
    const QString& extensions() const { return m_extensions; }
    void setExtensions(const QString& extensions);
    const QString& macType() const { return m_macType; }
    void setMacType(const QString& macType);
    const QString& macCreator() const { return m_macCreator; }
    void setMacCreator(const QString& macCreator);

    // The type's text, its name. Asking for it registers the type when it is not registered yet.
    QString toText();

private:
    void withdraw();

    QString m_name;
    QString m_extensions;
    QString m_macType;
    QString m_macCreator;
    bool m_registered = false;
};

// A registered document type, as the registry holds it.
struct FileTypeRecord
{
    QString name;
    QString macCreator;
    QString macType;
    QString extensions;

    friend bool operator==(const FileTypeRecord&, const FileTypeRecord&) = default;
};

// The document types registered now, in the order of registration.
const std::vector<FileTypeRecord>& registeredFileTypes();

} // namespace quorvel::platform
