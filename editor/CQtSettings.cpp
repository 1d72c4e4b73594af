// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CQtSettings.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "CText.h"

CQtSettings::CQtSettings()
    : m_strFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/Quorvex/AppletTavelinWizard.conf"))
{
    if (FileIsSafe())
        m_pSettings = std::make_unique<QSettings>(QStringLiteral("Quorvex"), QStringLiteral("AppletTavelinWizard"));
}

// Missing, or a regular file where its links lead.
bool CQtSettings::FileIsSafe() const
{
    const QFileInfo info(m_strFile);
    return info.exists() ? info.isFile() : !info.isSymLink();
}

QString CQtSettings::Key(const std::string& section, const std::string& key)
{
    return CText::ToQ(section) + QLatin1Char('/') + CText::ToQ(key);
}

// QSettings parses the file again only when its size or time changed since
// the last read, so that the template list another program added to is
// neither missed nor written back without its new name.
QVariant CQtSettings::Value(const QString& key) const
{
    if (!m_pSettings)
        return m_memory.value(key);
    if (FileIsSafe())
        m_pSettings->sync();
    return m_pSettings->value(key);
}

// Checked again before each write: the file may have been replaced since.
void CQtSettings::Store(const QString& key, const QVariant& value)
{
    if (m_pSettings && !FileIsSafe())
        m_pSettings.reset();
    if (!m_pSettings) {
        m_memory.insert(key, value);
        return;
    }
    m_pSettings->setValue(key, value);
}

void CQtSettings::Flush()
{
    if (m_pSettings && FileIsSafe())
        m_pSettings->sync();
}

int CQtSettings::GetInt(const std::string& section, const std::string& key, int defaultValue)
{
    bool ok = false;
    const int value = Value(Key(section, key)).toInt(&ok);
    return ok ? value : defaultValue;
}

std::string CQtSettings::GetString(const std::string& section, const std::string& key, const std::string& defaultValue)
{
    const QVariant value = Value(Key(section, key));
    if (!value.isValid())
        return defaultValue;
    // An unquoted text with commas in the file reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return CText::FromQ(value.toStringList().join(QLatin1Char(',')));
    return CText::FromQ(value.toString());
}

void CQtSettings::SetInt(const std::string& section, const std::string& key, int value)
{
    Store(Key(section, key), value);
}

void CQtSettings::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    Store(Key(section, key), CText::ToQ(value));
}

bool CQtSettings::Contains(const std::string& section, const std::string& key)
{
    const QString name = Key(section, key);
    return m_pSettings ? m_pSettings->contains(name) : m_memory.contains(name);
}
